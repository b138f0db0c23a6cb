#include "QuestionEditor.h"

#include "CodeSchemes.h"
#include "QuestionRecord.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

using namespace Qt::Literals::StringLiterals;

QuestionEditor::QuestionEditor(TDM1& dm) : m_dm(dm) {}

SQLite::Database& QuestionEditor::connection()
{
    return m_dm.db();
}

void QuestionEditor::save(QuestionRecord& question, const Changes& c)
{
    if (c.points.size() > 10)
        throw StoreError(u"试题对应知识点最多为10条！"_s);
    const QStringList earlier = CodeSchemes::citedPoints(question.K);
    sqlGuarded([&] {
        SQLite::Transaction transaction(connection(), SQLite::TransactionBehavior::IMMEDIATE);
        auto& content = m_dm.prepared(u"UPDATE tab_exer SET A15 = ?, jx = ? WHERE A1 = ?"_s);
        StatementBinding::bindText(content, 1, c.stem.isNull() ? u""_s : c.stem);
        StatementBinding::bindText(content, 2, c.explanation);
        StatementBinding::bindText(content, 3, question.A1);
        content.exec();

        auto& record = m_dm.prepared(u"UPDATE tab_answ SET A2_1 = ?, A2 = ?, A13 = ?, K3 = ?, K4 = ?, K5 = ?,"
                                     u" K6 = ?, K7 = ?, K8 = ?, K9 = ?, K10 = ?, K11 = ?, K12 = ?,"
                                     u" ecount = coalesce(ecount, 0) + 1 WHERE A1 = ?"_s);
        record.bind(1, c.options);
        StatementBinding::bindText(record, 2, c.answer);
        record.bind(3, c.type);
        for (int i = 0; i < 10; ++i)
            StatementBinding::bindText(record, 4 + i, c.points.value(i));
        StatementBinding::bindText(record, 14, question.A1);
        if (record.exec() != 1)
            throw StoreError(u"题目“%1”已不在题库中。"_s.arg(question.A1));

        const QString stemKey = CodeSchemes::stemKeyOf(question.A1);
        if (c.sharedStem && !stemKey.isEmpty()) {
            auto& shared = m_dm.prepared(u"UPDATE tab_title SET A15 = ? WHERE A1 = ?"_s);
            StatementBinding::bindText(shared, 1, *c.sharedStem);
            StatementBinding::bindText(shared, 2, stemKey);
            shared.exec();
        }
        // A point taken off the question is recounted too, so its count does not stay too high.
        QStringList recount = c.points;
        for (const QString& code : earlier) {
            if (!recount.contains(code, Qt::CaseInsensitive))
                recount.append(code);
        }
        for (const QString& code : std::as_const(recount))
            recountPoint(code);
        refreshSearchIndex(question.A1);
        transaction.commit();
    });
    question.A2_1 = c.options;
    question.A2 = c.answer;
    question.A13 = c.type;
    for (int i = 0; i < 10; ++i)
        question.K[i] = c.points.value(i);
    ++question.ecount;
}

void QuestionEditor::recountPoint(const QString& code)
{
    auto& update = m_dm.prepared(
        u"UPDATE tab_rule SET q = (SELECT count(*) FROM tab_answ"
        u" WHERE ?1 COLLATE NOCASE IN (K3, K4, K5, K6, K7, K8, K9, K10, K11, K12)) WHERE ftid = ?1"_s);
    StatementBinding::bindText(update, 1, code);
    update.exec();
}

void QuestionEditor::refreshSearchIndex(const QString&)
{
    // The bank search's index update for the key goes here once the search store exists.
}
