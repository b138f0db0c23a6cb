#include "BankFile.h"
#include "FakeClock.h"

#include "store/BackupRotation.h"
#include "store/BankBackup.h"
#include "store/BankConnection.h"
#include "store/DurableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/Database.h>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class Backups : public ::testing::Test
{
protected:
    QDir backupFolder() const { return QDir(backup.folder()); }
    QStringList backupFolderFiles() const { return backupFolder().entryList(QDir::Files); }
    void placeBackupNamed(const QString& name) const
    {
        QDir().mkpath(backup.folder());
        QFile::copy(bank.path(), backupFolder().filePath(name));
    }
    void closeBank() { db.reset(); }

    BankFile bank;
    FakeClock clock{QDateTime(QDate(2026, 12, 10), QTime(9, 30, 5))};
    BankBackup backup{bank.path(), clock};
    std::unique_ptr<SQLite::Database> db = BankConnection::open(bank.path());
};

// Writes beyond a few kilobytes fail for as long as it lives, as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

} // namespace

TEST_F(Backups, aBackupIsAVerifiedSelfContainedCopyNamedByTheClock)
{
    const BackupResult made = backup.make(*db);
    ASSERT_TRUE(made.ok()) << made.error.toStdString();
    EXPECT_EQ(made.path, backupFolder().filePath(u"KX50418-20261210-093005.mdb"_s));
    EXPECT_EQ(backupFolderFiles(), QStringList{u"KX50418-20261210-093005.mdb"_s});
    EXPECT_EQ(BankConnection::checkFile(made.path).state, BankConnection::FileState::Sound);
    EXPECT_EQ(BankFile::integer(made.path, "SELECT count(*) FROM tab_exer"), BankFile::ContentRows);
    // A rollback-journal file: opening it later leaves no -wal or -shm beside it.
    EXPECT_EQ(BankFile::bytes(made.path).at(18), 1);
}

TEST_F(Backups, aBackupHoldsOnlyCommittedWorkAndIsRefusedInsideATransaction)
{
    db->exec("BEGIN IMMEDIATE");
    db->exec("INSERT INTO tab_exer (A1) VALUES ('uncommitted')");
    const BackupResult refused = backup.make(*db);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.error.startsWith(u"备份失败："_s));
    EXPECT_TRUE(backupFolderFiles().isEmpty());
    db->exec("ROLLBACK");

    BankFile::writeIntoJournal(bank.path(), "INSERT INTO tab_exer (A1) VALUES ('committed, in the journal')");
    const BackupResult made = backup.make(*db);
    ASSERT_TRUE(made.ok());
    EXPECT_EQ(BankFile::integer(made.path, "SELECT count(*) FROM tab_exer"), BankFile::ContentRows + 1);
}

TEST_F(Backups, eachBackupRotatesTheFolderAndLeavesOtherFilesAlone)
{
    for (int minute = 0; minute < 12; ++minute)
        placeBackupNamed(BackupRotation::fileNameFor(QDateTime(clock.today(), QTime(9, minute))));
    placeBackupNamed(u"my-own-copy.mdb"_s);
    ASSERT_TRUE(backup.make(*db).ok());
    const QVector<BackupFile> kept = backup.list();
    ASSERT_EQ(kept.size(), 10);
    EXPECT_EQ(kept.front().takenText(), u"2026-12-10 09:30:05"_s);
    EXPECT_EQ(kept.back().takenText(), u"2026-12-10 09:03:00"_s);
    EXPECT_TRUE(backupFolder().exists(u"my-own-copy.mdb"_s));
}

TEST_F(Backups, theListIsNewestFirstAndSkipsOtherFiles)
{
    for (const QString& name :
         {u"KX50418-20261209-235959.mdb"_s, u"KX50418-20261210-000001.mdb"_s,
          u"KX50418-20251210-120000.mdb"_s, u"KX50418-20261210-000001.mdb.tmp"_s, u"readme.txt"_s})
        placeBackupNamed(name);
    QStringList shown;
    for (const BackupFile& file : backup.list())
        shown.append(file.takenText());
    EXPECT_EQ(shown,
              (QStringList{u"2026-12-10 00:00:01"_s, u"2026-12-09 23:59:59"_s, u"2025-12-10 12:00:00"_s}));
}

