#include "QtFileDialogs.h"

#include <QFileDialog>

using namespace Qt::Literals::StringLiterals;

FileDialogs::Choice QtFileDialogs::saveFileName(QWidget* parent, const Request& request)
{
    QString filter = request.selectedFilter;
    const QFileDialog::Options options =
        request.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    const QString path = QFileDialog::getSaveFileName(parent, request.caption, request.directory,
                                                      request.filters.join(u";;"_s), &filter, options);
    return {path, filter};
}

FileDialogs::Choice QtFileDialogs::openFileName(QWidget* parent, const Request& request)
{
    QString filter = request.selectedFilter;
    const QString path = QFileDialog::getOpenFileName(parent, request.caption, request.directory,
                                                      request.filters.join(u";;"_s), &filter);
    return {path, filter};
}
