#include "SettingsRecord.h"

#include "SqlGuard.h"
#include "StatementBinding.h"
#include "StatementReader.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// tab_plan has no key; its first row is the one with the lowest rowid.
const QString FirstRow = u" WHERE rowid = (SELECT min(rowid) FROM tab_plan)"_s;

StoreError missingRecord()
{
    return StoreError(u"设置记录不存在。"_s);
}

} // namespace

SettingsRecord::SettingsRecord(TDM1& dm) : m_dm(dm) {}

SettingsRecord::Values SettingsRecord::read()
{
    std::optional<Values> values = find();
    if (!values)
        throw missingRecord();
    return *values;
}

std::optional<SettingsRecord::Values> SettingsRecord::find()
{
    return sqlGuarded([&]() -> std::optional<Values> {
        StatementReader query(m_dm,
                              u"SELECT coalesce(PlanMark, 0), coalesce(PlanAmount, 0), coalesce(PlanTime, 0),"
                              u" ExamDate, coalesce(LeastMark, 0), coalesce(ExamTime, 0) FROM tab_plan"_s +
                                  FirstRow);
        if (!query->executeStep())
            return std::nullopt;
        Values values;
        values.PlanMark = query->getColumn(0).getInt();
        values.PlanAmount = query->getColumn(1).getInt();
        values.PlanTime = query->getColumn(2).getInt();
        values.ExamDate = StatementBinding::text(*query, 3);
        values.LeastMark = query->getColumn(4).getInt();
        values.ExamTime = query->getColumn(5).getInt();
        return values;
    });
}

void SettingsRecord::savePlan(int planMark, int planAmount, int planTime, const QString& examDate)
{
    sqlGuarded([&] {
        StatementReader update(
            m_dm,
            u"UPDATE tab_plan SET PlanMark = ?, PlanAmount = ?, PlanTime = ?, ExamDate = ?"_s + FirstRow);
        update->bind(1, planMark);
        update->bind(2, planAmount);
        update->bind(3, planTime);
        StatementBinding::bindText(*update, 4, examDate);
        if (update->exec() == 0)
            throw missingRecord();
    });
}

void SettingsRecord::saveExamSettings(int leastMark, int examTimeSeconds)
{
    sqlGuarded([&] {
        StatementReader update(m_dm, u"UPDATE tab_plan SET LeastMark = ?, ExamTime = ?"_s + FirstRow);
        update->bind(1, leastMark);
        update->bind(2, examTimeSeconds);
        if (update->exec() == 0)
            throw missingRecord();
    });
}