TEST_F(Backups, aFailedBackupLeavesTheBankAsItWasAndSaysWhy)
{
    struct Case
    {
        const char* name;
        QString reason;
        std::function<void()> arrange;
        std::function<void()> undo;
    };
    std::unique_ptr<FileSizeLimit> limit;
    const Case cases[] = {
        {"the backup folder cannot be made", u"无法创建备份文件夹"_s,
         [&] {
             QFile blocker(backup.folder());
             ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
         },
         [&] {
             QFile::remove(backup.folder());
         }},
        {"the disk fills up during the copy", u"读写文件时出错"_s,
         [&] { limit = std::make_unique<FileSizeLimit>(16 * 1024); },
         [&] {
             limit.reset();
         }},
    };
    const QByteArray before = BankFile::bytes(bank.path());
    for (const Case& c : cases) {
        c.arrange();
        const BackupResult failed = backup.make(*db);
        c.undo();
        EXPECT_FALSE(failed.ok()) << c.name;
        EXPECT_TRUE(failed.error.startsWith(u"备份失败："_s + c.reason)) << failed.error.toStdString();
        EXPECT_TRUE(backup.list().isEmpty()) << c.name;
        EXPECT_TRUE(backupFolder().entryList({u"*.tmp*"_s}, QDir::Files).isEmpty()) << c.name;
        EXPECT_EQ(BankFile::bytes(bank.path()), before) << c.name;
        EXPECT_EQ(BankConnection::quickCheck(*db), QString()) << c.name;
    }
    EXPECT_TRUE(backup.make(*db).ok());
}

TEST_F(Backups, aCopyOfADamagedBankDoesNotCountAsABackup)
{
    const BackupResult good = backup.make(*db);
    ASSERT_TRUE(good.ok());
    closeBank();
    BankFile::damageTable(bank.path(), "tab_exer");
    db = BankConnection::open(bank.path());
    clock.advanceSeconds(60);
    const BackupResult failed = backup.make(*db);
    EXPECT_FALSE(failed.ok());
    EXPECT_TRUE(failed.error.contains(u"完整性检查"_s)) << failed.error.toStdString();
    EXPECT_EQ(backupFolderFiles(), QStringList{QFileInfo(good.path).fileName()});
}

TEST_F(Backups, restoreKeepsTheCurrentBankWithItsJournalAndPutsTheBackupInPlace)
{
    const BackupResult made = backup.make(*db);
    ASSERT_TRUE(made.ok());
    closeBank();
    // Work after the backup, part of it still in the journal: it belongs to the file set aside.
    BankFile::writeIntoJournal(bank.path(), "INSERT INTO tab_exer (A1) VALUES ('after the backup')");
    ASSERT_TRUE(QFileInfo::exists(DurableFile::walOf(bank.path())));

    clock.advanceSeconds(60);
    const QString aside = backup.setAsidePath(BankBackup::Setting::Replaced);
    EXPECT_EQ(QFileInfo(aside).fileName(), u"KX50418-replaced-20261210-093105.mdb"_s);
    EXPECT_TRUE(backup.restoreQuestion(backup.list().front(), aside).contains(u"2026-12-10 09:30:05"_s));
    const BackupResult restored = backup.restore(backup.list().front(), aside);
    ASSERT_TRUE(restored.ok()) << restored.error.toStdString();

    EXPECT_EQ(BankFile::integer(aside, "SELECT count(*) FROM tab_exer"), BankFile::ContentRows + 1);
    db = BankConnection::open(bank.path());
    EXPECT_EQ(BankConnection::quickCheck(*db), QString());
    EXPECT_EQ(db->execAndGet("SELECT count(*) FROM tab_exer").getInt64(), BankFile::ContentRows);
    EXPECT_TRUE(QFileInfo::exists(made.path)) << "the backup stays in the folder";
}

TEST_F(Backups, aDamagedBackupIsNotRestored)
{
    const BackupResult made = backup.make(*db);
    ASSERT_TRUE(made.ok());
    closeBank();
    BankFile::damageTable(made.path, "tab_exer");
    const QByteArray before = BankFile::bytes(bank.path());
    const QString aside = backup.setAsidePath(BankBackup::Setting::Replaced);
    const BackupResult refused = backup.restore(backup.list().front(), aside);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.error.contains(u"题库没有改动"_s));
    EXPECT_EQ(BankFile::bytes(bank.path()), before);
    EXPECT_FALSE(QFileInfo::exists(aside));
}
