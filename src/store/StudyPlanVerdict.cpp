#include "StudyPlanVerdict.h"

#include "CodeSchemes.h"
#include "SettingsRecord.h"
#include "StudyLogTable.h"
#include "TDM1.h"

StudyPlanVerdict todaysStudyPlanVerdict(TDM1& dm)
{
    // A bank without a settings row plans 0 answers.
    const SettingsRecord::Values plan = SettingsRecord(dm).find().value_or(SettingsRecord::Values{});
    qint64 answers = 0;
    qint64 minutes = 0;
    if (const auto day = StudyLogTable(dm).day(dm.todayText())) {
        answers = day->A2.toLongLong();
        minutes = CodeSchemes::ParseDuration(day->D1) / 60;
    }
    qint64 reached = 0;
    qint64 planned = 0;
    if (plan.PlanMark == 0) {
        reached = answers;
        planned = plan.PlanAmount;
    } else if (plan.PlanMark == 1) {
        reached = minutes;
        planned = plan.PlanTime;
    } else {
        return StudyPlanVerdict::NoPlan;
    }
    if (reached < planned)
        return StudyPlanVerdict::Behind;
    return reached == planned ? StudyPlanVerdict::Reached : StudyPlanVerdict::Exceeded;
}
