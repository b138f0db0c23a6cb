// The sample bank the build ships: every mock paper can be drawn in full, the
// shared stems and counters hold, and the sample upgrade merges into it.
#include "BankChecker.h"
#include "BankSource.h"
#include "BankWriter.h"
#include "store/BaseBank.h"

#include "store/BankSchema.h"
#include "store/StatementBinding.h"

#include <QFile>
#include <QTemporaryDir>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct DrawGroup
{
    int subject;
    int type;
    const char* prefix;
    int quota;
};

// The mock papers' fixed draw groups: subject, question type, chapter prefix, quota.
const std::vector<DrawGroup> DrawGroups{
    {1, 61, "1", 30},  {1, 65, "1", 40},  {1, 66, "1", 15},  {1, 66, "2", 15},  {2, 61, "10", 20},
    {2, 61, "11", 17}, {2, 61, "04", 13}, {2, 62, "10", 12}, {2, 62, "11", 11}, {2, 62, "04", 7},
    {2, 65, "10", 8},  {2, 65, "11", 7},  {2, 65, "04", 5},  {3, 61, "05", 23}, {3, 61, "08", 10},
    {3, 61, "07", 17}, {3, 62, "05", 14}, {3, 62, "08", 6},  {3, 62, "07", 10}, {3, 65, "05", 8},
    {3, 65, "08", 4},  {3, 65, "07", 8},  {4, 70, "10", 2},  {4, 70, "11", 2},  {4, 70, "05", 2},
    {4, 70, "08", 1},  {4, 70, "07", 2},  {4, 70, "04", 1},  {5, 64, "05", 6},
};

class SampleBank : public ::testing::Test
{
protected:
    SampleBank() : m_db(VELMARIN_SAMPLE_BANK, SQLite::OPEN_READONLY) {}

    SQLite::Database m_db;
};

TEST_F(SampleBank, EveryDrawGroupCanBeFilled)
{
    SQLite::Statement drawable(m_db,
                               "SELECT count(*) FROM tab_answ a, tab_exer b WHERE a.A1 = b.A1 AND a.A13 = ?"
                               " AND substr(a.A10, 1, length(?2)) = ?2 AND a.F1 <> 1");
    for (const DrawGroup& group : DrawGroups) {
        drawable.reset();
        drawable.bind(1, group.type);
        drawable.bind(2, group.prefix);
        ASSERT_TRUE(drawable.executeStep());
        EXPECT_GE(drawable.getColumn(0).getInt(), group.quota)
            << "subject " << group.subject << ", type " << group.type << ", prefix " << group.prefix;
    }
}

TEST_F(SampleBank, EachSubjectDrawsItsTypes)
{
    for (const DrawGroup& group : DrawGroups) {
        SQLite::Statement type(
            m_db, (u"SELECT B2 FROM "_s + BankSchema::typeTableName(group.subject) + u" WHERE A1 = ?"_s)
                      .toStdString());
        type.bind(1, group.type);
        ASSERT_TRUE(type.executeStep()) << "subject " << group.subject << " lacks type " << group.type;
        EXPECT_GT(type.getColumn(0).getInt(), 0) << "subject " << group.subject << ", type " << group.type;
    }
}

TEST_F(SampleBank, EverySharedStemKeyHasItsStem)
{
    SQLite::Statement orphans(m_db, "SELECT A1 FROM tab_answ WHERE A1 LIKE '%-%'"
                                    " AND substr(A1, 1, 16) NOT IN (SELECT A1 FROM tab_title)");
    while (orphans.executeStep())
        ADD_FAILURE() << "no stem for " << orphans.getColumn(0).getText();
    SQLite::Statement shared(m_db, "SELECT count(*) FROM tab_answ WHERE A1 LIKE '%-%'");
    ASSERT_TRUE(shared.executeStep());
    EXPECT_GT(shared.getColumn(0).getInt(), 0);
}

TEST_F(SampleBank, EveryQuestionHasItsContentRow)
{
    SQLite::Statement missing(
        m_db, "SELECT (SELECT count(*) FROM tab_answ WHERE A1 NOT IN (SELECT A1 FROM tab_exer)),"
              " (SELECT count(*) FROM tab_exer WHERE A1 NOT IN (SELECT A1 FROM tab_answ))");
    ASSERT_TRUE(missing.executeStep());
    EXPECT_EQ(missing.getColumn(0).getInt(), 0);
    EXPECT_EQ(missing.getColumn(1).getInt(), 0);
}

