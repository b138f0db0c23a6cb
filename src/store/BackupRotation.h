#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The names of automatic backups and which of them are kept: the newest
// KeepNewest, and the newest of each of the last KeepDays days (today included).
class BackupRotation
{
public:
    static constexpr int KeepNewest = 10;
    static constexpr int KeepDays = 30;

    // KX50418-YYYYMMDD-HHMMSS.mdb
    static QString fileNameFor(const QDateTime& taken);
    // When a backup was taken, read from its name; invalid for any other file.
    static QDateTime takenAt(const QString& fileName);
    // The backups among fileNames to delete; files that are not backups are never among them.
    static QStringList expired(const QStringList& fileNames, const QDate& today);
};
