#include "ChapterTableModel.h"

#include "store/TDM1.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const char16_t* const Titles[] = {u"章节名称", u"习题数目", u"已做题数",
                                  u"已做道次", u"做错道次", u"综合成绩"};

} // namespace

ChapterTableModel::ChapterTableModel(TDM1& dm, QObject* parent) : QAbstractTableModel(parent), m_dm(dm) {}

void ChapterTableModel::refresh()
{
    ChapterTable table(m_dm);
    QVector<Chapter> rows = table.listed();
    const Totals totals = table.totals();
    beginResetModel();
    m_rows = std::move(rows);
    m_totals = totals;
    endResetModel();
}

int ChapterTableModel::rowOfCode(const QString& code) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].C1 == code)
            return row;
    }
    return -1;
}

int ChapterTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ChapterTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ChapterTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Chapter& c = m_rows[index.row()];
    if (role == Qt::TextAlignmentRole) {
        if (index.column() == Name)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == LevelRole) {
        const qsizetype length = c.C1.size();
        return int(length <= 2 ? qMax<qsizetype>(length - 1, 0) : length / 2);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case Name:
        return c.C2;
    case Questions:
        return c.C3;
    case Done:
        return c.C4;
    case Answers:
        return c.D1;
    case Wrong:
        return c.D2;
    case Score:
        return c.C6;
    default:
        return {};
    }
}

QVariant ChapterTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole) {
        const QString title = QString::fromUtf16(Titles[section]);
        return m_twoLineTitles && section != Name ? title.left(2) + u'\n' + title.mid(2) : title;
    }
    if (role == Qt::AccessibleTextRole)
        return QString::fromUtf16(Titles[section]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}
