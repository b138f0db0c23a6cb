#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QTextBrowser;
class QWidget;

// Pieces the small reading windows (note, explanation, related points) share.
namespace DialogParts {

// A read-only rich-text pane in the reading size of the layout.
QTextBrowser* readingPane(QWidget* parent, const QString& objectName, const QString& accessibleName,
                          bool compact);

// A row with the window's close button at the right; the button accepts the dialog.
QHBoxLayout* closeButtonRow(QDialog* dialog, const QString& caption);

} // namespace DialogParts
