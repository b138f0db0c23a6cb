#pragma once

#include <QString>

#include <exception>

class AppContext;
class PointListWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Pieces the entry and editing windows share.
namespace AuthoringParts {

QLabel* title(const QString& text, QWidget* parent);
// A field caption that gives its field's keyboard focus.
QLabel* label(const QString& text, QWidget* buddy, QWidget* parent);
QPushButton* button(const QString& caption, const QString& name, QWidget* parent);
// The answer box: upper case, at most 100 characters.
QLineEdit* answerBox(QWidget* parent);
// "点击“Delete”键可以删除考点" under the point list.
QLabel* hint(QWidget* parent);

// "保存试题出现错误！" with the reason on the next line.
QString saveFailure(const std::exception& error);

// "添加考点": the picker in the given mode; each ticked point not yet in the
// list is appended, judged by itself.
void pickPoints(AppContext& ctx, QWidget* owner, int mode, PointListWidget& list);
// "使用说明": the picker's instructions page.
void showInstructions(AppContext& ctx, QWidget* owner);

} // namespace AuthoringParts
