#include "StudyCurve.h"

#include "StoreConnection.h"

#include "SettingsRecord.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

StudyCurve::StudyCurve(TDM1& dm) : m_dm(dm) {}

StudyCurve::Curve StudyCurve::lastDays(const QDate& today)
{
    Curve curve;
    const QDate first = today.addDays(1 - Span);
    for (int i = 0; i < Span; ++i)
        curve.days.append(Day{first.addDays(i), 0, std::nullopt});

    sqlGuarded([&] {
        // Days are ISO text, so a text range is a date range.
        auto& query = StoreConnection::prepared(
            m_dm, u"SELECT A1, coalesce(A2, 0), A4 FROM tab_rz WHERE A1 BETWEEN ? AND ?"_s);
        StatementBinding::bindText(query, 1, first.toString(Qt::ISODate));
        StatementBinding::bindText(query, 2, today.toString(Qt::ISODate));
        while (query.executeStep()) {
            const QDate date = QDate::fromString(StatementBinding::text(query, 0), Qt::ISODate);
            const qint64 index = first.daysTo(date);
            if (!date.isValid() || index < 0 || index >= Span)
                continue;
            Day& day = curve.days[index];
            day.answers = query.getColumn(1).getInt64();
            bool numeric = false;
            const double score = StatementBinding::text(query, 2).toDouble(&numeric);
            if (numeric && day.answers > 0)
                day.score = score;
        }
        query.reset();
    });

    try {
        const SettingsRecord::Values plan = SettingsRecord(m_dm).read();
        if (plan.PlanMark == 0)
            curve.plannedAnswers = plan.PlanAmount;
    } catch (const StoreError&) {
        // Without a settings record there is no plan to draw; the days still are.
    }
    return curve;
}
