#include "ChapterStatistics.h"

#include "StoreConnection.h"

#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Charted = u"0"_s;

} // namespace

ChapterStatistics::ChapterStatistics(TDM1& dm) : m_dm(dm) {}

QVector<ChapterStatistics::Chapter> ChapterStatistics::chapters()
{
    return sqlGuarded([&] {
        // rowid is the order the rows were written in, which is the order a scan returns.
        auto& query =
            StoreConnection::prepared(m_dm, u"SELECT C2, coalesce(C3, 0), coalesce(C4, 0), coalesce(D1, 0),"
                                            u" coalesce(D2, 0) FROM tab_kmmc WHERE C7 = ? ORDER BY rowid"_s);
        StatementBinding::bindText(query, 1, Charted);
        QVector<Chapter> rows;
        while (query.executeStep()) {
            Chapter row;
            row.C2 = StatementBinding::text(query, 0);
            row.C3 = query.getColumn(1).getInt64();
            row.C4 = query.getColumn(2).getInt64();
            row.D1 = query.getColumn(3).getInt64();
            row.D2 = query.getColumn(4).getInt64();
            rows.append(row);
        }
        query.reset();
        return rows;
    });
}

qint64 ChapterStatistics::questionTotal()
{
    return sqlGuarded([&] {
        auto& query =
            StoreConnection::prepared(m_dm, u"SELECT coalesce(sum(C3), 0) FROM tab_kmmc WHERE C7 = ?"_s);
        StatementBinding::bindText(query, 1, Charted);
        const qint64 total = query.executeStep() ? query.getColumn(0).getInt64() : 0;
        query.reset();
        return total;
    });
}
