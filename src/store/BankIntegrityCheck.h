#pragma once

#include "BankBackup.h"

#include <QString>

#include <optional>

class Clock;

namespace SQLite {
class Database;
}

// The start-up check of the bank, and what to tell the user when it fails.
class BankIntegrityCheck
{
public:
    // Unchecked: the file could not be read for a reason other than damage (missing,
    // locked, no access); opening the bank reports it.
    enum class State
    {
        Sound,
        Damaged,
        Unchecked
    };

    struct Verdict
    {
        State state = State::Sound;
        // quick_check's first finding, or why the file could not be read.
        QString problem;
        // The newest backup that passes the check itself; none when no backup is usable.
        std::optional<BackupFile> backup;
        // Where the damaged file goes when the backup is restored.
        QString setAside;
        // What the user is told: a question when there is a backup, else a notice that the program ends.
        QString message;
    };

    BankIntegrityCheck(const QString& bankPath, const Clock& clock);

    // On the open main connection, before any write.
    Verdict check(SQLite::Database& bank) const;
    // Before the bank is opened, on a connection of its own; this also finds damage that
    // would stop the bank from opening at all.
    Verdict checkFile() const;
    // The verdict on a file found damaged (quick_check's finding, or SQLite's reason
    // for refusing a damaged file at opening).
    Verdict judge(const QString& problem) const;
    // Puts the verdict's backup in place and keeps the damaged file beside it. The bank
    // must be closed; the caller opens it again and starts normally.
    BackupResult restore(const Verdict& verdict) const;

private:
    std::optional<BackupFile> newestGoodBackup() const;

    BankBackup m_backups;
};
