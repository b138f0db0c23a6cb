#pragma once

#include <QString>

class TDM1;
struct QuestionRecord;

// Records the answer given on one question. A new or changed answer is counted:
// the question record, today's log row, the chapter counters and the counters of
// the cited knowledge points change together in one transaction, or not at all.
class AnswerRecorder
{
public:
    struct Outcome
    {
        bool counted = false;
        bool wrong = false;
    };

    explicit AnswerRecorder(TDM1& dm);

    // table: tab_answ, or a paper table. On success the record in memory holds
    // what the database holds; on failure neither has changed.
    Outcome record(QuestionRecord& row, const QString& answer,
                   const QString& table = QStringLiteral("tab_answ"));

private:
    void countAnswer(const QuestionRecord& row, bool wrong);
    void writeRow(const QString& table, const QuestionRecord& row);

    TDM1& m_dm;
};
