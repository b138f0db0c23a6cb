#include "PracticeFixture.h"

#include "practice/TFrmLxxt.h"
#include "question/AnswerPad.h"
#include "question/FaceButton.h"
#include "question/MissingPicture.h"
#include "question/QuestionView.h"
#include "question/VerdictPanel.h"
#include "store/PracticeQueries.h"
#include "store/QuestionRecord.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QSplitter>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class PracticeWindow : public ::testing::Test
{
protected:
    TFrmLxxt& open(PracticeMode mode = PracticeMode::NewQuestions, const QString& chapter = u"100101"_s)
    {
        AppContext& ctx = c.open();
        ctx.PracticeQuery = PracticeQueries::chapterSet(mode, chapter);
        window = std::make_unique<TFrmLxxt>(ctx);
        EXPECT_TRUE(window->LoadPracticeSet());
        window->show();
        return *window;
    }

    AnswerPad& pad() { return *window->questionView()->pad(); }
    const QuestionRecord& current() { return window->practiceSet().record(window->CurrentRecNo()); }
    void choose(const QString& letters)
    {
        for (const QChar letter : letters)
            pad().option(pad().page(), letter.unicode() - u'A')->click();
    }
    void press(const QString& name) { click(*window, name); }
    QString stored(const QString& key)
    {
        return c.bank.text(u"SELECT coalesce(E2_1, '') || '|' || coalesce(E2, '') || '|' || E3 || '|' || E4"
                           u" FROM tab_answ WHERE A1 = ?"_s,
                           {key});
    }
    QString chapterCounters(const QString& code)
    {
        return c.bank.text(u"SELECT C4 || ',' || D1 || ',' || D2 FROM tab_kmmc WHERE C1 = ?"_s, {code});
    }
    bool releasedFaceIs(int index, const QString& file)
    {
        return window->numberButton(index)->releasedFace().cacheKey() == window->face(file).cacheKey();
    }
    bool pressedFaceIs(int index, const QString& file)
    {
        return window->numberButton(index)->pressedFace().cacheKey() == window->face(file).cacheKey();
    }

    PracticeContext c;
    std::unique_ptr<TFrmLxxt> window;
};

} // namespace

TEST_F(PracticeWindow, fortyFiveQuestionsMakeThreeGroups)
{
    c.chapters().singleChoices(45);
    TFrmLxxt& w = open();
    EXPECT_EQ(textOf(w, u"groupInfo"_s), u"共3组45道题"_s);
    EXPECT_EQ(textOf(w, u"groupShown"_s), u"第1组"_s);
    EXPECT_FALSE(button(w, u"btnPreviousGroup"_s)->isEnabled());
    EXPECT_TRUE(button(w, u"btnNextGroup"_s)->isEnabled());
    EXPECT_EQ(w.CurrentRecNo(), 1);
    EXPECT_EQ(current().A1, u"Q001"_s);
    EXPECT_EQ(textOf(w, u"questionLine"_s), u"第1题（第1次出现）"_s);

    press(u"btnNextGroup"_s);
    EXPECT_EQ(w.CurrentRecNo(), 21);
    EXPECT_EQ(textOf(w, u"questionLine"_s), u"第1题（第1次出现）"_s);
    press(u"btnNextGroup"_s);
    EXPECT_EQ(textOf(w, u"groupShown"_s), u"第3组"_s);
    EXPECT_EQ(w.GroupStart(), 41);
    EXPECT_EQ(w.GroupCount(), 5);
    for (int i = 0; i < TFrmLxxt::GroupSize; ++i) {
        EXPECT_EQ(w.numberButton(i)->isEnabled(), i < 5) << i;
        EXPECT_EQ(w.recordOfButton(i), i < 5 ? 41 + i : 0) << i;
    }
    EXPECT_FALSE(button(w, u"btnNextGroup"_s)->isEnabled());
    EXPECT_TRUE(button(w, u"btnPreviousGroup"_s)->isEnabled());

    press(u"numberButton5"_s);
    EXPECT_EQ(current().A1, u"Q045"_s);
    EXPECT_FALSE(button(w, u"btnNext"_s)->isEnabled());
    press(u"btnNext"_s);
    EXPECT_EQ(w.CurrentRecNo(), 45);
}

