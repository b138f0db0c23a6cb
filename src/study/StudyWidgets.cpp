#include "StudyWidgets.h"

#include "store/TDM1.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace StudyWidgets {

QLabel* caption(QWidget* parent, const QString& text, const QString& objectName)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAccessibleName(text);
    return label;
}

QPushButton* button(QWidget* parent, const QString& text, const QString& objectName)
{
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(objectName);
    pushButton->setAccessibleName(text);
    pushButton->setFocusPolicy(Qt::StrongFocus);
    pushButton->setAutoDefault(false);
    return pushButton;
}

QFont font(int pixelSize, bool bold)
{
    QFont result = QApplication::font();
    result.setPixelSize(pixelSize);
    result.setBold(bold);
    return result;
}

QString picturePath(const AppContext& ctx, const QString& fileName)
{
    return ctx.dm.ProgramFolder() + u"pic/"_s + fileName;
}

} // namespace StudyWidgets
