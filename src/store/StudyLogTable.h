#pragma once

#include <QString>
#include <QVector>

#include <optional>

class TDM1;

// The daily study log (tab_rz) as the log window reads it. Only the data
// module's counter routines write it.
class StudyLogTable
{
public:
    // One day, every column as the bank holds it (an empty counter stays empty).
    struct Day
    {
        QString A1; // the day
        QString B1; // distinct questions answered
        QString B2; // questions whose latest answer that day is wrong
        QString A2; // answers recorded
        QString A3; // wrong answers recorded
        QString D1; // study time
        QString A4; // percentage of right answers
    };

    struct Totals
    {
        qint64 answers = 0;
        qint64 wrong = 0;
    };

    explicit StudyLogTable(TDM1& dm);

    QVector<Day> newestFirst();
    // The row of one day (YYYY-MM-DD), if anything was recorded that day.
    std::optional<Day> day(const QString& date);
    // Sums of A2 and A3 over all days; an empty log gives 0 and 0.
    Totals totals();

private:
    TDM1& m_dm;
};
