#include "FilePermissionsEnforced.h"

#include "store/BankLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Location : public ::testing::Test
{
protected:
    void SetUp() override { writeFile(location.shippedBank(), "the shipped bank"); }
    void TearDown() override
    {
        QFile::setPermissions(dataFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString dataFolder() const { return program.filePath(u"data"_s); }
    // The program tree as a system-wide install leaves it: data/ cannot be written.
    bool makeDataFolderReadOnly()
    {
        QFile::setPermissions(dataFolder(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        return !BankLocation::isWritableFolder(dataFolder());
    }

    QTemporaryDir program;
    QTemporaryDir home;
    BankLocation location{program.path(), home.path()};
    FilePermissionsEnforced enforced;
};

} // namespace

TEST_F(Location, aWritableProgramFolderKeepsTheBankWhereItIs)
{
    const BankLocation::Choice choice = location.choose();
    ASSERT_TRUE(choice.ok());
    EXPECT_TRUE(choice.portable);
    EXPECT_EQ(choice.bankPath, location.shippedBank());
    EXPECT_TRUE(QDir(home.path()).isEmpty());
}

TEST_F(Location, aReadOnlyProgramFolderMovesTheBankToTheUserDataFolderOnce)
{
    if (!makeDataFolderReadOnly())
        GTEST_SKIP() << "this process may write to a read-only folder";
    const BankLocation::Choice first = location.choose();
    ASSERT_TRUE(first.ok()) << first.error.toStdString();
    EXPECT_FALSE(first.portable);
    EXPECT_EQ(first.bankPath, home.filePath(u"velmarin/KX50418.mdb"_s));
    EXPECT_EQ(readFile(first.bankPath), "the shipped bank");
    EXPECT_EQ(QDir(home.filePath(u"velmarin"_s)).entryList(QDir::Files), QStringList{u"KX50418.mdb"_s});

    // The copy holds the user's progress from now on.
    writeFile(first.bankPath, "a year of progress");
    const BankLocation::Choice later = location.choose();
    EXPECT_EQ(later.bankPath, first.bankPath);
    EXPECT_EQ(readFile(later.bankPath), "a year of progress");
}

TEST_F(Location, aStrayJournalInTheUserDataFolderIsRefusedWithTheReason)
{
    if (!makeDataFolderReadOnly())
        GTEST_SKIP() << "this process may write to a read-only folder";
    for (const QString& suffix : {u"-wal"_s, u"-shm"_s}) {
        const QString stray = location.userBank() + suffix;
        writeFile(stray, "left by an earlier bank");
        const BankLocation::Choice choice = location.choose();
        EXPECT_FALSE(choice.ok());
        EXPECT_TRUE(choice.error.contains(stray)) << choice.error.toStdString();
        EXPECT_FALSE(QFileInfo::exists(location.userBank()));
        EXPECT_EQ(readFile(stray), "left by an earlier bank");
        QFile::remove(stray);
    }
}

TEST_F(Location, aMissingShippedBankIsNamed)
{
    QFile::remove(location.shippedBank());
    if (!makeDataFolderReadOnly())
        GTEST_SKIP() << "this process may write to a read-only folder";
    const BankLocation::Choice choice = location.choose();
    EXPECT_FALSE(choice.ok());
    EXPECT_TRUE(choice.error.contains(location.shippedBank()));
}

TEST(BankLocationHome, followsXdgDataHomeOnlyWhenItIsAbsolute)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/srv/someone/data");
    EXPECT_EQ(BankLocation::defaultDataHome(), u"/srv/someone/data"_s);
    qputenv("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(BankLocation::defaultDataHome(), QDir::homePath() + u"/.local/share"_s);
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(BankLocation::defaultDataHome(), QDir::homePath() + u"/.local/share"_s);
    if (!saved.isNull())
        qputenv("XDG_DATA_HOME", saved);
}
