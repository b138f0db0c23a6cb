#pragma once

#include "platform/FileDialogs.h"

#include <QFileInfo>
#include <QList>

// Answers the file dialogs with a scripted path. A save dialog asked to confirm
// overwriting an existing file asks the script: declining cancels, as the real one does.
class FakeFileDialogs final : public FileDialogs
{
public:
    Choice saveFileName(QWidget*, const Request& request) override
    {
        requests.append(request);
        if (path.isEmpty())
            return {};
        if (request.confirmOverwrite && QFileInfo::exists(path)) {
            ++overwriteQuestions;
            if (!overwrite)
                return {};
        }
        return {path, filter.isEmpty() ? request.selectedFilter : filter};
    }
    Choice openFileName(QWidget*, const Request& request) override
    {
        requests.append(request);
        return {path, filter.isEmpty() ? request.selectedFilter : filter};
    }

    QString path;   // empty: the user cancels
    QString filter; // empty: the one the request chose
    bool overwrite = true;
    int overwriteQuestions = 0;
    QList<Request> requests;
};
