#include "BankFixture.h"
#include "FakeClock.h"

#include "store/AnswerRecorder.h"
#include "store/PracticeStatement.h"
#include "store/QuestionRecord.h"
#include "store/StoreError.h"
#include "store/TDM1.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class Recording : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bank.chapter(u"1"_s).chapter(u"10"_s).chapter(u"1001"_s).chapter(u"100101"_s);
        bank.point(u"010101000001"_s).point(u"010102000001"_s);
        bank.question(u"Q1"_s, u"100101"_s, 61, u"B"_s, 4, {u"010101000001"_s, u"010102000001"_s});
        bank.question(u"Q2"_s, u"100101"_s, 65, u"ACD"_s, 4);
        dm = std::make_unique<TDM1>(bank.programFolder(), clock);
        recorder = std::make_unique<AnswerRecorder>(*dm);
    }

    QuestionRecord load(const QString& key)
    {
        const auto rows = dm->readQuestions({u"SELECT * FROM tab_answ WHERE A1 = ?"_s, {key}});
        return rows.value(0);
    }
    QString chapter(const QString& code)
    {
        return bank.text(u"SELECT C4 || ',' || D1 || ',' || D2 FROM tab_kmmc WHERE C1 = ?"_s, {code});
    }
    QString point(const QString& ftid)
    {
        return bank.text(u"SELECT q1 || ',' || q2 || ',' || q4 FROM tab_rule WHERE ftid = ?"_s, {ftid});
    }
    QString node(const QString& id)
    {
        return bank.text(u"SELECT q1 || ',' || q2 || ',' || q4 FROM tab_fgmc WHERE id = ?"_s, {id});
    }
    QString stored(const QString& key)
    {
        return bank.text(u"SELECT coalesce(E2_1, '') || '|' || coalesce(E2, '') || '|' || coalesce(E1, '') "
                         u"|| '|' || E3 || '|' || E4"
                         u" FROM tab_answ WHERE A1 = ?"_s,
                         {key});
    }

    BankFixture bank;
    FakeClock clock;
    std::unique_ptr<TDM1> dm;
    std::unique_ptr<AnswerRecorder> recorder;
};

} // namespace

TEST_F(Recording, aFirstRightAnswerCountsEverywhere)
{
    QuestionRecord q = load(u"Q1"_s);
    const auto outcome = recorder->record(q, u"B"_s);
    EXPECT_TRUE(outcome.counted);
    EXPECT_FALSE(outcome.wrong);
    EXPECT_EQ(stored(u"Q1"_s), u"B|B|2026-12-10|1|0"_s);
    EXPECT_EQ(q.E3, 1);
    EXPECT_EQ(q.E1, u"2026-12-10"_s);
    for (const QString& code : {u"100101"_s, u"1001"_s, u"10"_s, u"1"_s})
        EXPECT_EQ(chapter(code), u"1,1,0"_s) << code.toStdString();
    EXPECT_EQ(point(u"010101000001"_s), u"1,1,0"_s);
    EXPECT_EQ(node(u"01"_s), u"1,1,0"_s);
    EXPECT_EQ(node(u"010102"_s), u"1,1,0"_s);
    EXPECT_EQ(bank.text(u"SELECT A2 || ',' || B1 FROM tab_rz"_s), u"1,1"_s);
}

TEST_F(Recording, wrongAnswerScoreFollowsEveryDistinctAnswer)
{
    // answer given -> E4 afterwards, E3 afterwards
    const struct
    {
        QString answer;
        int e4;
        int e3;
    } steps[] = {
        {u"A"_s, -3, 1}, // first answer wrong
        {u"A"_s, -3, 1}, // the same answer again is not counted
        {u"C"_s, -4, 2}, // a changed wrong answer
        {u"B"_s, -3, 3}, // right: one step back towards 0
        {u"D"_s, -4, 4}, {u"B"_s, -3, 5},
    };
    QuestionRecord q = load(u"Q1"_s);
    for (const auto& step : steps) {
        recorder->record(q, step.answer);
        EXPECT_EQ(q.E4, step.e4) << step.answer.toStdString();
        EXPECT_EQ(q.E3, step.e3) << step.answer.toStdString();
        EXPECT_EQ(load(u"Q1"_s).E4, step.e4);
    }
    EXPECT_EQ(chapter(u"100101"_s), u"1,5,3"_s);
    EXPECT_EQ(point(u"010101000001"_s), u"1,5,3"_s);
    EXPECT_EQ(bank.text(u"SELECT A2 || ',' || A3 || ',' || B1 || ',' || B2 FROM tab_rz"_s), u"5,3,1,0"_s);
}

