#pragma once

#include <QString>

// File steps that survive a power cut: what they report done is on the disk.
// Each returns an empty text on success, else a reason a user can read.
namespace DurableFile {

// Copies from into to (replacing it) and syncs the copy to the disk.
QString copy(const QString& from, const QString& to);
// Renames from to to, replacing to in one step, and syncs the folder.
QString rename(const QString& from, const QString& to);
// Copies from to a temporary file beside to, then moves it to to, which must not
// exist: to is either absent or complete, and an existing file is never replaced.
QString installNew(const QString& from, const QString& to);

// The sidecar files SQLite keeps beside a database in WAL mode.
inline QString walOf(const QString& path)
{
    return path + QStringLiteral("-wal");
}
inline QString shmOf(const QString& path)
{
    return path + QStringLiteral("-shm");
}

} // namespace DurableFile
