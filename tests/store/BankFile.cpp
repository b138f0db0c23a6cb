#include "BankFile.h"

#include "store/BankSchema.h"

#include <QDir>
#include <QFile>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <sqlite3.h>

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

BankFile::BankFile()
{
    QDir(m_dir.path()).mkpath(u"data"_s);
    SQLite::Database db(path().toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("PRAGMA journal_mode=WAL");
    BankSchema::create(db);
    db.exec("INSERT INTO tab_kmmc (C1, C2) VALUES ('1', '第一章')");
    SQLite::Statement content(db, "INSERT INTO tab_exer (A1, A15) VALUES (?, ?)");
    db.exec("BEGIN");
    for (int i = 0; i < ContentRows; ++i) {
        content.bind(1, "Q" + std::to_string(i));
        content.bind(2, std::string(200, char('a' + i % 26)));
        content.exec();
        content.reset();
    }
    db.exec("COMMIT");
}

QString BankFile::programFolder() const
{
    return m_dir.path() + u'/';
}

QString BankFile::path() const
{
    return m_dir.filePath(u"data/KX50418.mdb"_s);
}

qint64 BankFile::integer(const QString& bank, const char* sql)
{
    SQLite::Database db(bank.toStdString(), SQLite::OPEN_READONLY);
    return db.execAndGet(sql).getInt64();
}

void BankFile::writeIntoJournal(const QString& bank, const char* sql)
{
    SQLite::Database db(bank.toStdString(), SQLite::OPEN_READWRITE);
    sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    db.exec("PRAGMA wal_autocheckpoint=0");
    db.exec(sql);
}

void BankFile::damageTable(const QString& bank, const char* table)
{
    qint64 pageSize = 0;
    qint64 root = 0;
    {
        SQLite::Database db(bank.toStdString(), SQLite::OPEN_READWRITE);
        db.exec("PRAGMA wal_checkpoint(TRUNCATE)");
        pageSize = db.execAndGet("PRAGMA page_size").getInt64();
        SQLite::Statement find(db, "SELECT rootpage FROM sqlite_master WHERE type = 'table' AND name = ?");
        find.bind(1, table);
        if (!find.executeStep())
            throw std::runtime_error("no such table");
        root = find.getColumn(0).getInt64();
    }
    QFile file(bank);
    if (!file.open(QIODevice::ReadWrite) || !file.seek((root - 1) * pageSize) ||
        file.write(QByteArray(int(pageSize), '\xAB')) != pageSize)
        throw std::runtime_error("cannot damage the bank");
}

void BankFile::damageHeader(const QString& bank)
{
    QFile file(bank);
    if (!file.open(QIODevice::ReadWrite) || file.write(QByteArray(16, '\0')) != 16)
        throw std::runtime_error("cannot damage the bank");
}

QByteArray BankFile::bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
