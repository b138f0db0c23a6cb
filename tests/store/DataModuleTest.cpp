#include "BankFixture.h"
#include "FakeClock.h"

#include "store/StoreError.h"
#include "store/TDM1.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class DataModule : public ::testing::Test
{
protected:
    TDM1& dm()
    {
        if (!m_dm)
            m_dm = std::make_unique<TDM1>(bank.programFolder(), clock);
        return *m_dm;
    }
    QString today() const { return clock.today().toString(Qt::ISODate); }

    BankFixture bank;
    FakeClock clock;
    std::unique_ptr<TDM1> m_dm;
};

} // namespace

TEST_F(DataModule, opensTheBankInTheProgramFolder)
{
    EXPECT_EQ(dm().successFlag(), 1);
    EXPECT_TRUE(dm().ProgramFolder().endsWith(u'/'));
    EXPECT_EQ(dm().typeTable(), u"tab_tx1"_s);
}

TEST(DataModuleOpen, failsWithoutCreatingAMissingOrForeignBank)
{
    FakeClock clock;
    QTemporaryDir folder;
    TDM1 missing(folder.path(), clock);
    EXPECT_EQ(missing.successFlag(), 0);
    EXPECT_FALSE(QFile::exists(TDM1::bankPathIn(folder.path() + u'/')));

    QDir(folder.path()).mkpath(u"data"_s);
    QFile junk(TDM1::bankPathIn(folder.path() + u'/'));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is no database, just text that happens to be long enough to look like a file header");
    junk.close();
    TDM1 foreign(folder.path(), clock);
    EXPECT_EQ(foreign.successFlag(), 0);
    EXPECT_FALSE(foreign.openError().isEmpty());
}

TEST_F(DataModule, logCountsAnswersAndDistinctQuestionsOverTheDay)
{
    // The same question: right (first today), then wrong, then right again.
    dm().RecordAnswerInLog(2, 1, 2);
    EXPECT_EQ(bank.integer(u"SELECT A2 FROM tab_rz WHERE A1 = ?"_s, {today()}), 1);
    EXPECT_EQ(bank.integer(u"SELECT B1 FROM tab_rz WHERE A1 = ?"_s, {today()}), 1);
    EXPECT_EQ(bank.integer(u"SELECT A3 IS NULL AND B2 IS NULL FROM tab_rz"_s), 1);

    dm().RecordAnswerInLog(1, 2, 1);
    EXPECT_EQ(bank.text(u"SELECT A2 || ',' || A3 || ',' || B1 || ',' || B2 FROM tab_rz"_s), u"2,1,1,1"_s);

    dm().RecordAnswerInLog(1, 1, 2);
    EXPECT_EQ(bank.text(u"SELECT A2 || ',' || A3 || ',' || B1 || ',' || B2 FROM tab_rz"_s), u"3,1,1,0"_s);
}

TEST_F(DataModule, logStartsANewRowEachDay)
{
    dm().RecordAnswerInLog(2, 2, 2);
    clock.advanceSeconds(24 * 3600);
    dm().RecordAnswerInLog(2, 1, 2);
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM tab_rz"_s), 2);
    EXPECT_EQ(bank.text(u"SELECT A2 || ',' || A3 || ',' || B2 FROM tab_rz WHERE A1 = '2026-12-10'"_s),
              u"1,1,1"_s);
}

TEST_F(DataModule, wrongQuestionsOfTheDayNeverGoBelowZero)
{
    bank.logDay(today(), 1, 0, 1, 0);
    // Earlier wrong, now right, while no wrong question was counted today.
    dm().RecordAnswerInLog(1, 1, 2);
    EXPECT_EQ(bank.integer(u"SELECT B2 FROM tab_rz"_s), 0);
}

TEST_F(DataModule, chapterCountersRiseOnTheChapterAndEveryExistingAncestor)
{
    bank.chapter(u"101203"_s).chapter(u"1012"_s).chapter(u"10"_s).chapter(u"1"_s).chapter(u"2"_s);
    dm().CountChapterAnswer(u"101203"_s, 2, 2);
    dm().CountChapterAnswer(u"101203"_s, 1, 1);
    for (const QString& code : {u"101203"_s, u"1012"_s, u"10"_s, u"1"_s})
        EXPECT_EQ(bank.text(u"SELECT C4 || ',' || D1 || ',' || D2 FROM tab_kmmc WHERE C1 = ?"_s, {code}),
                  u"1,2,1"_s)
            << code.toStdString();
    EXPECT_EQ(bank.integer(u"SELECT D1 FROM tab_kmmc WHERE C1 = '2'"_s), 0);
}

