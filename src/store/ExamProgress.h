#pragma once

#include <QString>

#include <optional>

class TDM1;

namespace SQLite {
class Statement;
}

// What an unfinished paper needs to survive a crash beyond its answers, which are
// already in the paper table: its subject and the exam clock. Kept in a table of
// its own (tab_kszt), one row per paper being answered, so that the result table
// and the paper list stay as they are.
class ExamProgress
{
public:
    struct Unfinished
    {
        QString A1; // paper table
        QString A3; // paper title
        int A3_1 = 0;
        qint64 elapsedSeconds = 0;
        int answered = 0;
    };

    explicit ExamProgress(TDM1& dm);

    // A new paper of a subject starts with its clock at 0 (a row left by an earlier
    // paper of the same name is replaced).
    void begin(const QString& paperTable, int subject);
    // The exam clock of a paper being answered.
    void saveElapsed(const QString& paperTable, qint64 seconds);
    // The newest paper of the subject that is not marked, whose table is there and
    // holds at least one answer.
    std::optional<Unfinished> unfinished(int subject);
    // The paper is marked or dropped: nothing is left to resume.
    void forget(const QString& paperTable);

private:
    SQLite::Statement& statement(const QString& sql);
    void ensureTable();

    TDM1& m_dm;
    bool m_tableReady = false;
};
