#include "QuestionEntry.h"

#include "QuestionSearch.h"
#include "StoreConnection.h"

#include "CodeSchemes.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString placeholders(qsizetype count)
{
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks.append(u"?"_s);
    return u"("_s + marks.join(u',') + u")"_s;
}

void bindList(SQLite::Statement& statement, int first, const QStringList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        StatementBinding::bindText(statement, first + int(i), values[i]);
}

} // namespace

QuestionEntry::QuestionEntry(TDM1& dm) : m_dm(dm) {}

QVector<QuestionEntry::Type> QuestionEntry::types()
{
    return sqlGuarded([&] {
        auto& query =
            StoreConnection::prepared(m_dm, u"SELECT A1, B1 FROM "_s + m_dm.typeTable() + u" ORDER BY A1"_s);
        QVector<Type> types;
        while (query.executeStep())
            types.append({query.getColumn(0).getInt(), StatementBinding::text(query, 1)});
        query.reset();
        return types;
    });
}

int QuestionEntry::nextRunningNumber()
{
    return sqlGuarded([&] {
        // A1 compares without regard to case, as the key's "U" always has.
        auto& query = StoreConnection::prepared(
            m_dm,
            u"SELECT coalesce(max(CAST(substr(A1, -4) AS INTEGER)), 0) FROM tab_answ WHERE substr(A1, 1, 1) = ?"_s);
        StatementBinding::bindText(query, 1, u"U"_s);
        const int largest = query.executeStep() ? query.getColumn(0).getInt() : 0;
        query.reset();
        return largest + 1;
    });
}

QString QuestionEntry::save(const Question& q)
{
    if (q.points.size() > 10)
        throw StoreError(u"试题对应考点最多为10条！"_s);
    return sqlGuarded([&] {
        QString key;
        m_dm.inTransaction([&] {
            const int number = nextRunningNumber();
            if (number > CodeSchemes::MaxUserRunningNumber)
                throw StoreError(u"最多只能录入9999道题！"_s);
            key = CodeSchemes::userQuestionKey(q.chapter, q.type, q.optionText.toInt(), number);
            QString columns = u"A1, A2, A2_1, A10, A13"_s;
            for (qsizetype i = 0; i < q.points.size(); ++i)
                columns += u", K"_s + QString::number(i + 3);
            auto& record =
                StoreConnection::prepared(m_dm, u"INSERT INTO tab_answ ("_s + columns + u", F1) VALUES "_s +
                                                    placeholders(5 + q.points.size() + 1));
            StatementBinding::bindText(record, 1, key);
            StatementBinding::bindText(record, 2, q.answer);
            StatementBinding::bindText(record, 3, q.optionText);
            StatementBinding::bindText(record, 4, q.chapter);
            record.bind(5, q.type);
            bindList(record, 6, q.points);
            record.bind(6 + int(q.points.size()), 2); // F1 = 2: entered by the user
            record.exec();

            auto& content =
                StoreConnection::prepared(m_dm, u"INSERT INTO tab_exer (A1, A15, jx) VALUES (?, ?, ?)"_s);
            StatementBinding::bindText(content, 1, key);
            StatementBinding::bindText(content, 2, q.stem.isNull() ? u""_s : q.stem);
            StatementBinding::bindText(content, 3, q.explanation);
            content.exec();

            raiseChapterCounts(q.chapter);
            raisePointCounts(q.points);
            QuestionSearch(m_dm).indexQuestion(key);
        });
        return key;
    });
}

// The chapter and its rows of 4, 2 and 1 characters; an IN list raises each row once.
void QuestionEntry::raiseChapterCounts(const QString& chapter)
{
    const QStringList codes{chapter, chapter.left(4), chapter.left(2), chapter.left(1)};
    auto& update = StoreConnection::prepared(
        m_dm, u"UPDATE tab_kmmc SET C3 = coalesce(C3, 0) + 1 WHERE C1 IN "_s + placeholders(codes.size()));
    bindList(update, 1, codes);
    update.exec();
}

// Each point, and each catalogue node above them once, however many points share it.
void QuestionEntry::raisePointCounts(const QStringList& points)
{
    if (points.isEmpty())
        return;
    auto& rule = StoreConnection::prepared(
        m_dm, u"UPDATE tab_rule SET q = coalesce(q, 0) + 1 WHERE ftid IN "_s + placeholders(points.size()));
    bindList(rule, 1, points);
    rule.exec();
    QStringList nodes;
    for (const QString& code : points) {
        for (const QString& node : {CodeSchemes::pointNode6(code), CodeSchemes::pointNode2(code)}) {
            if (!nodes.contains(node))
                nodes.append(node);
        }
    }
    auto& node = StoreConnection::prepared(
        m_dm, u"UPDATE tab_fgmc SET q = coalesce(q, 0) + 1 WHERE id IN "_s + placeholders(nodes.size()));
    bindList(node, 1, nodes);
    node.exec();
}