TEST_F(PracticeWindow, twentyQuestionsMakeOneGroup)
{
    c.chapters().singleChoices(20);
    TFrmLxxt& w = open();
    EXPECT_EQ(textOf(w, u"groupInfo"_s), u"共1组20道题"_s);
    EXPECT_FALSE(button(w, u"btnNextGroup"_s)->isEnabled());
    EXPECT_FALSE(button(w, u"btnPrevious"_s)->isEnabled());
    press(u"numberButton20"_s);
    EXPECT_EQ(w.CurrentRecNo(), 20);
    EXPECT_FALSE(button(w, u"btnNext"_s)->isEnabled());
    EXPECT_EQ(textOf(w, u"questionLine"_s), u"第20题（第1次出现）"_s);
}

TEST_F(PracticeWindow, previousAndNextCrossGroupsAtTheirFirstQuestion)
{
    c.chapters().singleChoices(45);
    TFrmLxxt& w = open();
    press(u"numberButton20"_s);
    press(u"btnNext"_s);
    EXPECT_EQ(w.CurrentRecNo(), 21);
    EXPECT_EQ(w.groupShown(), 2);
    // Back across the boundary lands on the first question of the group before, not its last.
    press(u"btnPrevious"_s);
    EXPECT_EQ(w.groupShown(), 1);
    EXPECT_EQ(w.CurrentRecNo(), 1);
    EXPECT_FALSE(button(w, u"btnPreviousGroup"_s)->isEnabled());
    EXPECT_TRUE(button(w, u"btnNextGroup"_s)->isEnabled());
    // In the first group "上一题" is off at question 1.
    EXPECT_FALSE(button(w, u"btnPrevious"_s)->isEnabled());
    press(u"numberButton2"_s);
    press(u"btnPrevious"_s);
    EXPECT_EQ(w.CurrentRecNo(), 1);
}

TEST_F(PracticeWindow, appearanceCountFollowsEarlierAnswers)
{
    c.chapters().singleChoices(2);
    c.bank.exec(u"UPDATE tab_answ SET E3 = 3, E2 = 'B' WHERE A1 = 'Q002'"_s);
    c.open();
    c.app->PracticeQuery = PracticeQueries::chapterSet(PracticeMode::Review, u"100101"_s);
    window = std::make_unique<TFrmLxxt>(*c.app);
    ASSERT_TRUE(window->LoadPracticeSet());
    window->show();
    EXPECT_EQ(textOf(*window, u"questionLine"_s), u"第1题（第4次出现）"_s);
}

TEST_F(PracticeWindow, switchingTypeRecordsTheShownQuestionFirst)
{
    c.chapters().singleChoices(3);
    c.bank.question(u"M001"_s, u"100101"_s, 65, u"ACD"_s, 5);
    TFrmLxxt& w = open();
    EXPECT_FALSE(button(w, u"typeButton66"_s)->isEnabled());
    EXPECT_FALSE(button(w, u"typeButton62"_s)->isEnabled());
    EXPECT_TRUE(button(w, u"typeButton65"_s)->isEnabled());
    choose(u"B"_s);
    press(u"typeButton65"_s);
    EXPECT_EQ(stored(u"Q001"_s), u"B|B|1|0"_s);
    EXPECT_TRUE(c.prompts.messages.isEmpty());
    // Record numbers restart within the type.
    EXPECT_EQ(w.CurrentRecNo(), 1);
    EXPECT_EQ(current().A1, u"M001"_s);
    EXPECT_EQ(textOf(w, u"groupInfo"_s), u"共1组1道题"_s);
    EXPECT_EQ(pad().page(), AnswerPad::Multiple);
    EXPECT_EQ(pad().subjectiveLabel(), u"多\n项"_s);
    EXPECT_TRUE(w.numberButton(1)->isHidden() || !w.numberButton(1)->isEnabled());

    press(u"typeButton0"_s);
    EXPECT_EQ(pad().subjectiveLabel(), u"主\n观"_s);
    EXPECT_EQ(current().A1, u"Q001"_s);
    EXPECT_TRUE(pressedFaceIs(0, u"voskdw_r.bmp"_s));
    EXPECT_EQ(pad().answer(), u"B"_s);
}

