#pragma once

#include "store/ChapterTable.h"

#include <QAbstractTableModel>
#include <QString>
#include <QVector>

class TDM1;

// The chapter rows the browser lists (every row of tab_kmmc but the hidden
// "xx", in bh order) with their counters, and the totals over the leaf chapters.
class ChapterTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using Chapter = ChapterTable::Chapter;
    using Totals = ChapterTable::Totals;
    enum Column
    {
        Name,
        Questions,
        Done,
        Answers,
        Wrong,
        Score,
        ColumnCount
    };
    // The depth of a chapter in the tree: 0 for a subject, 1 for codes of 2 characters, then one per 2 more.
    static constexpr int LevelRole = Qt::UserRole + 1;

    explicit ChapterTableModel(TDM1& dm, QObject* parent = nullptr);

    // Narrow columns take their titles on two lines.
    void setTwoLineTitles(bool twoLines) { m_twoLineTitles = twoLines; }

    // Reads the rows and the totals again.
    void refresh();
    const Totals& totals() const { return m_totals; }
    const Chapter& chapter(int row) const { return m_rows[row]; }
    // The row of a chapter code, or -1.
    int rowOfCode(const QString& code) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TDM1& m_dm;
    QVector<Chapter> m_rows;
    Totals m_totals;
    bool m_twoLineTitles = false;
};
