#pragma once

#include <QString>
#include <QVector>

class TDM1;

namespace SQLite {
class Database;
}

// The search over the whole bank: a full-text index (SQLite FTS5, trigram
// tokens, so Chinese needs no word segmenter) over the plain text of every
// question's stem with its options, its shared stem and its explanation.
class QuestionSearch
{
public:
    struct Hit
    {
        QString A1;          // question key
        QString chapterCode; // A10
        QString chapterName; // the chapter's C2
        QString stemStart;   // the first characters of the plain stem
    };

    static constexpr int StemStartLength = 40;
    static constexpr int DefaultLimit = 500;
    // A phrase's first hits in bank order that are ranked; the best of them are listed.
    static constexpr int RankedCandidates = 5000;
    // Shorter texts have no trigram; they are found by a plain substring scan.
    static constexpr int TrigramLength = 3;

    explicit QuestionSearch(TDM1& dm);

    // Creates and fills the index of every question in tab_answ, replacing one that is there.
    // Joins the caller's transaction. Thrown as StoreError.
    static void buildIndex(SQLite::Database& db);
    // Builds the index when the bank has none. False when it could not be built;
    // a search then reports why.
    static bool ensureIndex(SQLite::Database& db) noexcept;

    // The one call for every path that adds, changes or removes a question
    // (entry, editing, the upgrade merge): the question's entry is written again
    // from tab_answ, tab_exer and tab_title, or dropped when the question is gone.
    // A changed shared stem: call it for each question of the stem.
    // Joins the caller's transaction. Thrown as StoreError.
    void indexQuestion(const QString& key);

    // The questions whose texts contain text (blanks at both ends ignored), best
    // first, at most limit of them: a phrase's hits ranked by bm25, a shorter
    // text's hits in the stem before the others. Empty for a blank text. Thrown as StoreError.
    QVector<Hit> find(const QString& text, int limit = DefaultLimit);

private:
    TDM1& m_dm;
};
