#include "ExamFixture.h"

#include "store/ExamAnswerRecorder.h"
#include "store/ExamProgress.h"
#include "store/PaperGenerator.h"
#include "store/PaperMarking.h"
#include "store/PaperTable.h"
#include "store/QuestionRecord.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class ExamAnswers : public ::testing::Test, public ExamFixture
{
protected:
    void SetUp() override
    {
        bank.chapter(u"1"_s).chapter(u"10"_s).chapter(u"100101"_s);
        questions(u"S"_s, u"100101"_s, 61, 3, u"B"_s);
        bank.type(1, 61, u"单选题"_s, 30, 1);
        paper = PaperGenerator(dm()).generate(1).A1;
    }

    QuestionRecord row(const QString& key)
    {
        for (const QuestionRecord& r : PaperTable(dm(), paper).rows())
            if (r.A1 == key)
                return r;
        return {};
    }
    QString counters()
    {
        return bank.text(u"SELECT D1 || ',' || D2 || '|' || (SELECT A2 || ',' || coalesce(A3, 0) FROM tab_rz)"
                         u" FROM tab_kmmc WHERE C1 = '1'"_s);
    }
    QString bankRecord(const QString& key)
    {
        return bank.text(u"SELECT E2 || '|' || E3 || '|' || E4 FROM tab_answ WHERE A1 = ?"_s, {key});
    }

    QString paper;
};

} // namespace

TEST_F(ExamAnswers, aChangedAnswerCountsOnceAndUpdatesPaperAndQuestionRecord)
{
    ExamAnswerRecorder recorder(dm(), paper);
    QuestionRecord q = row(u"S00"_s);
    EXPECT_TRUE(recorder.record(q, u"C"_s, 30).counted);
    EXPECT_EQ(counters(), u"1,1|1,1"_s);
    EXPECT_EQ(bankRecord(u"S00"_s), u"C|4|-3"_s); // E3 started at 3
    EXPECT_EQ(bank.text(u"SELECT E2_1 || '|' || E2 || '|' || E1 FROM "_s + paper + u" WHERE A1 = 'S00'"_s),
              u"C|C|2026-12-08"_s);
    EXPECT_EQ(q.E2_1, u"C"_s);

    EXPECT_FALSE(recorder.record(q, u"C"_s, 40).counted); // leaving it again unchanged
    EXPECT_EQ(counters(), u"1,1|1,1"_s);

    EXPECT_TRUE(recorder.record(q, u"B"_s, 50).counted);
    EXPECT_EQ(counters(), u"2,1|2,1"_s);
    EXPECT_EQ(bankRecord(u"S00"_s), u"B|5|-2"_s);

    recorder.record(q, QString(), 60); // cleared: unanswered again, nothing counted
    EXPECT_EQ(counters(), u"2,1|2,1"_s);
    EXPECT_EQ(PaperTable(dm(), paper).unansweredCount(), 3);
}

TEST_F(ExamAnswers, aFailedAnswerChangesNothing)
{
    bank.exec(u"CREATE TRIGGER refuse BEFORE UPDATE ON tab_answ BEGIN SELECT RAISE(ABORT, 'no'); END"_s);
    QuestionRecord q = row(u"S01"_s);
    EXPECT_THROW(ExamAnswerRecorder(dm(), paper).record(q, u"B"_s, 10), StoreError);
    EXPECT_TRUE(q.E2_1.isEmpty());
    EXPECT_EQ(PaperTable(dm(), paper).answeredCount(), 0);
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM tab_rz"_s), 0);
}

TEST_F(ExamAnswers, anAnsweredUnmarkedPaperOfTheSubjectCanBeResumedWithItsClock)
{
    ExamProgress progress(dm());
    EXPECT_FALSE(progress.unfinished(1)) << "no answer yet";
    QuestionRecord q = row(u"S02"_s);
    ExamAnswerRecorder(dm(), paper).record(q, u"B"_s, 125);
    progress.saveElapsed(paper, 150); // the clock's own periodic save
    const auto found = progress.unfinished(1);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->A1, paper);
    EXPECT_EQ(found->elapsedSeconds, 150);
    EXPECT_EQ(found->answered, 1);
    EXPECT_FALSE(progress.unfinished(2)) << "another subject";

    PaperMarking(dm()).MarkPaper(paper, 1, u"0:02:30"_s);
    EXPECT_FALSE(progress.unfinished(1)) << "marked";
}

TEST_F(ExamAnswers, aDroppedPaperIsNotResumed)
{
    QuestionRecord q = row(u"S02"_s);
    ExamAnswerRecorder(dm(), paper).record(q, u"B"_s, 5);
    bank.exec(u"DROP TABLE "_s + paper); // the table went missing behind the program's back
    EXPECT_FALSE(ExamProgress(dm()).unfinished(1));
}
