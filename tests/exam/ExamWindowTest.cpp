#include "PracticeFixture.h"

#include "exam/ExamClock.h"
#include "exam/MockExam.h"
#include "exam/PausePanel.h"
#include "exam/TFrmCheck.h"
#include "exam/TFrmExam.h"
#include "question/AnswerPad.h"
#include "question/FaceButton.h"
#include "question/QuestionView.h"
#include "store/ExamAnswerRecorder.h"
#include "store/PaperGenerator.h"
#include "store/PaperTable.h"

#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A bank of ten single-choice questions (answer "B") in chapter 100101: subject 1
// draws a paper of all ten.
struct ExamContext : PracticeContext
{
    ExamContext()
    {
        chapters().singleChoices(10);
        bank.exec(u"UPDATE tab_plan SET LeastMark = 0, ExamTime = 7200"_s);
    }
    AppContext& ctx()
    {
        if (!app)
            open();
        return *app;
    }
    QString paperTable() { return bank.text(u"SELECT A1 FROM tab_cj ORDER BY A3_1 DESC"_s); }
    qint64 answersLogged() { return bank.integer(u"SELECT coalesce(sum(A2), 0) FROM tab_rz"_s); }
    QString paperAnswer(const QString& key)
    {
        return bank.text(u"SELECT E2_1 FROM "_s + paperTable() + u" WHERE A1 = ?"_s, {key});
    }
    bool tableExists(const QString& table)
    {
        return bank.integer(u"SELECT count(*) FROM sqlite_master WHERE name = ?"_s, {table}) > 0;
    }
    // A new paper in an exam window that is shown, as "mnks" would open it.
    std::unique_ptr<TFrmExam> newExam()
    {
        const PaperGenerator::Paper paper = PaperGenerator(ctx().dm).generate(1);
        auto exam = std::make_unique<TFrmExam>(ctx());
        exam->PreparePaper(paper.A1, paper.A3, u"new"_s, 0, u"0:00:00"_s);
        exam->OpenPaper();
        exam->show();
        return exam;
    }
};

void choose(TFrmExam& exam, int option)
{
    exam.questionView()->pad()->option(AnswerPad::Single, option)->click();
}

void pressQuestion(TFrmExam& exam, int number)
{
    click(exam, u"questionButton"_s + QString::number(number));
}

} // namespace

TEST(ExamWindow, AWholeExamFromTheMenuToThePaperList)
{
    ExamContext t;
    AppContext& ctx = t.ctx();
    int shownQuestions = 0;
    t.windows.on(u"TFrmExam"_s, [&](QDialog& dialog) {
        auto& exam = static_cast<TFrmExam&>(dialog);
        EXPECT_EQ(exam.windowTitle(), u"正在答卷"_s);
        shownQuestions = int(exam.rows().size());
        EXPECT_TRUE(button(exam, u"questionButton10"_s)->isEnabled());
        EXPECT_FALSE(button(exam, u"questionButton11"_s)->isEnabled());
        EXPECT_FALSE(button(exam, u"btnExport"_s)->isEnabled());
        EXPECT_EQ(textOf(exam, u"typeLabel"_s), u"单项选择题 每题1分 共30分"_s);
        choose(exam, 1);                 // B, right
        EXPECT_EQ(t.answersLogged(), 0); // choosing alone records nothing
        pressQuestion(exam, 2);
        EXPECT_EQ(t.paperAnswer(u"Q001"_s), u"B"_s);
        EXPECT_EQ(t.answersLogged(), 1);
        EXPECT_EQ(exam.questionButton(0)->releasedFace().toImage(), exam.face(u"voskover.bmp"_s).toImage());
        pressQuestion(exam, 1);
        pressQuestion(exam, 2); // left again unchanged: counted once
        EXPECT_EQ(t.answersLogged(), 1);
        choose(exam, 2);     // C on question 2, wrong; recorded at hand-in
        t.prompts.answer(1); // "确定"
        click(exam, u"btnHandIn"_s);
        EXPECT_EQ(t.prompts.last().text, u"你还有8道题未做，确定要交卷吗？"_s);
        EXPECT_EQ(t.prompts.last().variant, Prompts::Variant::Exam);
        EXPECT_EQ(exam.ExamMode(), u"old"_s);
        EXPECT_EQ(exam.windowTitle(), u"查阅试卷"_s);
        EXPECT_EQ(textOf(exam, u"scoreLabel"_s), u"得分：1 分"_s);
        EXPECT_EQ(exam.questionButton(1)->releasedFace().toImage(), exam.face(u"voskno.bmp"_s).toImage());
        EXPECT_EQ(exam.questionButton(0)->pressedFace().toImage(), exam.face(u"voskdw_r.bmp"_s).toImage());
        click(exam, u"btnClose"_s);
    });
    MockExam::mnks(ctx, nullptr, 1);
    EXPECT_EQ(shownQuestions, 10);
    EXPECT_EQ(t.answersLogged(), 2);
    EXPECT_EQ(t.bank.text(u"SELECT A6 || '|' || D2 FROM tab_cj"_s), u"1.0|0:00:00"_s);

    TFrmCheck list(ctx);
    list.show();
    ASSERT_EQ(list.grid()->rowCount(), 1);
    EXPECT_EQ(list.grid()->item(0, 1)->text(), u"1"_s);
    EXPECT_EQ(textOf(list, u"examCount"_s), u"1"_s);
    EXPECT_EQ(textOf(list, u"tipLine"_s), u"[提示]：成绩少于 0 分的试卷，不被保留。"_s);
    bool inspected = false;
    t.windows.on(u"TFrmExam"_s, [&](QDialog& dialog) {
        auto& exam = static_cast<TFrmExam&>(dialog);
        inspected = exam.ExamMode() == u"old"_s && exam.rows().size() == 10;
        click(exam, u"btnClose"_s);
    });
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_TRUE(inspected);
    t.prompts.answer(1);
    click(list, u"btnDelete"_s);
    EXPECT_EQ(t.prompts.last().text, u"即将删除试卷，要继续么？"_s);
    EXPECT_EQ(list.grid()->rowCount(), 0);
    EXPECT_EQ(t.bank.integer(u"SELECT count(*) FROM tab_cj"_s), 0);
}

