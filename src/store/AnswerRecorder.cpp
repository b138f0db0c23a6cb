#include "AnswerRecorder.h"

#include "BankSchema.h"
#include "CodeSchemes.h"
#include "QuestionRecord.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "StatementReader.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

int flag(bool yes)
{
    return yes ? 2 : 1;
}

void checkTable(const QString& table)
{
    if (table != u"tab_answ" && !BankSchema::isPaperTableName(table))
        throw StoreError(u"“%1”不是题目表。"_s.arg(table));
}

} // namespace

AnswerRecorder::AnswerRecorder(TDM1& dm) : m_dm(dm) {}

AnswerRecorder::Outcome AnswerRecorder::record(QuestionRecord& row, const QString& answer,
                                               const QString& table)
{
    checkTable(table);
    QuestionRecord next = row;
    Outcome outcome;
    if (answer.isEmpty()) {
        next.E2_1 = QString();
        writeRow(table, next);
        row = next;
        return outcome;
    }
    outcome.wrong = answer != row.A2;
    outcome.counted = answer != row.E2_1;
    if (outcome.counted) {
        if (row.E2.isEmpty())
            next.E4 = outcome.wrong ? -3 : 0;
        else if (outcome.wrong)
            next.E4 = row.E4 - 1;
        else if (row.E4 < 0)
            next.E4 = row.E4 + 1;
        next.E3 = row.E3 + 1;
    }
    next.E2_1 = answer;
    next.E2 = answer;
    next.E1 = m_dm.todayText();
    m_dm.inTransaction([&] {
        if (outcome.counted)
            countAnswer(row, outcome.wrong);
        writeRow(table, next);
    });
    row = next;
    return outcome;
}

void AnswerRecorder::countAnswer(const QuestionRecord& row, bool wrong)
{
    const bool firstToday = row.E1 != m_dm.todayText();
    const bool earlierWrong = row.E2 != row.A2;
    const bool neverAnswered = row.E2.isEmpty();
    m_dm.RecordAnswerInLog(flag(firstToday), flag(wrong), flag(earlierWrong));
    m_dm.CountChapterAnswer(row.A10, flag(neverAnswered), flag(wrong));
    const QStringList points = CodeSchemes::citedPoints(row.K);
    if (points.isEmpty())
        return;
    QStringList nodes6;
    QStringList nodes2;
    for (const QString& code : points) {
        nodes6.append(CodeSchemes::pointNode6(code));
        nodes2.append(CodeSchemes::pointNode2(code));
    }
    m_dm.CountKnowledgePointAnswer(points, nodes6, nodes2, flag(neverAnswered), flag(wrong));
}

void AnswerRecorder::writeRow(const QString& table, const QuestionRecord& row)
{
    sqlGuarded([&] {
        if (row.E2_1.isEmpty()) {
            StatementReader clear(m_dm, u"UPDATE "_s + table + u" SET E2_1 = '' WHERE A1 = ?"_s);
            StatementBinding::bindText(*clear, 1, row.A1);
            clear->exec();
            return;
        }
        StatementReader update(m_dm,
                               u"UPDATE "_s + table +
                                   u" SET E2_1 = ?1, E2 = ?1, E1 = ?2, E3 = ?3, E4 = ?4 WHERE A1 = ?5"_s);
        StatementBinding::bindText(*update, 1, row.E2_1);
        StatementBinding::bindText(*update, 2, row.E1);
        update->bind(3, row.E3);
        update->bind(4, row.E4);
        StatementBinding::bindText(*update, 5, row.A1);
        if (update->exec() != 1)
            throw StoreError(u"题目“%1”已不在题库中。"_s.arg(row.A1));
    });
}
