#pragma once

#include <QString>

class TDM1;

// How an exam run ends in the store: marking a paper with the minimum-score
// rule, or throwing it away.
class PaperMarking
{
public:
    struct Result
    {
        double score = 0;
        bool BelowLeastMark = false;
        // False when the paper has no result record: the score is shown but not kept.
        bool stored = false;
    };

    // The number of question buttons: a paper with this many unanswered is dropped unasked.
    static constexpr int QuestionButtons = 100;
    // A paper thrown away with fewer unanswered questions than this still counts its time.
    static constexpr int LoggedDiscardBelow = 50;

    explicit PaperMarking(TDM1& dm);

    // Sum of B3 over the questions answered right, the answer compared without regard to case.
    double score(const QString& paperTable, int subject);
    // Writes the score and the time used into the result record, adds the time to today's
    // log and recomputes the percentages: all of it or, on a failure, none of it.
    Result MarkPaper(const QString& paperTable, int subject, const QString& elapsed);
    // "作废": the time counts when fewer than 50 questions were left; then the paper goes.
    void discard(const QString& paperTable, int unanswered, const QString& elapsed);
    // Paper table, result record and resume state go together.
    void drop(const QString& paperTable);

    // Strictly below: a paper scoring exactly LeastMark is kept.
    static bool isBelowLeastMark(int leastMark, double score) { return leastMark > score; }

private:
    TDM1& m_dm;
};
