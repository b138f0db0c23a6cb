#include "ExamAnswerRecorder.h"

#include "StoreConnection.h"

#include "ExamProgress.h"
#include "PaperTable.h"
#include "QuestionRecord.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

ExamAnswerRecorder::ExamAnswerRecorder(TDM1& dm, const QString& paperTable)
    : m_dm(dm), m_paperTable(PaperTable::checkedName(paperTable))
{}

AnswerRecorder::Outcome ExamAnswerRecorder::record(QuestionRecord& paperRow, const QString& answer,
                                                   qint64 elapsedSeconds)
{
    QuestionRecord next = paperRow;
    AnswerRecorder::Outcome outcome;
    m_dm.inTransaction([&] {
        outcome = AnswerRecorder(m_dm).record(next, answer, m_paperTable);
        if (outcome.counted)
            UpdateQuestionRecord(next.A1, answer);
        ExamProgress(m_dm).saveElapsed(m_paperTable, elapsedSeconds);
    });
    paperRow = next;
    return outcome;
}

void ExamAnswerRecorder::UpdateQuestionRecord(const QString& key, const QString& answer)
{
    const auto rows = m_dm.readQuestions({u"SELECT * FROM tab_answ WHERE A1 = ?"_s, {key}});
    if (rows.isEmpty())
        return; // a question no longer in the bank keeps its paper row only
    const QuestionRecord& row = rows.front();
    // Exact comparison, as in practice: the question record changes as after a counted practice answer.
    const bool wrong = answer != row.A2;
    int e4 = row.E4;
    if (row.E2.isEmpty())
        e4 = wrong ? -3 : 0;
    else if (wrong)
        e4 = row.E4 - 1;
    else if (row.E4 < 0)
        e4 = row.E4 + 1;
    sqlGuarded([&] {
        auto& update = StoreConnection::prepared(
            m_dm, u"UPDATE tab_answ SET E4 = ?1, E3 = E3 + 1, E2_1 = ?2, E2 = ?2, E1 = ?3 WHERE A1 = ?4"_s);
        update.bind(1, e4);
        StatementBinding::bindText(update, 2, answer);
        StatementBinding::bindText(update, 3, m_dm.todayText());
        StatementBinding::bindText(update, 4, row.A1);
        update.exec();
    });
}
