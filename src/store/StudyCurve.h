#pragma once

#include <QDate>
#include <QVector>

#include <optional>

class TDM1;

// The study log of the last days as the study curve draws it: every day of the
// span, oldest first, with the plan's daily amount when the plan counts answers.
class StudyCurve
{
public:
    struct Day
    {
        QDate date;
        qint64 answers = 0;          // A2; 0 on a day without a row
        std::optional<double> score; // A4 of a day with answers
    };

    struct Curve
    {
        QVector<Day> days;
        std::optional<int> plannedAnswers; // PlanAmount when PlanMark is 0
    };

    static constexpr int Span = 90;

    explicit StudyCurve(TDM1& dm);

    // The Span days ending with today.
    Curve lastDays(const QDate& today);

private:
    TDM1& m_dm;
};
