#include "QtFileDialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

// "Name (*.bmp)" -> "bmp"; empty for a filter without one extension.
QString suffixOf(const QString& filter)
{
    static const QRegularExpression extension(u"\\*\\.(\\w+)"_s);
    return extension.match(filter).captured(1);
}

FileDialogs::Choice run(QFileDialog& dialog, const FileDialogs::Request& request)
{
    dialog.setNameFilters(request.filters);
    if (!request.selectedFilter.isEmpty())
        dialog.selectNameFilter(request.selectedFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().first(), dialog.selectedNameFilter()};
}

} // namespace

FileDialogs::Choice QtFileDialogs::saveFileName(QWidget* parent, const Request& request)
{
    QFileDialog dialog(parent, request.caption, request.directory);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    // A name typed without an extension gets the chosen filter's, before the dialog checks for an existing
    // file.
    dialog.setDefaultSuffix(
        suffixOf(request.selectedFilter.isEmpty() ? request.filters.value(0) : request.selectedFilter));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    return run(dialog, request);
}

FileDialogs::Choice QtFileDialogs::openFileName(QWidget* parent, const Request& request)
{
    QFileDialog dialog(parent, request.caption, request.directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return run(dialog, request);
}
