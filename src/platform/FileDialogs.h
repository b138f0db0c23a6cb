#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The system's file dialogs, so that tests can answer them.
class FileDialogs
{
public:
    struct Request
    {
        QString caption;
        QString directory;
        QStringList filters; // "Name (*.ext)", the first one chosen unless selectedFilter says otherwise
        QString selectedFilter;
        bool confirmOverwrite = true; // save only: the dialog asks before an existing file is chosen
    };

    // What the user chose; an empty path when they cancelled.
    struct Choice
    {
        QString path;
        QString filter;
        bool cancelled() const { return path.isEmpty(); }
    };

    virtual ~FileDialogs() = default;

    virtual Choice saveFileName(QWidget* parent, const Request& request) = 0;
    virtual Choice openFileName(QWidget* parent, const Request& request) = 0;
};