TEST_F(SampleBank, ChapterCountsMatchTheQuestionsUnderThem)
{
    SQLite::Statement wrong(m_db, "SELECT C1, C3, (SELECT count(*) FROM tab_answ a"
                                  " WHERE substr(a.A10, 1, length(k.C1)) = k.C1) FROM tab_kmmc k");
    int chapters = 0;
    while (wrong.executeStep()) {
        ++chapters;
        EXPECT_EQ(wrong.getColumn(1).getInt(), wrong.getColumn(2).getInt())
            << "chapter " << wrong.getColumn(0).getText();
    }
    EXPECT_GT(chapters, 0);
}

TEST_F(SampleBank, PointCountsMatchTheQuestionsCitingThem)
{
    SQLite::Statement points(
        m_db, "SELECT ftid, q, (SELECT count(*) FROM tab_answ a WHERE r.ftid IN"
              " (a.K3, a.K4, a.K5, a.K6, a.K7, a.K8, a.K9, a.K10, a.K11, a.K12)) FROM tab_rule r");
    while (points.executeStep())
        EXPECT_EQ(points.getColumn(1).getInt(), points.getColumn(2).getInt())
            << points.getColumn(0).getText();
}

TEST(SampleUpgrade, MergesIntoTheSampleBank)
{
    QTemporaryDir dir;
    const QString bankPath = dir.filePath(u"KX50418.mdb"_s);
    const QString upgradePath = dir.filePath(u"upgrade.mdb"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMARIN_SAMPLE_BANK), bankPath));

    const BaseBank base = BaseBank::read(bankPath);
    const BankContent content = BankSource::read(QStringLiteral(VELMARIN_UPGRADE_SOURCE));
    BankChecker(content, BankChecker::Target::Upgrade, &base).check();
    BankWriter(content).writeUpgrade(upgradePath, false);
    EXPECT_EQ(content.product.cpbs, u"VELMARIN-SAMPLE-2027"_s);
    EXPECT_EQ(content.product.sjbs, u"VELMARIN-SAMPLE-2027-UP1"_s);

    SQLite::Database bank(bankPath.toStdString(), SQLite::OPEN_READWRITE);
    SQLite::Statement attach(bank, "ATTACH DATABASE ? AS up");
    StatementBinding::bindText(attach, 1, upgradePath);
    attach.exec();
    const int before = bank.execAndGet("SELECT count(*) FROM tab_answ").getInt();
    {
        SQLite::Transaction merge(bank);
        for (const char* table : {"tab_kmmc", "tab_exer", "tab_answ", "tab_rule", "tab_fgmc"})
            bank.exec(std::string("INSERT INTO main.") + table + " SELECT * FROM up." + table);
        bank.exec("INSERT INTO main.tab_sj (sjbs, cpbs) SELECT sjbs, cpbs FROM up.tab_sj");
        merge.commit();
    }
    const int added = bank.execAndGet("SELECT count(*) FROM tab_answ").getInt() - before;
    EXPECT_EQ(added, static_cast<int>(content.questions.size()));
    EXPECT_GE(added, 8);
    // The new leaf sits under a section the bank already has, and counts its own questions.
    const QString leaf = content.chapters.first().code;
    SQLite::Statement chapter(bank, "SELECT C3, (SELECT count(*) FROM tab_kmmc WHERE C1 = substr(?1, 1, 4))"
                                    " FROM tab_kmmc WHERE C1 = ?1");
    StatementBinding::bindText(chapter, 1, leaf);
    ASSERT_TRUE(chapter.executeStep());
    EXPECT_EQ(chapter.getColumn(0).getInt(), added);
    EXPECT_EQ(chapter.getColumn(1).getInt(), 1);
    EXPECT_EQ(bank.execAndGet("SELECT count(*) FROM tab_sj WHERE cpbs = 'VELMARIN-SAMPLE-2027'").getInt(), 2);
}

} // namespace
