#include "BankFile.h"
#include "FilePermissionsEnforced.h"

#include "store/BankConnection.h"
#include "store/BankLocation.h"
#include "store/StoreError.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString refusal(const QString& path)
{
    try {
        BankConnection::open(path);
    } catch (const StoreError& e) {
        return e.message();
    }
    return {};
}

} // namespace

TEST(BankConnection, opensWithTheSafetySettings)
{
    BankFile bank;
    auto db = BankConnection::open(bank.path());
    EXPECT_EQ(db->execAndGet("PRAGMA journal_mode").getString(), "wal");
    EXPECT_EQ(db->execAndGet("PRAGMA busy_timeout").getInt(), BankConnection::BusyTimeoutMs);
    EXPECT_EQ(db->execAndGet("PRAGMA synchronous").getInt(), 2);
    EXPECT_EQ(db->execAndGet("PRAGMA trusted_schema").getInt(), 0);
    EXPECT_EQ(db->execAndGet("PRAGMA cell_size_check").getInt(), 1);
    // Defensive: a file cannot be talked into rewriting its own schema.
    db->exec("PRAGMA writable_schema=ON");
    EXPECT_THROW(db->exec("UPDATE sqlite_master SET sql = 'CREATE TABLE x(y)' WHERE name = 'tab_exer'"),
                 SQLite::Exception);
}

TEST(BankConnection, aRefusalNamesTheFileAndTheReasonOnASecondLine)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(u"KX50418.mdb"_s);
    const QString junk = folder.filePath(u"junk.mdb"_s);
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8192, 'x'));
    file.close();
    struct Case
    {
        QString path;
        QString reason;
    };
    const Case cases[] = {
        {missing, u"文件不存在"_s},
        {junk, u"文件不是有效的题库"_s},
        // An in-memory database never runs in WAL mode.
        {u":memory:"_s, u"无法启用预写日志"_s},
    };
    for (const Case& c : cases) {
        const QStringList lines = refusal(c.path).split(u'\n');
        ASSERT_EQ(lines.size(), 2) << c.path.toStdString();
        EXPECT_EQ(lines[0], u"无法连接数据库！"_s);
        EXPECT_TRUE(lines[1].startsWith(c.path + u"："_s)) << lines[1].toStdString();
        EXPECT_TRUE(lines[1].contains(c.reason)) << lines[1].toStdString();
    }
    EXPECT_FALSE(QFile::exists(missing)) << "opening never creates a bank";
}

TEST(BankConnection, aWriteProtectedBankIsRefusedRatherThanOpenedForReading)
{
    BankFile bank;
    QFile::setPermissions(bank.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    FilePermissionsEnforced enforced;
    QFile probe(bank.path());
    if (probe.open(QIODevice::ReadWrite))
        GTEST_SKIP() << "this process may write to a write-protected file";
    EXPECT_TRUE(refusal(bank.path()).contains(u"文件只读"_s));
}

TEST(BankConnection, aReadOnlyFolderAndALockedFileEachSayWhatIsWrong)
{
    BankFile bank;
    {
        SQLite::Database holder(bank.path().toStdString(), SQLite::OPEN_READWRITE);
        holder.exec("PRAGMA locking_mode=EXCLUSIVE");
        holder.exec("BEGIN EXCLUSIVE");
        EXPECT_TRUE(refusal(bank.path()).contains(u"文件正被另一个程序使用"_s));
    }
    const QString folder = QFileInfo(bank.path()).absolutePath();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    bool readOnly = false;
    QString message;
    {
        FilePermissionsEnforced enforced;
        readOnly = !BankLocation::isWritableFolder(folder);
        if (readOnly)
            message = refusal(bank.path());
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!readOnly)
        GTEST_SKIP() << "this process may write to a read-only folder";
    EXPECT_TRUE(message.contains(u"文件夹只读"_s)) << message.toStdString();
}
