#include "ExamFixture.h"

#include "store/PaperGenerator.h"
#include "store/PaperList.h"
#include "store/PaperRandom.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(PaperRandom, followsTheLinearCongruentialSequence)
{
    PaperRandom random(1005);
    const std::pair<std::uint32_t, std::uint32_t> expected[] = {{10, 5}, {10, 8},   {10, 1},
                                                                {1, 0},  {100, 99}, {7, 6}};
    const std::uint32_t states[] = {2305705890u, 3643207211u, 434688728u,
                                    3842211385u, 4293843742u, 4053122967u};
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(random.draw(expected[i].first), expected[i].second) << i;
        EXPECT_EQ(random.state(), states[i]) << i;
    }
}

TEST(PaperRandom, seedIsMillisecondsSinceMidnight)
{
    EXPECT_EQ(PaperRandom::seedOf(QTime(0, 0)), 0u);
    EXPECT_EQ(PaperRandom::seedOf(QTime(0, 0, 1, 5)), 1005u);
    EXPECT_EQ(PaperRandom::seedOf(QTime(23, 59, 59, 999)), 86399999u);
    PaperRandom random(86399999u);
    EXPECT_EQ(random.draw(1000), 723u); // the state wraps around 2^32
}

namespace {

class Generation : public ::testing::Test, public ExamFixture
{
protected:
    void SetUp() override
    {
        bank.chapter(u"1"_s).chapter(u"2"_s).chapter(u"100101"_s).chapter(u"200101"_s).chapter(u"300101"_s);
        questions(u"S1"_s, u"100101"_s, 61, 35);
        questions(u"S2"_s, u"200101"_s, 61, 5);
        questions(u"M1"_s, u"100101"_s, 65, 45);
        questions(u"M2"_s, u"200101"_s, 65, 5);
        questions(u"X1"_s, u"100101"_s, 66, 20);
        questions(u"X2"_s, u"200101"_s, 66, 20);
        questions(u"O3"_s, u"300101"_s, 61, 10); // outside subject 1
        bank.type(1, 61, u"单选题"_s, 30, 1).type(1, 65, u"多选题"_s, 40, 1).type(1, 66, u"不定项"_s, 30, 1);
    }

    qint64 drawn(const QString& table, int type, const QString& prefix)
    {
        return paperCount(table, u"A13 = %1 AND A10 LIKE '%2%'"_s.arg(type).arg(prefix));
    }

    PaperGenerator::Paper generate(int subject = 1) { return PaperGenerator(dm()).generate(subject); }
};

} // namespace

TEST_F(Generation, subjectOneDrawsEachGroupsQuotaFromItsPrefix)
{
    const PaperGenerator::Paper paper = generate();
    EXPECT_EQ(paper.A1, u"tab_exam1"_s);
    EXPECT_EQ(paper.A3_1, 1);
    EXPECT_EQ(paper.A3, u"2026年12月08日Velmaret[1]"_s);
    EXPECT_EQ(paper.questionCount, 100);
    EXPECT_EQ(drawn(paper.A1, 61, u"1"_s), 30);
    EXPECT_EQ(drawn(paper.A1, 65, u"1"_s), 40);
    EXPECT_EQ(drawn(paper.A1, 66, u"1"_s), 15);
    EXPECT_EQ(drawn(paper.A1, 66, u"2"_s), 15);
    EXPECT_EQ(paperCount(paper.A1, u"A10 LIKE '3%' OR (A13 IN (61, 65) AND A10 LIKE '2%')"_s), 0);
    EXPECT_EQ(paperCount(paper.A1, u"E2_1 <> ''"_s), 0);
    EXPECT_EQ(
        bank.text(u"SELECT A3 || '|' || A3_1 || '|' || D1 || '|' || coalesce(A6, 'null') FROM tab_cj"_s),
        u"2026年12月08日Velmaret[1]|1|2026-12-08|null"_s);
    EXPECT_EQ(dm().typeTable(), u"tab_tx1"_s);
}

TEST_F(Generation, typeTableDecidesWhetherATypeIsDrawnNeverHowMany)
{
    bank.exec(u"UPDATE tab_tx1 SET B2 = 0 WHERE A1 = 66"_s);
    bank.exec(u"UPDATE tab_tx1 SET B2 = 10 WHERE A1 = 61"_s);
    const PaperGenerator::Paper paper = generate();
    EXPECT_EQ(paper.questionCount, 70);
    EXPECT_EQ(drawn(paper.A1, 61, u"1"_s), 30);
    EXPECT_EQ(drawn(paper.A1, 66, u""_s), 0);
}

TEST_F(Generation, discardedAndContentlessQuestionsAreNeverDrawn)
{
    // Leave fewer than the quota, so that every remaining question must be drawn.
    bank.exec(u"UPDATE tab_answ SET F1 = 1 WHERE A1 LIKE 'X2%' AND A1 > 'X209'"_s);
    bank.exec(u"DELETE FROM tab_exer WHERE A1 = 'X200'"_s);
    const PaperGenerator::Paper paper = generate();
    EXPECT_EQ(drawn(paper.A1, 66, u"2"_s), 9);
    EXPECT_EQ(paperCount(paper.A1, u"F1 = 1 OR A1 = 'X200'"_s), 0);
}

