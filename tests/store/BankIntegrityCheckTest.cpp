#include "BankFile.h"
#include "FakeClock.h"

#include "store/BankBackup.h"
#include "store/BankConnection.h"
#include "store/BankIntegrityCheck.h"
#include "store/StoreError.h"
#include "store/TDM1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/Database.h>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class StartUpCheck : public ::testing::Test
{
protected:
    // A backup taken at the given time of the test day, from the bank as it is now.
    BackupFile backupAt(int hour)
    {
        clock.set(QDateTime(clock.today(), QTime(hour, 0)));
        auto db = BankConnection::open(bank.path());
        const BackupResult made = BankBackup(bank.path(), clock).make(*db);
        EXPECT_TRUE(made.ok()) << made.error.toStdString();
        return {made.path, clock.now()};
    }
    BankIntegrityCheck::Verdict checkOnOpenBank()
    {
        auto db = BankConnection::open(bank.path());
        return check.check(*db);
    }
    QStringList dataFolderFiles() const
    {
        return QFileInfo(bank.path()).dir().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    BankFile bank;
    FakeClock clock;
    BankIntegrityCheck check{bank.path(), clock};
};

} // namespace

TEST_F(StartUpCheck, aSoundBankHasNothingToSay)
{
    const BankIntegrityCheck::Verdict verdict = checkOnOpenBank();
    EXPECT_EQ(verdict.state, BankIntegrityCheck::State::Sound);
    EXPECT_TRUE(verdict.message.isEmpty());
}

TEST_F(StartUpCheck, aDamagedBankIsNoticedAndRestoredFromTheNewestGoodBackup)
{
    backupAt(8);
    const BackupFile newest = backupAt(9);
    BankFile::damageTable(bank.path(), "tab_exer");
    const QByteArray damaged = BankFile::bytes(bank.path());
    clock.set(QDateTime(clock.today(), QTime(10, 15)));

    const BankIntegrityCheck::Verdict verdict = checkOnOpenBank();
    ASSERT_EQ(verdict.state, BankIntegrityCheck::State::Damaged);
    ASSERT_TRUE(verdict.backup.has_value());
    EXPECT_EQ(verdict.backup->path, newest.path);
    EXPECT_TRUE(verdict.message.contains(u"2026-12-10 09:00:00"_s)) << verdict.message.toStdString();
    EXPECT_TRUE(verdict.message.contains(QFileInfo(verdict.setAside).fileName()));

    const BackupResult restored = check.restore(verdict);
    ASSERT_TRUE(restored.ok()) << restored.error.toStdString();
    EXPECT_EQ(BankFile::bytes(verdict.setAside), damaged) << "the damaged file is kept as it was";
    EXPECT_EQ(checkOnOpenBank().state, BankIntegrityCheck::State::Sound);
    TDM1 dm(bank.programFolder(), clock);
    EXPECT_EQ(dm.successFlag(), 1) << dm.openError().toStdString();
}

TEST_F(StartUpCheck, damageThatStopsTheBankFromOpeningIsFoundBeforeOpening)
{
    const BackupFile taken = backupAt(8);
    BankFile::damageHeader(bank.path());
    EXPECT_THROW(BankConnection::open(bank.path()), StoreError);
    const BankIntegrityCheck::Verdict verdict = check.checkFile();
    ASSERT_EQ(verdict.state, BankIntegrityCheck::State::Damaged);
    ASSERT_TRUE(verdict.backup.has_value());
    EXPECT_EQ(verdict.backup->path, taken.path);
    ASSERT_TRUE(check.restore(verdict).ok());
    EXPECT_EQ(check.checkFile().state, BankIntegrityCheck::State::Sound);
}

TEST_F(StartUpCheck, aBankThatCannotBeReadForAnotherReasonIsLeftToTheOpening)
{
    QFile::remove(bank.path());
    const BankIntegrityCheck::Verdict verdict = check.checkFile();
    EXPECT_EQ(verdict.state, BankIntegrityCheck::State::Unchecked);
    EXPECT_TRUE(verdict.problem.contains(u"文件不存在"_s)) << verdict.problem.toStdString();
    EXPECT_TRUE(dataFolderFiles().isEmpty());
}

TEST_F(StartUpCheck, aDamagedBackupIsPassedOverForAnOlderGoodOne)
{
    const BackupFile older = backupAt(8);
    const BackupFile newest = backupAt(9);
    BankFile::damageTable(newest.path, "tab_exer");
    BankFile::damageTable(bank.path(), "tab_exer");
    const BankIntegrityCheck::Verdict verdict = checkOnOpenBank();
    ASSERT_TRUE(verdict.backup.has_value());
    EXPECT_EQ(verdict.backup->path, older.path);
}

TEST_F(StartUpCheck, withoutABackupItSaysSoAndTouchesNothing)
{
    BankFile::damageTable(bank.path(), "tab_exer");
    const QByteArray damaged = BankFile::bytes(bank.path());
    const BankIntegrityCheck::Verdict verdict = checkOnOpenBank();
    EXPECT_EQ(verdict.state, BankIntegrityCheck::State::Damaged);
    EXPECT_FALSE(verdict.backup.has_value());
    EXPECT_TRUE(verdict.message.contains(u"没有可用的备份"_s));
    EXPECT_FALSE(check.restore(verdict).ok());
    EXPECT_EQ(BankFile::bytes(bank.path()), damaged);
    EXPECT_EQ(dataFolderFiles(), QStringList{u"KX50418.mdb"_s});
}
