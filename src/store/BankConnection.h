#pragma once

#include <QString>

#include <exception>
#include <memory>

namespace SQLite {
class Database;
}

// Every connection to the user's bank is opened here, so that each one gets
// the same safety settings: the user may put any file in the bank's place.
class BankConnection
{
public:
    static constexpr int BusyTimeoutMs = 2000;

    enum class FileState
    {
        Sound,
        Damaged,
        Unreadable
    };
    struct FileCheck
    {
        FileState state = FileState::Sound;
        // quick_check's first finding, or why the file could not be read; empty when sound.
        QString problem;
    };

    // Opens an existing bank for reading and writing; never creates one. Refuses a
    // bank that would open read-only or could not switch to WAL. Throws StoreError
    // carrying failureMessage().
    static std::unique_ptr<SQLite::Database> open(const QString& path);

    // "无法连接数据库！" and, on a second line, the file and why it could not be used.
    static QString failureMessage(const QString& path, const QString& reason);
    // A user-readable reason for an engine failure on the file at path, SQLite's own words included.
    static QString reasonOf(const std::exception& error, const QString& path);

    // Empty when PRAGMA quick_check finds nothing wrong, else its first finding.
    static QString quickCheck(SQLite::Database& db);
    // The same for a file, on a connection of its own that writes nothing. A file that cannot be
    // opened is damaged when SQLite says so, else unreadable (missing, locked, no access).
    static FileCheck checkFile(const QString& path);
};
