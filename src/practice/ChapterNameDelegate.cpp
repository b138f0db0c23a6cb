#include "ChapterNameDelegate.h"

#include "ChapterTableModel.h"

void ChapterNameDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const int level = index.data(ChapterTableModel::LevelRole).toInt();
    option->rect.adjust(level * IndentPerLevel, 0, 0, 0);
    if (level == 0)
        option->font.setBold(true);
}
