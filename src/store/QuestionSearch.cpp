#include "QuestionSearch.h"

#include "StoreConnection.h"

#include "CodeSchemes.h"
#include "PlainText.h"
#include "SqlGuard.h"
#include "StatementBinding.h"
#include "TDM1.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Savepoint.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The index keeps its own row numbers: tab_answ has a text key, and SQLite may
// renumber the rowids of such a table when the file is vacuumed.
const char* const CreateIndex = R"sql(
CREATE TABLE question_search_key (
    id INTEGER PRIMARY KEY,
    A1 TEXT COLLATE NOCASE NOT NULL UNIQUE
);
CREATE VIRTUAL TABLE question_search USING fts5(stem, shared, jx, tokenize = 'trigram');
)sql";

const char* const DropIndex =
    "DROP TABLE IF EXISTS question_search; DROP TABLE IF EXISTS question_search_key;";

const QString SelectContent = u"SELECT e.A15, t.A15, e.jx FROM tab_answ a LEFT JOIN tab_exer e ON e.A1 = a.A1"
                              u" LEFT JOIN tab_title t ON t.A1 = ?2 WHERE a.A1 = ?1"_s;

// What a hit shows, joined on the key: questions that are gone are not found.
const QString HitJoins = u" JOIN question_search_key k ON k.id = m.id JOIN tab_answ a ON a.A1 = k.A1"
                         u" LEFT JOIN tab_kmmc c ON c.C1 = a.A10"_s;

// Phrase hits, best first by bm25 with the stem weighing most. Only the first
// candidates in bank order are ranked: a phrase that nearly every question holds
// would otherwise rank the whole bank.
const QString PhraseHits = u"SELECT k.A1, a.A10, c.C2, m.stem, 1 FROM (SELECT rowid AS id, stem, "
                           u"bm25(question_search, 10.0, 4.0, 1.0)"
                           u" AS score FROM question_search WHERE question_search MATCH ?1 LIMIT ?3) AS m"_s +
                           HitJoins + u" ORDER BY m.score, m.id LIMIT ?2"_s;

// Substring hits in bank order; whether the stem holds the text comes along for the ranking.
const QString SubstringHits =
    u"SELECT k.A1, a.A10, c.C2, m.stem, m.stem LIKE ?1 ESCAPE '\\' FROM (SELECT rowid AS id, stem"
    u" FROM question_search WHERE stem LIKE ?1 ESCAPE '\\' OR shared LIKE ?1 ESCAPE '\\'"
    u" OR jx LIKE ?1 ESCAPE '\\') AS m"_s +
    HitJoins + u" LIMIT ?2"_s;

// A phrase of the FTS5 query language: the text in double quotes, inner quotes doubled.
QString phrase(const QString& text)
{
    QString quoted = text;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

// A LIKE pattern that finds text anywhere, its wildcards taken literally.
QString containsPattern(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', u"\\\\"_s).replace(u'%', u"\\%"_s).replace(u'_', u"\\_"_s);
    return u'%' + escaped + u'%';
}

struct Texts
{
    QString stem;
    QString shared;
    QString jx;
};

// Statements prepared once: a merge indexes thousands of questions in a row.
void writeEntry(TDM1& dm, const QString& key, const Texts& texts)
{
    auto& addKey =
        StoreConnection::prepared(dm, u"INSERT OR IGNORE INTO question_search_key (A1) VALUES (?)"_s);
    StatementBinding::bindText(addKey, 1, key);
    addKey.exec();
    auto& findKey = StoreConnection::prepared(dm, u"SELECT id FROM question_search_key WHERE A1 = ?"_s);
    StatementBinding::bindText(findKey, 1, key);
    findKey.executeStep();
    const int64_t id = findKey.getColumn(0).getInt64();
    findKey.reset();
    auto& drop = StoreConnection::prepared(dm, u"DELETE FROM question_search WHERE rowid = ?"_s);
    drop.bind(1, id);
    drop.exec();
    auto& add = StoreConnection::prepared(
        dm, u"INSERT INTO question_search (rowid, stem, shared, jx) VALUES (?, ?, ?, ?)"_s);
    add.bind(1, id);
    StatementBinding::bindText(add, 2, texts.stem);
    StatementBinding::bindText(add, 3, texts.shared);
    StatementBinding::bindText(add, 4, texts.jx);
    add.exec();
}

void dropEntry(TDM1& dm, const QString& key)
{
    auto& drop = StoreConnection::prepared(dm, u"DELETE FROM question_search WHERE rowid IN"
                                               u" (SELECT id FROM question_search_key WHERE A1 = ?)"_s);
    StatementBinding::bindText(drop, 1, key);
    drop.exec();
    auto& dropKey = StoreConnection::prepared(dm, u"DELETE FROM question_search_key WHERE A1 = ?"_s);
    StatementBinding::bindText(dropKey, 1, key);
    dropKey.exec();
}

bool hasIndex(SQLite::Database& db)
{
    SQLite::Statement find(db, "SELECT count(*) FROM sqlite_master WHERE name IN"
                               " ('question_search', 'question_search_key')");
    find.executeStep();
    return find.getColumn(0).getInt() == 2;
}

} // namespace