TEST_F(DataModule, knowledgePointCountersCountANodeOncePerStatement)
{
    bank.point(u"010203000001"_s).point(u"010203000002"_s).point(u"020101000001"_s);
    dm().CountKnowledgePointAnswer({u"010203000001"_s, u"010203000002"_s}, {u"010203"_s, u"010203"_s},
                                   {u"01"_s, u"01"_s}, 2, 1);
    const auto counters = [&](const QString& table, const QString& key, const QString& value) {
        return bank.text(
            u"SELECT q1 || ',' || q2 || ',' || q4 FROM "_s + table + u" WHERE "_s + key + u" = ?"_s, {value});
    };
    EXPECT_EQ(counters(u"tab_rule"_s, u"ftid"_s, u"010203000001"_s), u"1,1,0"_s);
    EXPECT_EQ(counters(u"tab_rule"_s, u"ftid"_s, u"010203000002"_s), u"1,1,0"_s);
    EXPECT_EQ(counters(u"tab_fgmc"_s, u"id"_s, u"010203"_s), u"1,1,0"_s);
    EXPECT_EQ(counters(u"tab_fgmc"_s, u"id"_s, u"01"_s), u"1,1,0"_s);
    EXPECT_EQ(counters(u"tab_rule"_s, u"ftid"_s, u"020101000001"_s), u"0,0,0"_s);

    dm().CountKnowledgePointAnswer({u"010203000001"_s}, {u"010203"_s}, {u"01"_s}, 1, 2);
    EXPECT_EQ(counters(u"tab_rule"_s, u"ftid"_s, u"010203000001"_s), u"1,2,1"_s);
    EXPECT_EQ(counters(u"tab_fgmc"_s, u"id"_s, u"01"_s), u"1,2,1"_s);
}

TEST_F(DataModule, closingARunAddsItsTimeToTodaysLog)
{
    const struct
    {
        QString logged;
        QString elapsed;
        QString written;
    } cases[] = {
        {u"23:59:50"_s, u"0:00:15"_s, u"24:00:05"_s},
        {u"9:05:03"_s, u"0:00:00"_s, u"09:05:03"_s},
        {QString(), u"0:30:59"_s, u"00:30:59"_s},
    };
    for (const auto& c : cases) {
        bank.exec(u"DELETE FROM tab_rz"_s);
        bank.logDay(today(), 4, 1, 2, 1, c.logged);
        dm().CloseStudyRun(c.elapsed);
        EXPECT_EQ(bank.text(u"SELECT D1 FROM tab_rz"_s), c.written) << c.logged.toStdString();
        EXPECT_EQ(bank.text(u"SELECT A4 FROM tab_rz"_s), u"75.00"_s);
    }
}

TEST_F(DataModule, closingARunRecomputesEveryChapterPercentageEvenWithoutALogRow)
{
    bank.chapter(u"1"_s).chapter(u"10"_s).chapter(u"11"_s);
    bank.exec(u"UPDATE tab_kmmc SET D1 = 8, D2 = 1 WHERE C1 = '1'"_s);
    bank.exec(u"UPDATE tab_kmmc SET D1 = 0, D2 = 0, C6 = '55.00' WHERE C1 = '10'"_s);
    bank.logDay(u"2026-12-09"_s, 3, 0, 3, 0, u"1:00:00"_s);
    dm().CloseStudyRun(u"0:10:00"_s);
    EXPECT_EQ(bank.text(u"SELECT group_concat(C1 || '=' || C6, ' ') FROM tab_kmmc"_s),
              u"1=87.50 10=0 11=0"_s);
    EXPECT_EQ(bank.integer(u"SELECT A4 IS NULL FROM tab_rz"_s), 1);
    EXPECT_EQ(bank.text(u"SELECT D1 FROM tab_rz"_s), u"1:00:00"_s);
}

TEST_F(DataModule, aDayWithoutAnswersScoresZero)
{
    bank.logDay(today(), 0, 0, 0, 0);
    dm().CloseStudyRun(u"0:01:00"_s);
    EXPECT_EQ(bank.text(u"SELECT A4 FROM tab_rz"_s), u"0"_s);
}

