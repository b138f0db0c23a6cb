#include "QuestionEditor.h"

#include "QuestionSearch.h"
#include "StoreConnection.h"

#include "CodeSchemes.h"
#include "QuestionRecord.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "StatementReader.h"
#include "TDM1.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

QuestionEditor::QuestionEditor(TDM1& dm) : m_dm(dm) {}

void QuestionEditor::save(QuestionRecord& question, const Changes& c)
{
    if (c.points.size() > 10)
        throw StoreError(u"试题对应知识点最多为10条！"_s);
    const QStringList earlier = CodeSchemes::citedPoints(question.K);
    sqlGuarded([&] {
        m_dm.inTransaction([&] {
            auto& content =
                StoreConnection::prepared(m_dm, u"UPDATE tab_exer SET A15 = ?, jx = ? WHERE A1 = ?"_s);
            StatementBinding::bindText(content, 1, c.stem.isNull() ? u""_s : c.stem);
            StatementBinding::bindText(content, 2, c.explanation);
            StatementBinding::bindText(content, 3, question.A1);
            content.exec();

            auto& record = StoreConnection::prepared(
                m_dm, u"UPDATE tab_answ SET A2_1 = ?, A2 = ?, A13 = ?, K3 = ?, K4 = ?, K5 = ?,"
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
                auto& shared =
                    StoreConnection::prepared(m_dm, u"UPDATE tab_title SET A15 = ? WHERE A1 = ?"_s);
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
            QuestionSearch search(m_dm);
            if (c.sharedStem && !stemKey.isEmpty())
                for (const QString& sibling : keysSharing(stemKey))
                    search.indexQuestion(sibling);
            else
                search.indexQuestion(question.A1);
        });
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
    auto& update = StoreConnection::prepared(
        m_dm, u"UPDATE tab_rule SET q = (SELECT count(*) FROM tab_answ"
              u" WHERE ?1 COLLATE NOCASE IN (K3, K4, K5, K6, K7, K8, K9, K10, K11, K12)) WHERE ftid = ?1"_s);
    StatementBinding::bindText(update, 1, code);
    update.exec();
}

QStringList QuestionEditor::keysSharing(const QString& stemKey)
{
    StatementReader keys(m_dm, u"SELECT A1 FROM tab_answ WHERE substr(A1, 1, ?2) = ?1"_s);
    StatementBinding::bindText(*keys, 1, stemKey);
    keys->bind(2, int(stemKey.size()));
    QStringList found;
    while (keys->executeStep())
        found.append(StatementBinding::text(*keys, 0));
    return found;
}
