#pragma once

class TDM1;

// How today's study stands against the plan of the settings row: a number of
// answers (PlanMark 0) or of whole minutes studied (PlanMark 1); any other mark plans nothing.
enum class StudyPlanVerdict
{
    NoPlan,
    Behind,
    Reached,
    Exceeded
};

StudyPlanVerdict todaysStudyPlanVerdict(TDM1& dm);