TEST(ExamWindow, PauseFreezesTheClockAndTheAnswerPad)
{
    ExamContext t;
    auto exam = t.newExam();
    t.clock.advanceSeconds(10);
    click(*exam, u"btnPause"_s);
    EXPECT_EQ(button(*exam, u"btnPause"_s)->text(), u"继续考试"_s);
    EXPECT_TRUE(exam->paused());
    EXPECT_FALSE(exam->questionView()->pad()->isEnabled());
    EXPECT_FALSE(button(*exam, u"btnHandIn"_s)->isEnabled());
    EXPECT_FALSE(button(*exam, u"btnPrevious"_s)->isEnabled());
    EXPECT_TRUE(exam->pausePanel()->scrolling());
    const int top = exam->pausePanel()->textTop();
    exam->pausePanel()->step();
    EXPECT_EQ(exam->pausePanel()->textTop(), top - 1);
    t.clock.advanceSeconds(100);
    exam->clockTick();
    EXPECT_EQ(exam->elapsedSeconds(), 10);
    click(*exam, u"btnPause"_s);
    EXPECT_TRUE(button(*exam, u"btnNext"_s)->isEnabled());
    EXPECT_FALSE(button(*exam, u"btnPrevious"_s)->isEnabled()); // question 1 as before
    t.clock.advanceSeconds(5);
    EXPECT_EQ(exam->elapsedSeconds(), 15);
}

TEST(ExamClockRule, TimeIsUpOnReachingOrPassingExamTime)
{
    EXPECT_FALSE(ExamClock::isTimeUp(59, 60));
    EXPECT_TRUE(ExamClock::isTimeUp(60, 60));
    EXPECT_TRUE(ExamClock::isTimeUp(62, 60)); // a late tick skipped 60
    EXPECT_FALSE(ExamClock::isTimeUp(100000, 0));
    EXPECT_EQ(ExamClock::text(3725), u"1:02:05"_s);
}

TEST(ExamWindow, ATickPastExamTimeMarksThePaperAfterTheMessage)
{
    ExamContext t;
    t.bank.exec(u"UPDATE tab_plan SET ExamTime = 60"_s);
    auto exam = t.newExam();
    choose(*exam, 1);
    t.clock.advanceSeconds(61);
    exam->clockTick();
    EXPECT_TRUE(t.prompts.last().system);
    EXPECT_EQ(t.prompts.last().text, u"很遗憾，考试时间到了！"_s);
    EXPECT_EQ(exam->ExamMode(), u"old"_s);
    EXPECT_EQ(exam->PaperScore(), 1); // the answer on the question shown counted
    EXPECT_EQ(exam->TimeUsed(), u"0:01:01"_s);
}

TEST(ExamWindow, HandInOutcomes)
{
    struct Case
    {
        int button;
        QString mode;
        bool paperKept;
    };
    for (const Case& c : {Case{1, u"old"_s, true}, Case{2, u"new"_s, false}, Case{3, u"new"_s, true}}) {
        ExamContext t;
        auto exam = t.newExam();
        const QString table = t.paperTable();
        t.prompts.answer(c.button);
        click(*exam, u"btnHandIn"_s);
        EXPECT_EQ(t.prompts.last().text, u"你还有10道题未做，确定要交卷吗？"_s) << c.button;
        EXPECT_EQ(exam->ExamMode(), c.mode) << c.button;
        EXPECT_EQ(t.tableExists(table), c.paperKept) << c.button;
        if (c.button == 1) {
            EXPECT_EQ(exam->PaperScore(), 0);
        }
    }
}

