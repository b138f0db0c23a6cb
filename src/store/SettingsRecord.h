#pragma once

#include <QString>

#include <optional>

class TDM1;

// The settings record: the first row of tab_plan. The program reads and edits
// that row and never adds one.
class SettingsRecord
{
public:
    struct Values
    {
        int PlanMark = 0;
        int PlanAmount = 0;
        int PlanTime = 0;
        QString ExamDate;
        int LeastMark = 0;
        int ExamTime = 0; // seconds
    };

    explicit SettingsRecord(TDM1& dm);

    // The row; a bank without one fails with "设置记录不存在。".
    Values read();
    // The row, if the bank has one.
    std::optional<Values> find();
    void savePlan(int planMark, int planAmount, int planTime, const QString& examDate);
    void saveExamSettings(int leastMark, int examTimeSeconds);

private:
    TDM1& m_dm;
};
