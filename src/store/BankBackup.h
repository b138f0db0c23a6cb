#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

class Clock;

namespace SQLite {
class Database;
}

// One automatic backup in the backup folder.
struct BackupFile
{
    QString path;
    QDateTime taken;
    // The date and time shown to the user, e.g. 2026-12-10 09:00:00.
    QString takenText() const { return taken.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }
};

// What a backup or a restore did: the file written, or why nothing was.
struct BackupResult
{
    QString path;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Verified copies of the bank in backup/ beside it, and putting one back.
class BankBackup
{
public:
    // Why the current bank is kept aside when a backup takes its place.
    enum class Setting
    {
        Damaged,
        Replaced
    };

    BankBackup(const QString& bankPath, const Clock& clock);

    const QString& bankPath() const { return m_bankPath; }
    QString folder() const;

    // Copies the open bank, between transactions, into a new backup that has passed
    // quick_check, then deletes the backups the rotation no longer keeps. Reads the
    // bank only: a failure leaves it as it was and says why.
    BackupResult make(SQLite::Database& bank) const;
    // Every backup, newest first.
    QVector<BackupFile> list() const;

    // A new name beside the bank for the file a restore sets aside.
    QString setAsidePath(Setting why) const;
    // Puts backup in the bank's place. The bank must be closed (the caller reopens it
    // afterwards). The current file, with its journal, moves to setAside and is never
    // deleted. A backup that fails quick_check is refused and nothing changes.
    BackupResult restore(const BackupFile& backup, const QString& setAside) const;
    // The confirmation for a deliberate restore, naming what will be replaced.
    QString restoreQuestion(const BackupFile& backup, const QString& setAside) const;

private:
    void rotate() const;

    QString m_bankPath;
    const Clock& m_clock;
};