TEST_F(PracticeWindow, anAnswerIsCountedOncePerDistinctAnswer)
{
    c.chapters().singleChoices(2);
    TFrmLxxt& w = open();
    choose(u"C"_s);
    press(u"btnFinish"_s);
    EXPECT_EQ(stored(u"Q001"_s), u"C|C|1|-3"_s);
    EXPECT_TRUE(pressedFaceIs(0, u"voskdw_w.bmp"_s));
    press(u"btnFinish"_s);
    EXPECT_EQ(stored(u"Q001"_s), u"C|C|1|-3"_s);
    EXPECT_EQ(chapterCounters(u"100101"_s), u"1,1,1"_s);

    choose(u"B"_s);
    press(u"btnFinish"_s);
    EXPECT_EQ(stored(u"Q001"_s), u"B|B|2|-2"_s);
    EXPECT_EQ(chapterCounters(u"100101"_s), u"1,2,1"_s);
    EXPECT_EQ(chapterCounters(u"1"_s), u"1,2,1"_s);
    EXPECT_TRUE(pressedFaceIs(0, u"voskdw_r.bmp"_s));
    EXPECT_TRUE(button(w, u"btnAnswer"_s)->isEnabled());

    // Leaving counts nothing more; the button shows the verdict when released.
    press(u"btnNext"_s);
    EXPECT_EQ(stored(u"Q001"_s), u"B|B|2|-2"_s);
    EXPECT_TRUE(releasedFaceIs(0, u"voskyes.bmp"_s));
    EXPECT_EQ(c.bank.text(u"SELECT A2 || ',' || A3 || ',' || B1 || ',' || B2 FROM tab_rz"_s), u"2,1,1,0"_s);
}

TEST_F(PracticeWindow, multipleChoiceLettersAreReadInOrder)
{
    c.chapters();
    c.bank.question(u"M001"_s, u"100101"_s, 65, u"ACD"_s, 5);
    c.bank.question(u"M002"_s, u"100101"_s, 65, u"ACD"_s, 5);
    open();
    choose(u"CAD"_s);
    press(u"btnNext"_s);
    choose(u"AC"_s);
    press(u"btnPrevious"_s);
    EXPECT_EQ(stored(u"M001"_s), u"ACD|ACD|1|0"_s);
    EXPECT_EQ(stored(u"M002"_s), u"AC|AC|1|-3"_s);
    EXPECT_TRUE(releasedFaceIs(1, u"voskno.bmp"_s));
    // The shown question's controls come back from its run answer.
    EXPECT_EQ(pad().answer(), u"ACD"_s);
}

TEST_F(PracticeWindow, finishingWithoutAnAnswerClearsTheRunAnswer)
{
    c.chapters().singleChoices(2);
    TFrmLxxt& w = open();
    choose(u"B"_s);
    press(u"btnFinish"_s);
    choose(u"B"_s); // released again
    press(u"btnFinish"_s);
    EXPECT_EQ(c.prompts.last().title, u"提示"_s);
    EXPECT_EQ(c.prompts.last().text, u"请先做出答案！"_s);
    EXPECT_EQ(c.prompts.last().buttonSet, Prompts::ButtonSet::Ok);
    EXPECT_EQ(c.prompts.last().page, Prompts::Picture::Warning);
    EXPECT_EQ(stored(u"Q001"_s), u"|B|1|0"_s);
    EXPECT_TRUE(pressedFaceIs(0, u"voskdw.bmp"_s));

    press(u"btnNext"_s);
    EXPECT_TRUE(releasedFaceIs(0, u"voskup.bmp"_s));
    EXPECT_FALSE(button(w, u"btnAnswer"_s)->isEnabled());
    EXPECT_FALSE(button(w, u"btnPoints"_s)->isEnabled());
}

TEST_F(PracticeWindow, leavingAQuestionUnansweredShowsItAsNotAnswered)
{
    c.chapters().singleChoices(2);
    TFrmLxxt& w = open();
    choose(u"B"_s);
    press(u"btnNext"_s);
    EXPECT_TRUE(releasedFaceIs(0, u"voskyes.bmp"_s));
    press(u"btnPrevious"_s);
    choose(u"B"_s);
    press(u"btnNext"_s);
    EXPECT_TRUE(releasedFaceIs(0, u"voskup.bmp"_s));
    EXPECT_EQ(stored(u"Q001"_s), u"|B|1|0"_s);
    EXPECT_EQ(w.CurrentRecNo(), 2);
}

