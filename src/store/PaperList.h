#pragma once

#include "QuestionRecord.h"

#include <QString>
#include <QVector>

#include <optional>

class TDM1;

// The kept mock-exam papers (tab_cj) as the paper list shows them, their
// deletion, and the opening of one for inspection.
class PaperList
{
public:
    struct Row
    {
        QString A1; // paper table
        QString A3; // title
        int A3_1 = 0;
        std::optional<double> A6; // score; none until marked
        QString D2;               // time used
    };

    struct Summary
    {
        int count = 0;   // "考试次数"
        int passed = 0;  // "及格次数"
        int average = 0; // "平均成绩"
    };

    // A kept paper ready for inspection ("old" mode).
    struct Review
    {
        QString PaperTableName;
        QString PaperTitle;
        double PaperScore = 0; // an unmarked paper reads 0
        QString TimeUsed;
        QVector<QuestionRecord> rows; // paper order
    };

    explicit PaperList(TDM1& dm);

    // Highest paper number first.
    QVector<Row> newestFirst();
    // totalPaperScore: the data module's TotalPaperScore.
    Summary summary(int totalPaperScore);
    // (total div 5) x 3
    static int passLine(int totalPaperScore) { return totalPaperScore / 5 * 3; }
    // Halves go to the even neighbour: 72.5 -> 72, 73.5 -> 74.
    static int roundedAverage(double average);

    // Drops the paper table with its record, then deletes the record by name in
    // case the table was already gone.
    void deletePaper(const QString& paperTable);
    // Throws a StoreError "无法打开试卷！" when the paper has no record, no table or no row.
    Review open(const QString& paperTable);

private:
    TDM1& m_dm;
};
