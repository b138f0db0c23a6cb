#include "BankBackup.h"

#include "BackupRotation.h"
#include "BankConnection.h"
#include "DurableFile.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>

#include <sqlite3.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

BackupResult backupFailed(const QString& why)
{
    return {{}, u"备份失败："_s + why + u"\n题库没有受到影响。"_s};
}

BackupResult restoreFailed(const QString& why)
{
    return {{}, u"恢复失败："_s + why + u"\n题库没有改动。"_s};
}

bool existsWithJournal(const QString& path)
{
    return QFileInfo::exists(path) || QFileInfo::exists(DurableFile::walOf(path));
}

// Copies the bank page by page through SQLite, which sees only committed data.
QString copyInto(SQLite::Database& bank, const QString& path)
{
    try {
        QFile::remove(path);
        SQLite::Database copy(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        {
            SQLite::Backup backup(copy, bank);
            if (backup.executeStep(-1) != SQLITE_DONE)
                return u"题库正被另一个程序使用，请稍后再试"_s;
        }
        // A backup is one self-contained file, with no journal beside it.
        copy.exec("PRAGMA journal_mode=DELETE");
    } catch (const SQLite::Exception& e) {
        return BankConnection::reasonOf(e, path);
    }
    return {};
}

QString verify(const QString& path)
{
    const QString problem = BankConnection::checkFile(path).problem;
    return problem.isEmpty() ? QString() : u"备份副本未通过完整性检查（"_s + problem + u"）"_s;
}

} // namespace

BankBackup::BankBackup(const QString& bankPath, const Clock& clock) : m_bankPath(bankPath), m_clock(clock) {}

QString BankBackup::folder() const
{
    return QFileInfo(m_bankPath).absoluteDir().filePath(u"backup"_s);
}

BackupResult BankBackup::make(SQLite::Database& bank) const
{
    // Inside a transaction the copy would hold work that may yet be rolled back.
    if (sqlite3_get_autocommit(bank.getHandle()) == 0)
        return backupFailed(u"题库正在写入"_s);
    if (!QDir().mkpath(folder()))
        return backupFailed(u"无法创建备份文件夹 "_s + folder());
    const QDir dir(folder());
    // Left by a backup that was cut short.
    for (const QString& name : dir.entryList({u"KX50418-*.mdb.tmp*"_s}, QDir::Files))
        QFile::remove(dir.filePath(name));
    const QString target = dir.filePath(BackupRotation::fileNameFor(m_clock.now()));
    const QString temporary = target + u".tmp"_s;
    QString problem = copyInto(bank, temporary);
    if (problem.isEmpty())
        problem = verify(temporary);
    if (problem.isEmpty())
        problem = DurableFile::rename(temporary, target);
    if (!problem.isEmpty()) {
        QFile::remove(temporary);
        return backupFailed(problem);
    }
    rotate();
    return {target, {}};
}

QVector<BackupFile> BankBackup::list() const
{
    const QDir dir(folder());
    QVector<BackupFile> backups;
    for (const QString& name : dir.entryList(QDir::Files)) {
        const QDateTime taken = BackupRotation::takenAt(name);
        if (taken.isValid())
            backups.append({dir.filePath(name), taken});
    }
    std::sort(backups.begin(), backups.end(),
              [](const BackupFile& a, const BackupFile& b) { return a.taken > b.taken; });
    return backups;
}

void BankBackup::rotate() const
{
    const QDir dir(folder());
    // A backup that cannot be deleted now is tried again after the next one.
    for (const QString& name : BackupRotation::expired(dir.entryList(QDir::Files), m_clock.today()))
        QFile::remove(dir.filePath(name));
}

QString BankBackup::setAsidePath(Setting why) const
{
    const QString stem =
        QFileInfo(m_bankPath)
            .absoluteDir()
            .filePath(u"KX50418-"_s + (why == Setting::Damaged ? u"damaged"_s : u"replaced"_s) + u"-"_s +
                      m_clock.now().toString(u"yyyyMMdd-HHmmss"_s));
    QString path = stem + u".mdb"_s;
    for (int n = 2; existsWithJournal(path); ++n)
        path = stem + u"-"_s + QString::number(n) + u".mdb"_s;
    return path;
}

BackupResult BankBackup::restore(const BackupFile& backup, const QString& setAside) const
{
    if (existsWithJournal(setAside))
        return restoreFailed(u"文件已存在 "_s + setAside);
    if (const QString problem = BankConnection::checkFile(backup.path).problem; !problem.isEmpty())
        return restoreFailed(u"备份 "_s + backup.path + u" 无法使用（"_s + problem + u"）"_s);
    // The backup is copied beside the bank first, so that a full disk stops here.
    const QString incoming = m_bankPath + u".restore"_s;
    if (const QString problem = DurableFile::copy(backup.path, incoming); !problem.isEmpty()) {
        QFile::remove(incoming);
        return restoreFailed(problem);
    }
    const QString bankWal = DurableFile::walOf(m_bankPath);
    const QString asideWal = DurableFile::walOf(setAside);
    auto putBack = [&] {
        DurableFile::rename(asideWal, bankWal);
        DurableFile::rename(setAside, m_bankPath);
        QFile::remove(incoming);
    };
    // The journal goes with its file: committed work left in it belongs to the file set aside.
    QString problem;
    if (QFileInfo::exists(m_bankPath))
        problem = DurableFile::rename(m_bankPath, setAside);
    if (problem.isEmpty() && QFileInfo::exists(bankWal))
        problem = DurableFile::rename(bankWal, asideWal);
    if (problem.isEmpty()) {
        // Only an index into the journal; SQLite rebuilds it.
        QFile::remove(DurableFile::shmOf(m_bankPath));
        problem = DurableFile::rename(incoming, m_bankPath);
    }
    if (!problem.isEmpty()) {
        putBack();
        return restoreFailed(problem);
    }
    return {m_bankPath, {}};
}

QString BankBackup::restoreQuestion(const BackupFile& backup, const QString& setAside) const
{
    return u"将用 "_s + backup.takenText() + u" 的备份替换当前题库：\n"_s + m_bankPath +
           u"\n当前题库将另存为：\n"_s + setAside + u"\n确定要恢复吗？"_s;
}
