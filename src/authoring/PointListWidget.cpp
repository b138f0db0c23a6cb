#include "PointListWidget.h"

#include <QKeyEvent>

using namespace Qt::Literals::StringLiterals;

PointListWidget::PointListWidget(QWidget* parent) : QListWidget(parent)
{
    setObjectName(u"pointList"_s);
    setAccessibleName(u"对应考点"_s);
    setToolTip(u"点击\u201cDelete\u201d键可以删除考点"_s);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QStringList PointListWidget::codes() const
{
    QStringList all;
    for (int i = 0; i < count(); ++i)
        all.append(item(i)->data(Qt::UserRole).toString());
    return all;
}

QStringList PointListWidget::labels() const
{
    QStringList all;
    for (int i = 0; i < count(); ++i)
        all.append(item(i)->text());
    return all;
}

bool PointListWidget::holds(const QString& code) const
{
    return codes().contains(code);
}

void PointListWidget::append(const QString& code, const QString& label)
{
    auto* entry = new QListWidgetItem(label, this);
    entry->setData(Qt::UserRole, code);
}

void PointListWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && currentItem()) {
        delete takeItem(currentRow());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}