TEST_F(PracticeWindow, discardingAUserQuestionAndTakingItBack)
{
    c.chapters();
    c.bank.question(u"US100101612000001"_s, u"100101"_s, 61, u"B"_s, 2);
    c.bank.exec(u"UPDATE tab_answ SET F1 = 2"_s);
    TFrmLxxt& w = open();
    EXPECT_EQ(textOf(w, u"statusRed"_s), u"本题是您加入的题目！"_s);
    const QString f1 = u"SELECT F1 || '|' || coalesce(E2, '') FROM tab_answ"_s;

    press(u"btnDiscard"_s);
    EXPECT_EQ(c.bank.text(f1), u"1|zero"_s);
    EXPECT_EQ(textOf(w, u"statusRed"_s), u"本题已被您作废！"_s);
    EXPECT_EQ(button(w, u"btnDiscard"_s)->text(), u"取消作废"_s);

    press(u"btnDiscard"_s);
    EXPECT_EQ(c.bank.text(f1), u"0|zero"_s);
    EXPECT_EQ(textOf(w, u"statusRed"_s), u"本题曾被作废，现已被您取消！"_s);
    EXPECT_EQ(button(w, u"btnDiscard"_s)->text(), u"题目作废"_s);
}

TEST_F(PracticeWindow, aDiscardedQuestionShowsItsStateWhenShown)
{
    c.chapters().singleChoices(1);
    c.bank.exec(u"UPDATE tab_answ SET F1 = 1, E2 = 'zero', ecount = 1"_s);
    TFrmLxxt& w = open(PracticeMode::Review);
    EXPECT_EQ(textOf(w, u"statusRed"_s), u"本题已被您作废！"_s);
    EXPECT_EQ(button(w, u"btnDiscard"_s)->text(), u"取消作废"_s);
    EXPECT_EQ(textOf(w, u"statusBold"_s), u"本题被您修改过"_s);
    EXPECT_TRUE(button(w, u"btnEdit"_s)->isEnabled());
    // "修改本题" with the editing cancelled: the time limit goes on.
    click(w, u"btnEdit"_s);
    EXPECT_EQ(c.actions.editsOpened, 1);
    EXPECT_TRUE(w.timeLimitRunning());
}

TEST_F(PracticeWindow, theTimeLimitEndsOnTheTickAfterTheGaugeIsFull)
{
    c.chapters().singleChoices(1);
    c.bank.question(u"M001"_s, u"100101"_s, 65, u"AC"_s);
    AppContext& ctx = c.open();
    ctx.AnswerTimeTypes = {61};
    ctx.AnswerTimeIntervals = {1200};
    ctx.PracticeQuery = PracticeQueries::chapterSet(PracticeMode::NewQuestions, u"100101"_s);
    window = std::make_unique<TFrmLxxt>(ctx);
    ASSERT_TRUE(window->LoadPracticeSet());
    window->show();

    struct Case
    {
        int recNo;
        int interval;
        QString key;
    };
    for (const Case& listed : {Case{1, 1200, u"Q001"_s}, Case{2, 600, u"M001"_s}}) {
        click(*window, u"numberButton"_s + QString::number(listed.recNo));
        EXPECT_EQ(window->timeLimitInterval(), listed.interval);
        EXPECT_TRUE(window->timeLimitRunning());
        EXPECT_EQ(window->gaugeValue(), 0);
        c.prompts.messages.clear();
        for (int tick = 0; tick < 100; ++tick)
            window->timeLimitTick();
        EXPECT_EQ(window->gaugeValue(), 100);
        EXPECT_TRUE(c.prompts.messages.isEmpty());
        EXPECT_TRUE(c.bank.text(u"SELECT csbs FROM tab_answ WHERE A1 = ?"_s, {listed.key}).isEmpty());
        window->timeLimitTick();
        ASSERT_EQ(c.prompts.messages.size(), 1);
        EXPECT_EQ(c.prompts.last().text, u"到时间了"_s);
        EXPECT_EQ(c.prompts.last().page, Prompts::Picture::Warning);
        EXPECT_FALSE(window->timeLimitRunning());
        EXPECT_EQ(c.bank.text(u"SELECT csbs FROM tab_answ WHERE A1 = ?"_s, {listed.key}), u"Y"_s);
    }
}

