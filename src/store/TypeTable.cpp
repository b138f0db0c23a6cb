#include "TypeTable.h"

#include "BankSchema.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

TypeTable::TypeTable(TDM1& dm, int subject) : m_dm(dm), m_name(BankSchema::typeTableName(subject)) {}

QVector<TypeTable::Row> TypeTable::rows()
{
    return sqlGuarded([&] {
        auto& query =
            m_dm.prepared(u"SELECT A1, B1, coalesce(time, 0) FROM "_s + m_name + u" ORDER BY rowid"_s);
        QVector<Row> rows;
        while (query.executeStep()) {
            Row row;
            row.A1 = query.getColumn(0).getInt();
            row.B1 = StatementBinding::text(query, 1);
            row.time = query.getColumn(2).getDouble();
            rows.append(row);
        }
        query.reset();
        return rows;
    });
}

bool TypeTable::setTime(int code, double minutes)
{
    return sqlGuarded([&] {
        auto& update = m_dm.prepared(u"UPDATE "_s + m_name + u" SET time = ? WHERE A1 = ?"_s);
        update.bind(1, minutes);
        update.bind(2, code);
        return update.exec() > 0;
    });
}

int TypeTable::intervalOf(double minutes)
{
    // The small allowance keeps 4.1 min at 2460 ms although 4.1 x 600 is 2459.99... in binary.
    const double ms = minutes * 600.0;
    return int(std::trunc(ms + std::copysign(1e-6, ms)));
}
