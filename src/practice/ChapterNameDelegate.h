#pragma once

#include <QStyledItemDelegate>

// Draws a chapter name indented by its depth in the chapter tree, subjects in bold.
class ChapterNameDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int IndentPerLevel = 14;
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
