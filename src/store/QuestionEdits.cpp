#include "QuestionEdits.h"

#include "BankSchema.h"
#include "QuestionRecord.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "StatementReader.h"
#include "TDM1.h"

#include <QVariantList>

#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

void checkTable(const QString& table)
{
    if (table != u"tab_answ" && !BankSchema::isPaperTableName(table))
        throw StoreError(u"“%1”不是题目表。"_s.arg(table));
}

} // namespace

QuestionEdits::QuestionEdits(TDM1& dm) : m_dm(dm) {}

void QuestionEdits::clearRunAnswers()
{
    // The condition matches the partial index ix_answ_run_answer, so only rows holding an answer are visited.
    sqlGuarded([&] {
        StatementReader clear(m_dm, u"UPDATE tab_answ SET E2_1 = '' WHERE E2_1 <> ''"_s);
        clear->exec();
    });
}

void QuestionEdits::discard(QuestionRecord& row, const QString& table)
{
    update(table, u"F1 = ?, E2 = ?"_s, row.A1, {1, u"zero"_s});
    row.F1 = 1;
    row.E2 = u"zero"_s;
}

void QuestionEdits::undiscard(QuestionRecord& row, const QString& table)
{
    update(table, u"F1 = ?"_s, row.A1, {0});
    row.F1 = 0;
}

void QuestionEdits::undiscardPaperRow(QuestionRecord& row, const QString& paperTable)
{
    update(paperTable, u"F1 = ?, E2 = ?"_s, row.A1, {0, u""_s});
    row.F1 = 0;
    row.E2.clear();
}

void QuestionEdits::markTimedOut(QuestionRecord& row, const QString& table)
{
    update(table, u"csbs = ?"_s, row.A1, {u"Y"_s});
    row.csbs = u"Y"_s;
}

void QuestionEdits::saveNote(QuestionRecord& row, const QString& note, const QString& table)
{
    update(table, u"A14 = ?"_s, row.A1, {note.isNull() ? u""_s : note});
    row.A14 = note;
}

void QuestionEdits::update(const QString& table, const QString& assignments, const QString& key,
                           const QVariantList& values)
{
    checkTable(table);
    sqlGuarded([&] {
        StatementReader statement(m_dm, u"UPDATE "_s + table + u" SET "_s + assignments + u" WHERE A1 = ?"_s);
        int index = 1;
        for (const QVariant& value : values)
            StatementBinding::bind(*statement, index++, value);
        StatementBinding::bindText(*statement, index, key);
        if (statement->exec() != 1)
            throw StoreError(u"题目“%1”已不在题库中。"_s.arg(key));
    });
}
