#pragma once

#include <QString>

class AppContext;
class QFont;
class QLabel;
class QPushButton;
class QWidget;

// Small pieces the study windows share.
namespace StudyWidgets {

// A caption placed by the window; its text is also its accessible name.
QLabel* caption(QWidget* parent, const QString& text, const QString& objectName = {});
QPushButton* button(QWidget* parent, const QString& text, const QString& objectName);
// The window font, sized in pixels so that layouts do not follow the screen's DPI.
QFont font(int pixelSize, bool bold = false);

// The background pictures painted by the picture generator into pic/.
QString picturePath(const AppContext& ctx, const QString& fileName);

} // namespace StudyWidgets