TEST_F(Recording, aRightAnswerNeverRaisesTheScoreAboveZero)
{
    QuestionRecord q = load(u"Q1"_s);
    recorder->record(q, u"B"_s);
    q.E2_1.clear(); // a new run
    recorder->record(q, u"B"_s);
    EXPECT_EQ(q.E4, 0);
    EXPECT_EQ(q.E3, 2);
}

TEST_F(Recording, answersAreComparedExactly)
{
    const struct
    {
        QString answer;
        bool wrong;
    } cases[] = {{u"ACD"_s, false}, {u"CAD"_s, true}, {u"acd"_s, true}, {u"AC"_s, true}, {u"ACD "_s, true}};
    for (const auto& c : cases) {
        QuestionRecord q = load(u"Q2"_s);
        EXPECT_EQ(recorder->record(q, c.answer).wrong, c.wrong) << c.answer.toStdString();
    }
}

TEST_F(Recording, anEmptyAnswerClearsTheRunAnswerAndCountsNothing)
{
    QuestionRecord q = load(u"Q1"_s);
    recorder->record(q, u"B"_s);
    recorder->record(q, QString());
    EXPECT_EQ(stored(u"Q1"_s), u"|B|2026-12-10|1|0"_s);
    EXPECT_TRUE(q.E2_1.isEmpty());
    EXPECT_EQ(chapter(u"100101"_s), u"1,1,0"_s);
}

TEST_F(Recording, aQuestionWithoutPointsCountsNoPoint)
{
    QuestionRecord q = load(u"Q2"_s);
    recorder->record(q, u"ACD"_s);
    EXPECT_EQ(bank.integer(u"SELECT sum(q2) FROM tab_rule"_s), 0);
    EXPECT_EQ(bank.integer(u"SELECT sum(q2) FROM tab_fgmc"_s), 0);
}

TEST_F(Recording, aFailureOnTheWayChangesNothingAtAll)
{
    bank.exec(
        u"CREATE TRIGGER refuse BEFORE UPDATE ON tab_fgmc BEGIN SELECT RAISE(ABORT, 'disk says no'); END"_s);
    QuestionRecord q = load(u"Q1"_s);
    const QuestionRecord before = q;
    try {
        recorder->record(q, u"A"_s);
        FAIL() << "the failure was not reported";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(u"disk says no"_s)) << e.message().toStdString();
    }
    EXPECT_EQ(q.E2_1, before.E2_1);
    EXPECT_EQ(q.E3, before.E3);
    EXPECT_EQ(stored(u"Q1"_s), u"|||0|0"_s);
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM tab_rz"_s), 0);
    EXPECT_EQ(chapter(u"100101"_s), u"0,0,0"_s);
    EXPECT_EQ(point(u"010101000001"_s), u"0,0,0"_s);

    // The module is usable again once the cause is gone.
    bank.exec(u"DROP TRIGGER refuse"_s);
    EXPECT_TRUE(recorder->record(q, u"A"_s).counted);
    EXPECT_EQ(chapter(u"100101"_s), u"1,1,1"_s);
}

TEST_F(Recording, onlyQuestionTablesAreWritten)
{
    QuestionRecord q = load(u"Q1"_s);
    EXPECT_THROW(recorder->record(q, u"B"_s, u"tab_answ; DROP TABLE tab_rz"_s), StoreError);
    EXPECT_THROW(recorder->record(q, u"B"_s, u"tab_kmmc"_s), StoreError);
}
