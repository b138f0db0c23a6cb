#include "BankFixture.h"
#include "FakeClock.h"

#include "store/PracticeQueries.h"
#include "store/PracticeSet.h"
#include "store/TDM1.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class PracticeSets : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bank.chapter(u"1"_s).chapter(u"10"_s).chapter(u"1001"_s).chapter(u"100101"_s).chapter(u"100102"_s);
        bank.question(u"NEW1"_s, u"100101"_s, 65, u"AC"_s);
        bank.question(u"NEW2"_s, u"100101"_s, 61, u"B"_s);
        bank.question(u"EMPTY"_s, u"100102"_s, 61, u"B"_s);
        bank.question(u"RIGHT"_s, u"100101"_s, 61, u"B"_s);
        bank.question(u"WRONG"_s, u"100101"_s, 61, u"B"_s);
        bank.question(u"GONE"_s, u"100101"_s, 61, u"B"_s);
        bank.question(u"OTHER"_s, u"200101"_s, 61, u"B"_s);
        bank.exec(u"UPDATE tab_answ SET E2 = '' WHERE A1 = 'EMPTY'"_s);
        bank.exec(u"UPDATE tab_answ SET E2 = 'B', E3 = 1, E4 = 0, E1 = '2026-12-01' WHERE A1 = 'RIGHT'"_s);
        bank.exec(u"UPDATE tab_answ SET E2 = 'C', E3 = 2, E4 = -2, E1 = '2026-12-02' WHERE A1 = 'WRONG'"_s);
        // A discarded question that had been answered wrongly.
        bank.exec(u"UPDATE tab_answ SET E2 = 'zero', F1 = 1, E3 = 1, E4 = -3 WHERE A1 = 'GONE'"_s);
        dm = std::make_unique<TDM1>(bank.programFolder(), clock);
    }

    QStringList keys(PracticeMode mode, const QString& chapter, bool doubleClick = false)
    {
        QStringList found;
        for (const QuestionRecord& row :
             dm->readQuestions(PracticeQueries::chapterSet(mode, chapter, doubleClick)))
            found.append(row.A1);
        return found;
    }

    BankFixture bank;
    FakeClock clock;
    std::unique_ptr<TDM1> dm;
};

} // namespace

