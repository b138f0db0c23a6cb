#include "ChapterTable.h"

#include "CodeSchemes.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "StatementReader.h"

#include <SQLiteCpp/Column.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Columns = u"SELECT C1, C1_1, C2, C3, C4, D1, D2, C6 FROM tab_kmmc"_s;

ChapterTable::Chapter chapterOf(SQLite::Statement& query)
{
    return {StatementBinding::text(query, 0), StatementBinding::text(query, 1),
            StatementBinding::text(query, 2), query.getColumn(3).getInt64(),
            query.getColumn(4).getInt64(),    query.getColumn(5).getInt64(),
            query.getColumn(6).getInt64(),    StatementBinding::text(query, 7)};
}

} // namespace

ChapterTable::ChapterTable(TDM1& dm) : m_dm(dm) {}

QVector<ChapterTable::Chapter> ChapterTable::listed()
{
    return sqlGuarded([&] {
        StatementReader query(m_dm, Columns + u" WHERE C1 <> ? ORDER BY bh, C1"_s);
        StatementBinding::bindText(*query, 1, u"xx"_s);
        QVector<Chapter> rows;
        while (query->executeStep())
            rows.append(chapterOf(*query));
        return rows;
    });
}

ChapterTable::Totals ChapterTable::totals()
{
    return sqlGuarded([&] {
        StatementReader sums(m_dm, u"SELECT coalesce(sum(C3), 0), coalesce(sum(D1), 0), coalesce(sum(D2), 0)"
                                   u" FROM tab_kmmc WHERE length(C1) = ?"_s);
        sums->bind(1, CodeSchemes::LeafChapterLength);
        Totals totals;
        if (sums->executeStep())
            totals = {sums->getColumn(0).getInt64(), sums->getColumn(1).getInt64(),
                      sums->getColumn(2).getInt64()};
        return totals;
    });
}

std::optional<ChapterTable::Chapter> ChapterTable::find(const QString& code)
{
    return sqlGuarded([&] {
        StatementReader query(m_dm, Columns + u" WHERE C1 = ?"_s);
        StatementBinding::bindText(*query, 1, code);
        std::optional<Chapter> found;
        if (query->executeStep())
            found = chapterOf(*query);
        return found;
    });
}