TEST_F(PracticeWindow, theVerdictPanelSlidesOverTheStemsAndClosesOnTheNextQuestion)
{
    c.chapters().singleChoices(2);
    TFrmLxxt& w = open();
    QuestionView* view = w.questionView();
    EXPECT_EQ(view->verdictWidth(), 0);
    choose(u"D"_s);
    press(u"btnFinish"_s);
    press(u"btnAnswer"_s);
    EXPECT_EQ(button(w, u"btnAnswer"_s)->text(), u"返回"_s);
    EXPECT_EQ(view->verdictWidth(), view->stemArea()->width());
    EXPECT_EQ(view->verdictPanel()->heading(), u"很遗憾，做错了，请继续努力！"_s);
    EXPECT_EQ(view->verdictPanel()->mine(), u"D"_s);
    EXPECT_EQ(view->verdictPanel()->correct(), u"B"_s);
    press(u"btnAnswer"_s);
    EXPECT_EQ(view->verdictWidth(), 0);
    EXPECT_EQ(button(w, u"btnAnswer"_s)->text(), u"答案"_s);

    choose(u"B"_s);
    press(u"btnAnswer"_s);
    EXPECT_EQ(view->verdictPanel()->heading(), u"恭喜你，做对了！"_s);
    press(u"btnNext"_s);
    EXPECT_FALSE(view->verdictOpen());
    EXPECT_EQ(view->verdictWidth(), 0);
    EXPECT_EQ(button(w, u"btnAnswer"_s)->text(), u"答案"_s);
}

TEST_F(PracticeWindow, typesWithoutAShownAnswerKeepTheAnswerButtonOff)
{
    c.chapters();
    c.bank.question(u"T001"_s, u"100101"_s, 71, u"1"_s, 1, {u"010101000001"_s});
    c.bank.point(u"010101000001"_s);
    TFrmLxxt& w = open();
    // Type 71 selects no page: the subjective page shown at opening stays.
    EXPECT_EQ(pad().page(), AnswerPad::Subjective);
    pad().subjectiveChoice()->setCurrentIndex(1);
    press(u"btnFinish"_s);
    EXPECT_EQ(stored(u"T001"_s), u"1|1|1|0"_s);
    EXPECT_FALSE(button(w, u"btnAnswer"_s)->isEnabled());
    EXPECT_TRUE(button(w, u"btnPoints"_s)->isEnabled());
}

TEST_F(PracticeWindow, aSharedStemShowsAboveTheQuestionsOwnStem)
{
    c.chapters().singleChoices(1);
    c.bank.stem(u"CASE000000000001"_s, u"病例：男，45岁。"_s);
    c.bank.question(u"CASE000000000001-1"_s, u"100101"_s, 61, u"A"_s, 4, {}, u"诊断是？"_s);
    c.bank.question(u"CASE000000000001-2"_s, u"100101"_s, 61, u"C"_s, 4, {}, u"治疗是？"_s);
    c.bank.exec(u"UPDATE tab_answ SET xx = 0 WHERE A1 = 'Q001'"_s);
    TFrmLxxt& w = open();
    QuestionView* view = w.questionView();
    EXPECT_TRUE(view->lowerPaneCollapsed());
    EXPECT_EQ(view->upperStem()->toPlainText(), u"题干 Q001"_s);

    press(u"btnNext"_s);
    EXPECT_EQ(view->upperStem()->toPlainText(), u"病例：男，45岁。"_s);
    EXPECT_EQ(view->lowerStem()->toPlainText(), u"诊断是？"_s);
    EXPECT_EQ(view->lowerPaneHeight(), QuestionView::SharedStemPaneHeight);
    EXPECT_EQ(view->splitterHandleHeight(), QuestionView::SplitterHandleHeight);

    // Where the user drags the splitter holds while shared-stem questions follow each other.
    const QList<int> sizes = view->splitter()->sizes();
    view->splitter()->setSizes({sizes[0] - 60, sizes[1] + 60});
    press(u"btnNext"_s);
    EXPECT_EQ(view->lowerStem()->toPlainText(), u"治疗是？"_s);
    EXPECT_EQ(view->lowerPaneHeight(), QuestionView::SharedStemPaneHeight + 60);

    press(u"numberButton1"_s);
    EXPECT_TRUE(view->lowerPaneCollapsed());
    EXPECT_EQ(view->lowerPaneHeight(), 0);
}