TEST_F(PracticeSets, eachModeTakesItsQuestionsOfTheChapterAndItsSubChapters)
{
    struct Case
    {
        PracticeMode mode;
        QString chapter;
        QStringList expected;
    };
    const Case cases[] = {
        // Types first (61 before 65), then chapter and sequence.
        {PracticeMode::NewQuestions, u"100101"_s, {u"NEW2"_s, u"NEW1"_s}},
        {PracticeMode::NewQuestions, u"10"_s, {u"NEW2"_s, u"EMPTY"_s, u"NEW1"_s}},
        // The discarded question is left out of the wrong set, though its score is negative.
        {PracticeMode::WrongQuestions, u"100101"_s, {u"WRONG"_s}},
        // Review: fewest answers first; the discarded question is included, never-answered ones are not.
        {PracticeMode::Review, u"100101"_s, {u"GONE"_s, u"RIGHT"_s, u"WRONG"_s}},
        {PracticeMode::Review, u"100102"_s, {}},
        {PracticeMode::NewQuestions, u"2001"_s, {u"OTHER"_s}},
        {PracticeMode::NewQuestions, u"2002"_s, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keys(c.mode, c.chapter), c.expected) << int(c.mode) << " " << c.chapter.toStdString();
}

TEST_F(PracticeSets, wrongQuestionsComeInOrderOfFewestAnswersThenLowestScore)
{
    bank.question(u"WRONG2"_s, u"100101"_s, 61, u"B"_s);
    bank.question(u"WRONG3"_s, u"100101"_s, 61, u"B"_s);
    bank.exec(u"UPDATE tab_answ SET E2 = 'C', E3 = 2, E4 = -3 WHERE A1 = 'WRONG2'"_s);
    bank.exec(u"UPDATE tab_answ SET E2 = 'C', E3 = 1, E4 = -1 WHERE A1 = 'WRONG3'"_s);
    EXPECT_EQ(keys(PracticeMode::WrongQuestions, u"1001"_s),
              (QStringList{u"WRONG3"_s, u"WRONG2"_s, u"WRONG"_s}));
}

TEST_F(PracticeSets, aChapterCodeWithAQuoteIsMatchedAsItIs)
{
    bank.chapter(u"10'101"_s);
    bank.question(u"QUOTED"_s, u"10'101"_s, 61, u"B"_s);
    EXPECT_EQ(keys(PracticeMode::NewQuestions, u"10'101"_s), QStringList{u"QUOTED"_s});
    EXPECT_EQ(keys(PracticeMode::NewQuestions, u"10'"_s, true), QStringList{u"QUOTED"_s});
    // Characters that mean something to LIKE match only themselves.
    EXPECT_TRUE(keys(PracticeMode::NewQuestions, u"10%"_s).isEmpty());
    EXPECT_TRUE(keys(PracticeMode::NewQuestions, u"1_"_s).isEmpty());
}

TEST_F(PracticeSets, theChapterIsFoundThroughItsIndex)
{
    const PracticeStatement statement = PracticeQueries::chapterSet(PracticeMode::NewQuestions, u"1001"_s);
    const QString details = bank.column(3, u"EXPLAIN QUERY PLAN "_s + statement.sql, {u"1001"_s}).join(u'\n');
    // A range of the chapter index, or of the practice-order index once statistics exist; never a scan.
    EXPECT_TRUE(details.contains(u"USING INDEX"_s) && details.contains(u"A10>? AND A10<?"_s))
        << details.toStdString();
}

TEST_F(PracticeSets, loadingClearsRunAnswersTouchingOnlyTheRowsThatHoldOne)
{
    bank.exec(u"UPDATE tab_answ SET E2_1 = 'B' WHERE A1 IN ('RIGHT', 'OTHER')"_s);
    bank.exec(u"UPDATE tab_answ SET E2_1 = '' WHERE A1 = 'NEW1'"_s);
    bank.exec(u"CREATE TABLE touched (A1 TEXT)"_s);
    bank.exec(
        u"CREATE TRIGGER count_touch AFTER UPDATE ON tab_answ BEGIN INSERT INTO touched VALUES (new.A1); END"_s);
    PracticeSet set(*dm);
    ASSERT_TRUE(set.load(PracticeQueries::chapterSet(PracticeMode::Review, u"1001"_s)));
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM tab_answ WHERE E2_1 <> ''"_s), 0);
    EXPECT_EQ(bank.text(u"SELECT group_concat(A1) FROM (SELECT A1 FROM touched ORDER BY A1)"_s),
              u"OTHER,RIGHT"_s);
    EXPECT_EQ(set.count(), 3);
}

TEST_F(PracticeSets, aTypeFilterNarrowsTheRecordNumbers)
{
    PracticeSet set(*dm);
    ASSERT_TRUE(set.load(PracticeQueries::chapterSet(PracticeMode::NewQuestions, u"10"_s)));
    EXPECT_TRUE(set.hasType(61));
    EXPECT_TRUE(set.hasType(65));
    EXPECT_FALSE(set.hasType(66));
    set.applyTypeFilter(65);
    ASSERT_EQ(set.count(), 1);
    EXPECT_EQ(set.record(1).A1, u"NEW1"_s);
    set.applyTypeFilter(0);
    EXPECT_EQ(set.count(), 3);
    EXPECT_FALSE(set.contains(0));
    EXPECT_FALSE(set.contains(4));
}

TEST_F(PracticeSets, anEmptySetLoadsAsFalse)
{
    PracticeSet set(*dm);
    EXPECT_FALSE(set.load(PracticeQueries::chapterSet(PracticeMode::WrongQuestions, u"100102"_s)));
    EXPECT_EQ(set.count(), 0);
}