TEST(ExamWindow, AHundredUnansweredQuestionsAreDroppedUnasked)
{
    ExamContext t;
    t.singleChoices(30, u"100101"_s, u"R"_s);
    t.chapters(u"100102"_s);
    for (int i = 0; i < 40; ++i)
        t.bank.question(u"M%1"_s.arg(i, 2, 10, QChar(u'0')), u"100102"_s, 65, u"AB"_s);
    t.chapters(u"200101"_s);
    for (int i = 0; i < 30; ++i)
        t.bank.question(u"P%1"_s.arg(i, 2, 10, QChar(u'0')), i < 15 ? u"100101"_s : u"200101"_s, 66, u"A"_s);
    auto exam = t.newExam();
    ASSERT_EQ(exam->rows().size(), 100);
    const QString table = t.paperTable();
    const int messages = int(t.prompts.messages.size());
    click(*exam, u"btnHandIn"_s);
    EXPECT_EQ(t.prompts.messages.size(), messages);
    EXPECT_FALSE(t.tableExists(table));
    EXPECT_EQ(exam->result(), QDialog::Accepted);
}

TEST(ExamWindow, AMarkingFailureGivesTheExamBackIntact)
{
    ExamContext t;
    auto exam = t.newExam();
    choose(*exam, 1);
    t.bank.exec(u"DROP TABLE tab_tx1"_s); // the score query cannot run
    t.prompts.answer(1);
    click(*exam, u"btnHandIn"_s);
    EXPECT_EQ(t.prompts.last().text, u"发生错误！"_s);
    EXPECT_EQ(exam->ExamMode(), u"new"_s);
    EXPECT_TRUE(exam->isVisible());
    EXPECT_TRUE(t.tableExists(t.paperTable()));
    EXPECT_EQ(t.paperAnswer(u"Q001"_s), u"B"_s);
    EXPECT_TRUE(button(*exam, u"btnHandIn"_s)->isEnabled());
    t.clock.advanceSeconds(3);
    EXPECT_EQ(exam->elapsedSeconds(), 3); // the clock counts again
}

TEST(ExamWindow, AFailedWriteKeepsTheUserOnTheQuestion)
{
    ExamContext t;
    auto exam = t.newExam();
    t.bank.exec(u"CREATE TRIGGER refuse BEFORE UPDATE ON "_s + t.paperTable() +
                u" BEGIN SELECT RAISE(ABORT, 'disk full'); END"_s);
    choose(*exam, 1);
    pressQuestion(*exam, 2);
    EXPECT_TRUE(t.prompts.last().text.startsWith(u"第1题的答案没有保存"_s))
        << qPrintable(t.prompts.last().text);
    EXPECT_EQ(exam->currentQuestion(), 1);
    EXPECT_TRUE(exam->questionButton(0)->isChecked());
    EXPECT_EQ(exam->questionView()->pad()->answer(), u"B"_s);
    EXPECT_EQ(t.answersLogged(), 0);
}

TEST(ExamWindow, AnUnfinishedPaperResumesWithItsAnswersAndClock)
{
    ExamContext t;
    AppContext& ctx = t.ctx();
    const PaperGenerator::Paper paper = PaperGenerator(ctx.dm).generate(1);
    QuestionRecord first = PaperTable(ctx.dm, paper.A1).rows().front();
    ExamAnswerRecorder(ctx.dm, paper.A1).record(first, u"B"_s, 125);

    bool resumed = false;
    t.windows.on(u"TFrmExam"_s, [&](QDialog& dialog) {
        auto& exam = static_cast<TFrmExam&>(dialog);
        resumed = exam.rows().front().E2_1 == u"B"_s && exam.elapsedSeconds() == 125 &&
                  exam.questionView()->pad()->answer() == u"B"_s;
        dialog.reject();
    });
    t.prompts.answer(1); // continue
    MockExam::mnks(ctx, nullptr, 1);
    EXPECT_TRUE(resumed);
    EXPECT_EQ(t.bank.integer(u"SELECT count(*) FROM tab_cj"_s), 1); // nothing drawn

    t.windows.on(u"TFrmExam"_s, [](QDialog& dialog) { dialog.reject(); });
    t.prompts.answer(2); // decline: dropped, a new paper drawn
    MockExam::mnks(ctx, nullptr, 1);
    EXPECT_EQ(t.bank.integer(u"SELECT count(*) FROM tab_cj"_s), 1);
    EXPECT_EQ(t.bank.integer(u"SELECT count(*) FROM "_s + t.paperTable() + u" WHERE E2_1 <> ''"_s), 0);
}
