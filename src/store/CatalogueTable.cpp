#include "CatalogueTable.h"

#include "StoreConnection.h"

#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

CatalogueTable::Counters countersAt(SQLite::Statement& query, int first)
{
    return {query.getColumn(first).getInt(), query.getColumn(first + 1).getInt(),
            query.getColumn(first + 2).getInt(), query.getColumn(first + 3).getInt()};
}

} // namespace

CatalogueTable::CatalogueTable(TDM1& dm) : m_dm(dm) {}

QVector<CatalogueTable::Node> CatalogueTable::nodes()
{
    return sqlGuarded([&] {
        auto& query =
            StoreConnection::prepared(m_dm, u"SELECT id, n, coalesce(q, 0), coalesce(q1, 0), coalesce(q2, 0),"
                                            u" coalesce(q4, 0) FROM tab_fgmc ORDER BY bh"_s);
        QVector<Node> nodes;
        while (query.executeStep())
            nodes.append(
                {StatementBinding::text(query, 0), StatementBinding::text(query, 1), countersAt(query, 2)});
        query.reset();
        return nodes;
    });
}

QVector<CatalogueTable::Point> CatalogueTable::pointsOf(const QString& nodeId)
{
    return sqlGuarded([&] {
        auto& query = StoreConnection::prepared(
            m_dm, u"SELECT ftid, id, sn, n, coalesce(q, 0), coalesce(q1, 0), coalesce(q2, 0),"
                  u" coalesce(q4, 0) FROM tab_rule WHERE id = ? ORDER BY ftid"_s);
        StatementBinding::bindText(query, 1, nodeId);
        QVector<Point> points;
        while (query.executeStep()) {
            points.append({StatementBinding::text(query, 0), StatementBinding::text(query, 1),
                           StatementBinding::text(query, 2), StatementBinding::text(query, 3),
                           countersAt(query, 4)});
        }
        query.reset();
        return points;
    });
}

int CatalogueTable::pointCount(const QString& nodeId)
{
    return sqlGuarded([&] {
        auto& query = StoreConnection::prepared(m_dm, u"SELECT count(*) FROM tab_rule WHERE id = ?"_s);
        StatementBinding::bindText(query, 1, nodeId);
        const int count = query.executeStep() ? query.getColumn(0).getInt() : 0;
        query.reset();
        return count;
    });
}

int CatalogueTable::keyPointThreshold(const QString& totalCell, int points)
{
    bool ok = false;
    const int total = totalCell.trimmed().toInt(&ok);
    if (!ok)
        return 1;
    const int threshold = points > 0 ? total / points : 0;
    return threshold <= 0 ? 1 : threshold;
}
