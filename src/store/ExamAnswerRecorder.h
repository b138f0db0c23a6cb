#pragma once

#include "AnswerRecorder.h"

#include <QString>

class TDM1;
struct QuestionRecord;

// Records the answer given on one question of a paper being answered. A new or
// changed answer is counted as a practice answer is, with the flags of the paper
// row; the paper row, the question record in tab_answ, every counter and the
// exam clock change in one transaction, so a crash keeps the paper as it was
// left and an answer is never counted twice.
class ExamAnswerRecorder
{
public:
    // Throws a StoreError when paperTable is not a paper table.
    ExamAnswerRecorder(TDM1& dm, const QString& paperTable);

    // An empty answer clears the paper row's answer and counts nothing. On success
    // paperRow holds what the paper table holds; on failure neither has changed.
    AnswerRecorder::Outcome record(QuestionRecord& paperRow, const QString& answer, qint64 elapsedSeconds);

private:
    void UpdateQuestionRecord(const QString& key, const QString& answer);

    TDM1& m_dm;
    QString m_paperTable;
};