QuestionSearch::QuestionSearch(TDM1& dm) : m_dm(dm) {}

void QuestionSearch::buildIndex(SQLite::Database& db)
{
    sqlGuarded([&] {
        SQLite::Savepoint savepoint(db, "question_search_build");
        db.exec(DropIndex);
        db.exec(CreateIndex);
        db.exec("INSERT INTO question_search_key (A1) SELECT A1 FROM tab_answ ORDER BY A1");
        SQLite::Statement read(db, "SELECT k.id, k.A1, e.A15, e.jx FROM question_search_key k"
                                   " LEFT JOIN tab_exer e ON e.A1 = k.A1 ORDER BY k.id");
        SQLite::Statement shared(db, "SELECT A15 FROM tab_title WHERE A1 = ?");
        SQLite::Statement add(db,
                              "INSERT INTO question_search (rowid, stem, shared, jx) VALUES (?, ?, ?, ?)");
        while (read.executeStep()) {
            const QString stemKey = CodeSchemes::stemKeyOf(StatementBinding::text(read, 1));
            QString sharedText;
            if (!stemKey.isEmpty()) {
                StatementBinding::bindText(shared, 1, stemKey);
                if (shared.executeStep())
                    sharedText = PlainText::of(StatementBinding::text(shared, 0));
                shared.reset();
            }
            add.bind(1, read.getColumn(0).getInt64());
            StatementBinding::bindText(add, 2, PlainText::of(StatementBinding::text(read, 2)));
            StatementBinding::bindText(add, 3, sharedText);
            StatementBinding::bindText(add, 4, PlainText::of(StatementBinding::text(read, 3)));
            add.exec();
            add.reset();
        }
        savepoint.release();
    });
}

bool QuestionSearch::ensureIndex(SQLite::Database& db) noexcept
{
    try {
        if (hasIndex(db))
            return true;
        SQLite::Transaction transaction(db);
        buildIndex(db);
        transaction.commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void QuestionSearch::indexQuestion(const QString& key)
{
    sqlGuarded([&] {
        auto& read = StoreConnection::prepared(m_dm, SelectContent);
        StatementBinding::bindText(read, 1, key);
        StatementBinding::bindText(read, 2, CodeSchemes::stemKeyOf(key));
        if (!read.executeStep()) {
            read.reset();
            dropEntry(m_dm, key);
            return;
        }
        const Texts texts{PlainText::of(StatementBinding::text(read, 0)),
                          PlainText::of(StatementBinding::text(read, 1)),
                          PlainText::of(StatementBinding::text(read, 2))};
        read.reset();
        writeEntry(m_dm, key, texts);
    });
}

QVector<QuestionSearch::Hit> QuestionSearch::find(const QString& text, int limit)
{
    const QString wanted = text.simplified();
    if (wanted.isEmpty())
        return {};
    return sqlGuarded([&] {
        if (!hasIndex(StoreConnection::db(m_dm)))
            throw StoreError(u"题库中没有检索索引，无法查找题目。"_s);
        const bool trigrams = wanted.size() >= TrigramLength;
        auto& query = StoreConnection::prepared(m_dm, trigrams ? PhraseHits : SubstringHits);
        StatementBinding::bindText(query, 1, trigrams ? phrase(wanted) : containsPattern(wanted));
        query.bind(2, limit);
        if (trigrams)
            query.bind(3, RankedCandidates);
        QVector<Hit> hits;
        QVector<Hit> otherHits; // of a substring scan: found outside the stem
        while (query.executeStep()) {
            Hit hit{StatementBinding::text(query, 0), StatementBinding::text(query, 1),
                    StatementBinding::text(query, 2), StatementBinding::text(query, 3).left(StemStartLength)};
            (query.getColumn(4).getInt() != 0 ? hits : otherHits).append(hit);
        }
        hits += otherHits;
        query.reset();
        return hits;
    });
}
