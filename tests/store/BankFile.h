#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A bank on disk with no connection left open, for tests that copy, damage or
// replace the file itself: a program folder with data/KX50418.mdb in WAL mode,
// holding the fixed tables and some content rows.
class BankFile
{
public:
    static constexpr int ContentRows = 300;

    BankFile();

    QString programFolder() const;
    QString path() const;

    // The first column of the first row, read through a connection of its own.
    static qint64 integer(const QString& bank, const char* sql);
    // Runs a statement and leaves its work in the -wal file, as a cut-off program would.
    static void writeIntoJournal(const QString& bank, const char* sql);
    // Overwrites the root page of table's b-tree with garbage.
    static void damageTable(const QString& bank, const char* table);
    // Overwrites the file header, so that SQLite no longer takes the file for a database.
    static void damageHeader(const QString& bank);
    static QByteArray bytes(const QString& path);

private:
    QTemporaryDir m_dir;
};
