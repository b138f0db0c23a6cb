#include "PointPicker.h"

#include "StoreConnection.h"

#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

PointPicker::PointPicker(TDM1& dm) : m_dm(dm) {}

QVector<PointPicker::Node> PointPicker::nodes()
{
    return sqlGuarded([&] {
        auto& query = StoreConnection::prepared(
            m_dm, u"SELECT id, n FROM tab_fgmc WHERE length(id) = 6 OR length(id) = 2 ORDER BY bh, id"_s);
        QVector<Node> nodes;
        while (query.executeStep())
            nodes.append({StatementBinding::text(query, 0), StatementBinding::text(query, 1)});
        query.reset();
        return nodes;
    });
}

QVector<PointPicker::Point> PointPicker::points(const QString& nodeId)
{
    return sqlGuarded([&] {
        auto& query =
            StoreConnection::prepared(m_dm, u"SELECT ftid, sn FROM tab_rule WHERE id = ? ORDER BY ftid"_s);
        StatementBinding::bindText(query, 1, nodeId);
        QVector<Point> points;
        while (query.executeStep())
            points.append({StatementBinding::text(query, 0), StatementBinding::text(query, 1)});
        query.reset();
        return points;
    });
}

QString PointPicker::attachedLabel(const QString& ftid)
{
    return sqlGuarded([&] {
        auto& query =
            StoreConnection::prepared(m_dm, u"SELECT coalesce(f.n, ''), coalesce(r.sn, '') FROM tab_rule r"
                                            u" LEFT JOIN tab_fgmc f ON f.id = r.id WHERE r.ftid = ?"_s);
        StatementBinding::bindText(query, 1, ftid);
        const QString label = query.executeStep()
                                  ? StatementBinding::text(query, 0) + StatementBinding::text(query, 1)
                                  : QString();
        query.reset();
        return label;
    });
}
