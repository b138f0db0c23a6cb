#include "BankConnection.h"

#include "StoreError.h"

#include <QFileInfo>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>

#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString plainReason(int code, const QString& path)
{
    switch (code & 0xff) { // the primary code of an extended one
    case SQLITE_CANTOPEN:
        return QFileInfo::exists(path) ? u"无法打开文件，或文件所在的文件夹不可写"_s : u"文件不存在"_s;
    case SQLITE_READONLY:
        return u"文件或其所在的文件夹只读"_s;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return u"没有访问权限"_s;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return u"文件正被另一个程序使用"_s;
    case SQLITE_FULL:
        return u"磁盘空间已满"_s;
    case SQLITE_IOERR:
        return u"读写文件时出错"_s;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return u"文件不是有效的题库，或已损坏"_s;
    default:
        return {};
    }
}

// Why a file cannot be used; turned into the user's message at the public edge.
struct Refusal
{
    QString reason;
    bool damage = false;
};

bool isDamage(const SQLite::Exception& e)
{
    const int code = e.getErrorCode() & 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

Refusal refusalOf(const SQLite::Exception& e, const QString& path)
{
    return {BankConnection::reasonOf(e, path), isDamage(e)};
}

// Settings that keep a hostile file from running code or corrupting memory.
void harden(SQLite::Database& db)
{
    sqlite3* handle = db.getHandle();
    int defensive = 0;
    if (sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, &defensive) != SQLITE_OK || defensive != 1)
        throw Refusal{u"无法启用数据库的防护设置"_s};
    db.exec("PRAGMA trusted_schema=OFF");
    db.exec("PRAGMA cell_size_check=ON");
}

std::unique_ptr<SQLite::Database> connectTo(const QString& path, int flags)
{
    try {
        auto db = std::make_unique<SQLite::Database>(path.toStdString(), flags | SQLite::OPEN_NOMUTEX);
        // Before anything else touches the file, so that no statement fails at once on a lock.
        db->setBusyTimeout(BankConnection::BusyTimeoutMs);
        harden(*db);
        return db;
    } catch (const SQLite::Exception& e) {
        throw refusalOf(e, path);
    }
}

std::unique_ptr<SQLite::Database> connectForWriting(const QString& path)
{
    // The connection is used by one thread only, so SQLite need not lock it on every call.
    auto db = connectTo(path, SQLite::OPEN_READWRITE);
    try {
        // SQLite quietly falls back to reading when the file is write-protected; then every answer would
        // fail.
        if (sqlite3_db_readonly(db->getHandle(), "main") == 1)
            throw Refusal{u"文件只读，答题记录无法保存"_s};
        SQLite::Statement mode(*db, "PRAGMA journal_mode=WAL");
        const QString journal =
            mode.executeStep() ? QString::fromStdString(mode.getColumn(0).getString()) : QString();
        mode.reset();
        if (journal.compare(u"wal"_s, Qt::CaseInsensitive) != 0)
            throw Refusal{u"无法启用预写日志（WAL），当前日志模式为 "_s + journal};
        db->exec("PRAGMA synchronous=FULL");
        db->exec("PRAGMA foreign_keys=ON");
    } catch (const SQLite::Exception& e) {
        throw refusalOf(e, path);
    }
    return db;
}

// One finding is enough to call the file damaged; looking for more only costs time.
QString quickCheckFinding(SQLite::Database& db)
{
    SQLite::Statement check(db, "PRAGMA quick_check(1)");
    if (!check.executeStep())
        return u"完整性检查没有结果"_s;
    const QString finding = QString::fromStdString(check.getColumn(0).getString());
    return finding == u"ok"_s ? QString() : finding;
}

} // namespace

std::unique_ptr<SQLite::Database> BankConnection::open(const QString& path)
{
    try {
        return connectForWriting(path);
    } catch (const Refusal& refusal) {
        throw StoreError(failureMessage(path, refusal.reason));
    }
}

QString BankConnection::failureMessage(const QString& path, const QString& reason)
{
    return u"无法连接数据库！\n"_s + path + u"："_s + reason;
}

QString BankConnection::reasonOf(const std::exception& error, const QString& path)
{
    if (const auto* store = dynamic_cast<const StoreError*>(&error))
        return store->message();
    const QString sqlite = QString::fromUtf8(error.what());
    const auto* engine = dynamic_cast<const SQLite::Exception*>(&error);
    const QString plain = engine ? plainReason(engine->getErrorCode(), path) : QString();
    return plain.isEmpty() ? sqlite : plain + u"（"_s + sqlite + u"）"_s;
}

QString BankConnection::quickCheck(SQLite::Database& db)
{
    try {
        return quickCheckFinding(db);
    } catch (const SQLite::Exception& e) {
        return reasonOf(e, QString::fromStdString(db.getFilename()));
    }
}

BankConnection::FileCheck BankConnection::checkFile(const QString& path)
{
    try {
        // Read-write (never create) only so that closing removes the -wal and -shm a WAL file needs
        // while open; the check itself writes nothing.
        const QString finding = quickCheckFinding(*connectTo(path, SQLite::OPEN_READWRITE));
        return {finding.isEmpty() ? FileState::Sound : FileState::Damaged, finding};
    } catch (const SQLite::Exception& e) {
        const Refusal refusal = refusalOf(e, path);
        return {refusal.damage ? FileState::Damaged : FileState::Unreadable, refusal.reason};
    } catch (const Refusal& refusal) {
        return {refusal.damage ? FileState::Damaged : FileState::Unreadable, refusal.reason};
    }
}