TEST_F(PracticeWindow, keysAnswerAndMoveOnTheChoicePages)
{
    c.chapters().singleChoices(2);
    TFrmLxxt& w = open();
    QTest::keyClick(&w, Qt::Key_B);
    QTest::keyClick(&w, Qt::Key_Return);
    EXPECT_EQ(w.CurrentRecNo(), 2);
    EXPECT_EQ(stored(u"Q001"_s), u"B|B|1|0"_s);
    QTest::keyClick(&w, Qt::Key_Backspace);
    EXPECT_EQ(w.CurrentRecNo(), 1);
}

TEST_F(PracticeWindow, keysWorkAsSoonAsTheWindowOpens)
{
    // Typed keys go to the focused widget: no text pane may hold the focus when the window opens.
    c.chapters().singleChoices(2);
    TFrmLxxt& w = open();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(qobject_cast<QTextEdit*>(focused), nullptr) << focused->objectName().toStdString();
    QTest::keyClick(focused, Qt::Key_B);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w.CurrentRecNo(), 2);
    EXPECT_EQ(stored(u"Q001"_s), u"B|B|1|0"_s);
}

TEST_F(PracticeWindow, theTopButtonsReachSettingsAndTheDesktopAndEscapeKeepsTheRun)
{
    c.chapters().singleChoices(1);
    TFrmLxxt& w = open();
    c.app->SettingsMode = 1;
    press(u"btnSettings"_s);
    EXPECT_EQ(c.actions.settingsOpened, 1);
    EXPECT_EQ(c.app->SettingsMode, 0);
    press(u"btnDesktop"_s);
    EXPECT_EQ(c.shell.desktopShown, 1);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(c.bank.integer(u"SELECT count(*) FROM tab_rz"_s), 0);
}

TEST_F(PracticeWindow, aDatabaseFailureWhileRecordingIsShownAndChangesNothing)
{
    c.chapters().singleChoices(2);
    open();
    c.bank.exec(
        u"CREATE TRIGGER refuse BEFORE UPDATE ON tab_kmmc BEGIN SELECT RAISE(ABORT, 'disk is full'); END"_s);
    choose(u"B"_s);
    press(u"btnFinish"_s);
    ASSERT_FALSE(c.prompts.messages.isEmpty());
    EXPECT_EQ(c.prompts.last().title, u"错误"_s);
    EXPECT_TRUE(c.prompts.last().text.contains(u"disk is full"_s)) << c.prompts.last().text.toStdString();
    EXPECT_EQ(c.prompts.last().page, Prompts::Picture::Error);
    EXPECT_EQ(c.prompts.last().variant, Prompts::Variant::Plain);
    EXPECT_EQ(stored(u"Q001"_s), u"||0|0"_s);
    EXPECT_EQ(c.bank.integer(u"SELECT count(*) FROM tab_rz"_s), 0);
    EXPECT_TRUE(current().E2_1.isEmpty());

    c.bank.exec(u"DROP TRIGGER refuse"_s);
    press(u"btnFinish"_s);
    EXPECT_EQ(stored(u"Q001"_s), u"B|B|1|0"_s);
    EXPECT_EQ(chapterCounters(u"100101"_s), u"1,1,0"_s);
}

