#include "question/PracticeRun.h"

#include "TestContext.h"
#include "store/PracticeQueries.h"
#include "store/QuestionRecord.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const RecordPolicy Practice{};
// An exam being answered: recorded when a question is left and at hand-in, no "完成".
const RecordPolicy ExamAnswering{true, false, true, false};
// A marked paper inspected: nothing is recorded.
const RecordPolicy ExamInspected{false, false, false, true};

// A bank with a leaf chapter of single choices Q1.. (answer B) and a run over it.
struct RunBank
{
    PracticeRun& open(const RecordPolicy& policy, int questions = 3)
    {
        for (const QString& code : {u"1"_s, u"10"_s, u"1001"_s, u"100101"_s})
            c.bank.chapter(code);
        c.bank.type(1, 61, u"单项选择题"_s, 30, 1.0);
        for (int i = 1; i <= questions; ++i)
            c.bank.question(u"Q%1"_s.arg(i), u"100101"_s, 61, u"B"_s, 4);
        c.open();
        run = std::make_unique<PracticeRun>(*c.dm, c.clock, policy);
        EXPECT_TRUE(run->load(PracticeQueries::chapterSet(PracticeMode::NewQuestions, u"100101"_s)));
        return *run;
    }
    qint64 timesAnswered(const QString& key)
    {
        return c.bank.integer(u"SELECT E3 FROM tab_answ WHERE A1 = ?"_s, {key});
    }

    TestContext c;
    std::unique_ptr<PracticeRun> run;
};

class PracticeRuns : public ::testing::Test, protected RunBank
{
};

} // namespace

TEST(RecordPolicies, sayInWhichModesARunRecordsAnAnswer)
{
    using R = PracticeRun::Recorded;
    struct Case
    {
        const char* name;
        RecordPolicy policy;
        RecordMode mode;
        R recorded;
    };
    const Case cases[] = {
        {"practice, leaving", Practice, RecordMode::Move, R::Answer},
        {"practice, 完成", Practice, RecordMode::Check, R::Answer},
        {"practice, closing", Practice, RecordMode::Silent, R::Answer},
        {"exam, leaving", ExamAnswering, RecordMode::Move, R::Answer},
        {"exam, no 完成", ExamAnswering, RecordMode::Check, R::Skipped},
        {"exam, hand-in", ExamAnswering, RecordMode::Silent, R::Answer},
        {"inspection, leaving", ExamInspected, RecordMode::Move, R::Skipped},
        {"inspection, closing", ExamInspected, RecordMode::Silent, R::Skipped},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        RunBank fixture; // a bank of its own per case
        PracticeRun& r = fixture.open(k.policy);
        EXPECT_EQ(r.record(1, u"A"_s, k.mode), k.recorded);
        const bool written = k.recorded == R::Answer;
        EXPECT_EQ(fixture.timesAnswered(u"Q1"_s), written ? 1 : 0);
        EXPECT_EQ(r.set().record(1).E2_1, written ? u"A"_s : u""_s);
    }
}

TEST_F(PracticeRuns, answersOnTheSameQuestionCountOncePerChangeAndAnEmptyOneClears)
{
    using R = PracticeRun::Recorded;
    PracticeRun& r = open(Practice);
    struct Step
    {
        QString answer;
        R recorded;
        qint64 timesAnswered;
        QString runAnswer;
    };
    const Step steps[] = {
        {u""_s, R::Empty, 0, u""_s}, // left without an answer: nothing is written
        {u"A"_s, R::Answer, 1, u"A"_s},
        {u"A"_s, R::Answer, 1, u"A"_s}, // the same answer again is not counted
        {u"B"_s, R::Answer, 2, u"B"_s},
        {u""_s, R::Empty, 2, u""_s}, // cleared again
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.answer.toStdString());
        EXPECT_EQ(r.record(2, s.answer, RecordMode::Move), s.recorded);
        EXPECT_EQ(timesAnswered(u"Q2"_s), s.timesAnswered);
        EXPECT_EQ(r.set().record(2).E2_1, s.runAnswer);
    }
    EXPECT_EQ(r.record(0, u"A"_s, RecordMode::Check), R::Skipped);
    EXPECT_EQ(r.record(4, u"A"_s, RecordMode::Check), R::Skipped);
}

TEST(RecordPolicies, aNumberButtonShowsRightWrongOrOnlyAnswered)
{
    struct Case
    {
        QString runAnswer;
        bool showsVerdict;
        NumberMark mark;
    };
    const Case cases[] = {
        {u""_s, true, NumberMark::Unanswered},  {u"B"_s, true, NumberMark::Right},
        {u"b"_s, true, NumberMark::Wrong},      {u"AB"_s, true, NumberMark::Wrong},
        {u""_s, false, NumberMark::Unanswered}, {u"B"_s, false, NumberMark::Answered},
        {u"A"_s, false, NumberMark::Answered},
    };
    for (const Case& k : cases) {
        QuestionRecord row;
        row.A2 = u"B"_s;
        row.E2_1 = k.runAnswer;
        RecordPolicy policy;
        policy.showsVerdict = k.showsVerdict;
        EXPECT_EQ(policy.markOf(row), k.mark) << k.runAnswer.toStdString() << k.showsVerdict;
    }
}

TEST_F(PracticeRuns, theClockRunsFromOpeningToClosingAndItsTimeGoesIntoTheLog)
{
    PracticeRun& r = open(Practice);
    EXPECT_EQ(r.elapsedText(), u"0:00:00"_s);
    EXPECT_FALSE(r.stop()); // never opened
    r.start();
    r.record(1, u"B"_s, RecordMode::Check); // today's log row comes with the first answer
    c.clock.advanceSeconds(3725);
    EXPECT_EQ(r.elapsedText(), u"1:02:05"_s);
    ASSERT_TRUE(r.stop());
    c.clock.advanceSeconds(60);
    EXPECT_EQ(r.elapsedText(), u"1:02:05"_s); // stopped
    EXPECT_FALSE(r.stop());                   // closed once only
    r.writeStudyLog();
    EXPECT_EQ(c.bank.text(u"SELECT D1 FROM tab_rz"_s), u"01:02:05"_s);
}

TEST_F(PracticeRuns, editsActOnTheQuestionShownOnly)
{
    PracticeRun& r = open(Practice);
    r.discard(); // none shown
    EXPECT_EQ(c.bank.integer(u"SELECT count(*) FROM tab_answ WHERE f1 = 1"_s), 0);
    r.setCurrent(2);
    ASSERT_NE(r.currentRecord(), nullptr);
    r.discard();
    r.markTimedOut();
    EXPECT_EQ(c.bank.text(u"SELECT f1 || e2 || csbs FROM tab_answ WHERE A1 = 'Q2'"_s), u"1zeroY"_s);
    r.undiscard();
    EXPECT_EQ(c.bank.text(u"SELECT f1 || e2 FROM tab_answ WHERE A1 = 'Q2'"_s), u"0zero"_s);
    EXPECT_EQ(r.currentRecord()->F1, 0);
    r.setCurrent(9);
    EXPECT_EQ(r.currentRecord(), nullptr);
}
