#include "TypeTable.h"

#include "BankSchema.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "StatementReader.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

TypeTable::TypeTable(TDM1& dm, int subject) : m_dm(dm), m_name(BankSchema::typeTableName(subject)) {}

TypeTable::TypeTable(TDM1& dm) : m_dm(dm), m_name(dm.typeTable()) {}

QVector<TypeTable::Row> TypeTable::rows()
{
    return sqlGuarded([&] {
        StatementReader query(m_dm,
                              u"SELECT A1, B1, coalesce(time, 0), coalesce(B2, 0), coalesce(B3, 0) FROM "_s +
                                  m_name + u" ORDER BY rowid"_s);
        QVector<Row> rows;
        while (query->executeStep()) {
            Row row;
            row.A1 = query->getColumn(0).getInt();
            row.B1 = StatementBinding::text(*query, 1);
            row.time = query->getColumn(2).getDouble();
            row.B2 = query->getColumn(3).getDouble();
            row.B3 = query->getColumn(4).getDouble();
            rows.append(row);
        }
        return rows;
    });
}

bool TypeTable::setTime(int code, double minutes)
{
    return sqlGuarded([&] {
        StatementReader update(m_dm, u"UPDATE "_s + m_name + u" SET time = ? WHERE A1 = ?"_s);
        update->bind(1, minutes);
        update->bind(2, code);
        return update->exec() > 0;
    });
}

int TypeTable::totalPaperScore()
{
    qint64 total = 0;
    for (const Row& row : rows())
        total += qRound64(row.B2) * qRound64(row.B3);
    return int(total);
}

int TypeTable::intervalOf(double minutes)
{
    // The small allowance keeps 4.1 min at 2460 ms although 4.1 x 600 is 2459.99... in binary.
    const double ms = minutes * 600.0;
    return int(std::trunc(ms + std::copysign(1e-6, ms)));
}
