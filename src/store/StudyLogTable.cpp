#include "StudyLogTable.h"

#include "SqlGuard.h"
#include "StatementBinding.h"
#include "StatementReader.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Columns = u"SELECT A1, B1, B2, A2, A3, D1, A4 FROM tab_rz"_s;

StudyLogTable::Day dayOf(SQLite::Statement& query)
{
    StudyLogTable::Day day;
    day.A1 = StatementBinding::text(query, 0);
    day.B1 = StatementBinding::text(query, 1);
    day.B2 = StatementBinding::text(query, 2);
    day.A2 = StatementBinding::text(query, 3);
    day.A3 = StatementBinding::text(query, 4);
    day.D1 = StatementBinding::text(query, 5);
    day.A4 = StatementBinding::text(query, 6);
    return day;
}

} // namespace

StudyLogTable::StudyLogTable(TDM1& dm) : m_dm(dm) {}

QVector<StudyLogTable::Day> StudyLogTable::newestFirst()
{
    return sqlGuarded([&] {
        // Days are ISO text, so the text order is the calendar order.
        StatementReader query(m_dm, Columns + u" ORDER BY A1 DESC"_s);
        QVector<Day> days;
        while (query->executeStep())
            days.append(dayOf(*query));
        return days;
    });
}

std::optional<StudyLogTable::Day> StudyLogTable::day(const QString& date)
{
    return sqlGuarded([&] {
        StatementReader query(m_dm, Columns + u" WHERE A1 = ?"_s);
        StatementBinding::bindText(*query, 1, date);
        std::optional<Day> found;
        if (query->executeStep())
            found = dayOf(*query);
        return found;
    });
}

StudyLogTable::Totals StudyLogTable::totals()
{
    return sqlGuarded([&] {
        StatementReader query(m_dm, u"SELECT coalesce(sum(A2), 0), coalesce(sum(A3), 0) FROM tab_rz"_s);
        Totals totals;
        if (query->executeStep()) {
            totals.answers = query->getColumn(0).getInt64();
            totals.wrong = query->getColumn(1).getInt64();
        }
        return totals;
    });
}