TEST_F(Generation, groupShorterThanItsQuotaTakesAllItsQuestions)
{
    bank.exec(u"DELETE FROM tab_answ WHERE A1 LIKE 'X2%' AND A1 >= 'X210'"_s);
    const PaperGenerator::Paper paper = generate();
    EXPECT_EQ(drawn(paper.A1, 66, u"2"_s), 10);
    EXPECT_EQ(paper.questionCount, 95);
}

TEST_F(Generation, drawsPositionsOfTheAnswerCountOrderFromTheClockSeed)
{
    // Subject 5: 6 of type 64 from chapters 05. Seed 09:00:00.000 UTC gives the positions
    // 0, 3, 7, 9, 6, 2 of ten (redraws included); E3 runs opposite to the keys.
    bank.chapter(u"050101"_s);
    questions(u"C"_s, u"050101"_s, 64, 10);
    bank.type(5, 64, u"案例题"_s, 6, 5);
    const PaperGenerator::Paper paper = generate(5);
    EXPECT_EQ(bank.text(u"SELECT group_concat(A1, ',') FROM (SELECT A1 FROM tab_exam1 ORDER BY A1)"_s),
              u"C00,C02,C03,C06,C07,C09"_s);
    EXPECT_EQ(paper.A3, u"2026年12月08日Corvane[1]"_s);
}

TEST_F(Generation, numbersFollowTheNewestRecordAndReuseADeletedNewest)
{
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(generate().A1, u"tab_exam%1"_s.arg(i));
    PaperList(dm()).deletePaper(u"tab_exam3"_s);
    const PaperGenerator::Paper again = generate();
    EXPECT_EQ(again.A1, u"tab_exam3"_s);
    EXPECT_EQ(again.A3_1, 3);
    EXPECT_TRUE(tableExists(u"tab_exam3"_s));
}

TEST_F(Generation, newestNameWithoutNumberTakesTheNextFreeNumber)
{
    struct Case
    {
        QString newest;
        QString expected;
    };
    const Case cases[] = {{u"tab_exam"_s, u"tab_exam6"_s},
                          {u"tab_examX"_s, u"tab_exam6"_s},
                          {u"  TAB_EXAM8 "_s, u"tab_exam9"_s},
                          // the number after the newest is already someone's
                          {u"tab_exam4"_s, u"tab_exam6"_s}};
    for (const Case& c : cases) {
        bank.exec(u"DELETE FROM tab_cj"_s);
        bank.exec(u"INSERT INTO tab_cj (A1, A3_1) VALUES ('tab_exam5', 1), ('tab_exam2', 2), (?, 3)"_s,
                  {c.newest});
        const PaperGenerator::Paper paper = generate();
        EXPECT_EQ(paper.A1, c.expected) << c.newest.toStdString();
        EXPECT_EQ(paper.A3_1, 4);
        dm().DropPaperTable(paper.A1);
    }
}

TEST_F(Generation, aFailedGenerationLeavesNeitherRecordNorTable)
{
    struct Case
    {
        const char* name;
        QString sabotage;
        QString message;
    };
    const Case cases[] = {
        {"no question", u"UPDATE tab_answ SET F1 = 1"_s, u"没有发现题目！"_s},
        {"table cannot be created", u"CREATE VIEW tab_exam1 AS SELECT 1"_s, u"建立数据表时发生错误！"_s},
        {"questions cannot be copied", u"DROP TABLE tab_exer"_s, u"提取数据时发生错误！"_s},
        {"nothing drawn", u"UPDATE tab_tx1 SET B2 = 0"_s, u"无法打开试卷！"_s},
    };
    for (const Case& c : cases) {
        ExamFixture fresh;
        fresh.bank.chapter(u"100101"_s);
        fresh.questions(u"S1"_s, u"100101"_s, 61, 3);
        fresh.bank.type(1, 61, u"单选题"_s, 30, 1);
        fresh.bank.exec(c.sabotage);
        try {
            PaperGenerator(fresh.dm()).generate(1);
            ADD_FAILURE() << c.name << ": no failure";
        } catch (const StoreError& e) {
            EXPECT_EQ(e.message(), c.message) << c.name;
        }
        EXPECT_EQ(fresh.bank.integer(u"SELECT count(*) FROM tab_cj"_s), 0) << c.name;
        EXPECT_EQ(fresh.bank.integer(
                      u"SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'tab_exam1'"_s),
                  0)
            << c.name;
    }
}

TEST_F(Generation, aFailureAfterTheTableIsFilledUndoesTheWholePaper)
{
    generate(); // tab_exam1 exists, and the resume table with it
    bank.exec(u"CREATE TRIGGER refuse BEFORE INSERT ON tab_kszt BEGIN SELECT RAISE(ABORT, 'full'); END"_s);
    EXPECT_THROW(generate(), StoreError);
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM tab_cj"_s), 1);
    EXPECT_FALSE(tableExists(u"tab_exam2"_s));
}

TEST_F(Generation, anOrphanTableOfTheNewNameGivesWay)
{
    bank.exec(u"CREATE TABLE tab_exam1 (A1 TEXT)"_s);
    bank.exec(u"INSERT INTO tab_exam1 VALUES ('old')"_s);
    const PaperGenerator::Paper paper = generate();
    EXPECT_EQ(paper.A1, u"tab_exam1"_s);
    EXPECT_EQ(paperCount(u"tab_exam1"_s), 100);
}
