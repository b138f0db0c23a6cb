#include "TypeScoreTable.h"

#include "StoreConnection.h"

#include "BankSchema.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString decimal(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace

TypeScoreTable::TypeScoreTable(TDM1& dm, int subject)
{
    m_rows = sqlGuarded([&] {
        auto& query =
            StoreConnection::prepared(dm, u"SELECT A1, B1, coalesce(B2, 0), coalesce(B3, 0) FROM "_s +
                                              BankSchema::typeTableName(subject) + u" ORDER BY rowid"_s);
        QVector<Row> rows;
        while (query.executeStep()) {
            Row row;
            row.A1 = query.getColumn(0).getInt();
            row.B1 = StatementBinding::text(query, 1);
            row.B2 = query.getColumn(2).getInt();
            row.B3 = query.getColumn(3).getDouble();
            rows.append(row);
        }
        return rows;
    });
}

QString TypeScoreTable::TypeScoreLabel(int type) const
{
    for (const Row& row : m_rows) {
        if (row.A1 == type)
            return row.B1 + u" 每题"_s + decimal(row.B3) + u"分 共"_s + decimal(row.B3 * row.B2) + u"分"_s;
    }
    return {};
}