TEST_F(PracticeWindow, anAnswerThatCannotBeRecordedKeepsTheUserOnTheQuestionWithItChosen)
{
    c.chapters().singleChoices(2);
    TFrmLxxt& w = open();
    c.bank.exec(
        u"CREATE TRIGGER refuse BEFORE UPDATE ON tab_kmmc BEGIN SELECT RAISE(ABORT, 'disk is full'); END"_s);
    choose(u"B"_s);
    press(u"btnNext"_s);

    EXPECT_EQ(w.CurrentRecNo(), 1);
    EXPECT_EQ(pad().answer(), u"B"_s);
    EXPECT_TRUE(w.numberButton(0)->isChecked());
    ASSERT_EQ(c.prompts.messages.size(), 1);
    EXPECT_TRUE(c.prompts.last().text.contains(u"没有保存"_s)) << c.prompts.last().text.toStdString();
    EXPECT_TRUE(c.prompts.last().text.contains(u"disk is full"_s));
    EXPECT_EQ(stored(u"Q001"_s), u"||0|0"_s);

    c.bank.exec(u"DROP TRIGGER refuse"_s);
    press(u"btnNext"_s);
    EXPECT_EQ(w.CurrentRecNo(), 2);
    EXPECT_EQ(stored(u"Q001"_s), u"B|B|1|0"_s);
}

TEST_F(PracticeWindow, closingRecordsTheLastAnswerAndTheRunsTime)
{
    c.chapters().singleChoices(2);
    TFrmLxxt& w = open();
    choose(u"A"_s);
    c.clock.advanceSeconds(3725);
    w.clockTick();
    EXPECT_EQ(textOf(w, u"clockLabel"_s), u"1:02:05"_s);
    w.reject();
    EXPECT_EQ(stored(u"Q001"_s), u"A|A|1|-3"_s);
    EXPECT_EQ(c.bank.text(u"SELECT D1 FROM tab_rz"_s), u"01:02:05"_s);
    EXPECT_EQ(c.bank.text(u"SELECT C6 FROM tab_kmmc WHERE C1 = '100101'"_s), u"0.00"_s);
    // Closed once only.
    w.reject();
    EXPECT_EQ(c.bank.text(u"SELECT D1 FROM tab_rz"_s), u"01:02:05"_s);
}

TEST_F(PracticeWindow, aMissingPictureIsReportedToTheWindowsCreator)
{
    struct Case
    {
        QString missing;
        bool whenCreated; // a number face is read when the window is created, a type face with the set
    };
    for (const Case& k : {Case{u"voskdw_w.bmp"_s, true}, Case{u"vosktxdw.bmp"_s, false}}) {
        SCOPED_TRACE(k.missing.toStdString());
        PracticeContext fresh;
        fresh.chapters().singleChoices(1);
        fresh.removePicture(k.missing);
        AppContext& ctx = fresh.open();
        ctx.PracticeQuery = PracticeQueries::chapterSet(PracticeMode::NewQuestions, u"100101"_s);
        try {
            TFrmLxxt practice(ctx);
            EXPECT_FALSE(k.whenCreated);
            practice.LoadPracticeSet();
            ADD_FAILURE() << "no MissingPicture";
        } catch (const MissingPicture& e) {
            EXPECT_EQ(e.file(), k.missing);
        }
        // The window itself says nothing and ends nothing: its creator does.
        EXPECT_TRUE(fresh.prompts.messages.isEmpty());
    }
}

// "完成", "答案" and "笔记" have keys of their own, told in their tooltips; the captions stay.
TEST_F(PracticeWindow, theFrequentButtonsHaveShortcutsShownInTheirTooltips)
{
    c.chapters().singleChoices(3);
    TFrmLxxt& w = open();
    const struct
    {
        const char* name;
        QString caption;
        QKeySequence keys;
    } cases[] = {{"btnFinish", u"完成"_s, QKeySequence(Qt::CTRL | Qt::Key_Return)},
                 {"btnAnswer", u"答案"_s, QKeySequence(Qt::CTRL | Qt::Key_D)},
                 {"btnNote", u"笔记"_s, QKeySequence(Qt::CTRL | Qt::Key_B)}};
    for (const auto& k : cases) {
        QAbstractButton* b = button(w, QString::fromLatin1(k.name));
        EXPECT_EQ(b->text(), k.caption) << k.name;
        EXPECT_EQ(b->shortcut(), k.keys) << k.name;
        EXPECT_TRUE(b->toolTip().contains(k.keys.toString(QKeySequence::NativeText))) << k.name;
    }
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_B, Qt::ControlModifier);
    // A shortcut presses its button the way a click looks: after a short moment.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !c.windows.shown.isEmpty(); }, 2000));
    EXPECT_EQ(c.windows.shown, QStringList{u"TFrmBj"_s});
}