TEST_F(DataModule, aBadLoggedTimeFailsTheCloseAndChangesNothing)
{
    bank.chapter(u"1"_s);
    bank.exec(u"UPDATE tab_kmmc SET D1 = 2, D2 = 1"_s);
    bank.logDay(today(), 2, 1, 1, 1, u"x:00:00"_s);
    EXPECT_THROW(dm().CloseStudyRun(u"0:01:00"_s), StoreError);
    EXPECT_EQ(bank.text(u"SELECT C6 FROM tab_kmmc"_s), u"0"_s);
    EXPECT_EQ(bank.text(u"SELECT D1 FROM tab_rz"_s), u"x:00:00"_s);
}

TEST_F(DataModule, paperTotalReadsTheBoundTypeTableAndStaysSwitched)
{
    bank.type(1, 61, u"单选"_s, 30, 1).type(1, 65, u"多选"_s, 40, 1).type(1, 66, u"不定项"_s, 0, 5);
    bank.type(3, 61, u"单选"_s, 50, 2);
    EXPECT_EQ(dm().TotalPaperScore(), 70);
    dm().bindTypeTable(3);
    EXPECT_EQ(dm().typeTable(), u"tab_tx3"_s);
    EXPECT_EQ(dm().TotalPaperScore(), 100);
    EXPECT_EQ(dm().TotalPaperScore(), 100);
    dm().bindTypeTable(0);
    EXPECT_EQ(dm().typeTable(), u"tab_tx1"_s);
}

TEST_F(DataModule, droppingAPaperRemovesItsTableAndItsResultRow)
{
    bank.exec(u"CREATE TABLE tab_exam3 (A1 TEXT)"_s);
    bank.exec(u"INSERT INTO tab_cj (A1, A3, A3_1) VALUES ('tab_exam3', 't', 3), ('tab_exam4', 't', 4)"_s);
    dm().DropPaperTable(u"TAB_EXAM3"_s);
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM sqlite_master WHERE name = 'tab_exam3'"_s), 0);
    EXPECT_EQ(bank.text(u"SELECT group_concat(A1) FROM tab_cj"_s), u"tab_exam4"_s);
}

TEST_F(DataModule, droppingSomethingThatIsNoPaperTableChangesNothing)
{
    bank.exec(u"INSERT INTO tab_cj (A1, A3, A3_1) VALUES ('tab_exam4', 't', 4)"_s);
    for (const QString& name :
         {u"tab_exam4"_s, u"tab_answ"_s, u"tab_exam1; DROP TABLE tab_answ"_s, QString()})
        EXPECT_NO_THROW(dm().DropPaperTable(name));
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM tab_cj"_s), 1);
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM sqlite_master WHERE name = 'tab_answ'"_s), 1);
}

TEST_F(DataModule, aFailedDropIsAllOrNothingAndReachesAnOuterTransaction)
{
    bank.exec(u"CREATE TABLE tab_exam3 (A1 TEXT)"_s);
    // The result rows become a view: the second half of the drop fails.
    bank.exec(u"ALTER TABLE tab_cj RENAME TO tab_cj_rows"_s);
    bank.exec(u"CREATE VIEW tab_cj AS SELECT * FROM tab_cj_rows"_s);
    const auto tableLeft = [&] {
        return bank.integer(u"SELECT count(*) FROM sqlite_master WHERE name = 'tab_exam3'"_s);
    };

    EXPECT_NO_THROW(dm().DropPaperTable(u"tab_exam3"_s)) << "alone, the paper is simply left";
    EXPECT_EQ(tableLeft(), 1);

    const qint64 logRows = bank.integer(u"SELECT count(*) FROM tab_rz"_s);
    EXPECT_THROW(dm().inTransaction([&] {
        dm().RecordAnswerInLog(2, 1, 1);
        dm().DropPaperTable(u"tab_exam3"_s);
    }),
                 StoreError);
    EXPECT_EQ(tableLeft(), 1);
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM tab_rz"_s), logRows) << "the caller's work rolled back";
}

TEST_F(DataModule, aClosedConnectionReportsAnErrorInsteadOfCrashing)
{
    dm().close();
    EXPECT_THROW(dm().RecordAnswerInLog(2, 1, 2), StoreError);
}
