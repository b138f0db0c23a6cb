#include "AuthoringParts.h"

#include "PointListWidget.h"
#include "TFrmSelectFG.h"

#include "platform/ModalRunner.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace AuthoringParts {

QLabel* title(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(u"QLabel { background: #2f6f8f; color: white; font-size: 13pt; font-weight: bold;"
                         u" border-radius: 3px; padding: 4px; }"_s);
    return label;
}

QLabel* label(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* caption = new QLabel(text, parent);
    caption->setBuddy(buddy);
    return caption;
}

QPushButton* button(const QString& caption, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumSize(84, 30);
    return b;
}

QLineEdit* answerBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(u"answerEdit"_s);
    box->setAccessibleName(u"试题答案"_s);
    box->setMaxLength(100);
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int cursor = box->cursorPosition();
        box->setText(upper);
        box->setCursorPosition(cursor);
    });
    return box;
}

QLabel* hint(QWidget* parent)
{
    auto* label = new QLabel(u"点击\u201cDelete\u201d键可以删除考点"_s, parent);
    label->setObjectName(u"pointHint"_s);
    label->setStyleSheet(u"color: #8a8f96;"_s);
    return label;
}

QString saveFailure(const std::exception& error)
{
    const auto* store = dynamic_cast<const StoreError*>(&error);
    return u"保存试题出现错误！\n"_s + (store ? store->message() : QString::fromUtf8(error.what()));
}

void pickPoints(AppContext& ctx, QWidget* owner, int mode, PointListWidget& list)
{
    ctx.AttachedPointCount = list.count();
    TFrmSelectFG picker(ctx, owner);
    picker.setPickerMode(mode, list.codes());
    picker.setPage(TFrmSelectFG::PickerPage);
    if (ctx.services.windows.run(picker) != QDialog::Accepted)
        return;
    for (const TFrmSelectFG::Taken& point : picker.takenPoints()) {
        if (!list.holds(point.code))
            list.append(point.code, point.label);
    }
}

void showInstructions(AppContext& ctx, QWidget* owner)
{
    TFrmSelectFG picker(ctx, owner);
    picker.setPage(TFrmSelectFG::InstructionsPage);
    ctx.services.windows.run(picker);
}

} // namespace AuthoringParts
