#include "TestContext.h"

#include "study/TFrmEset.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <utility>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A context whose paper total (sum of B2 x B3 over tab_tx1) is total.
struct EsetContext : TestContext
{
    explicit EsetContext(int total, int leastMark = 60, int examTime = 5400)
    {
        bank.type(1, 61, u"单选"_s, total, 1);
        bank.exec(u"UPDATE tab_plan SET LeastMark = ?, ExamTime = ?"_s, {leastMark, examTime});
    }
};

struct EsetWindow
{
    explicit EsetWindow(AppContext& ctx) : window(ctx) { window.show(); }
    template <class T> T* find(const QString& name) { return window.findChild<T*>(name); }
    QLineEdit* scoreBox() { return find<QLineEdit>(u"suiNumberEdit1"_s); }
    QLineEdit* minutesBox() { return find<QLineEdit>(u"suiNumberEdit2"_s); }
    QCheckBox* scoreCheck() { return find<QCheckBox>(u"suiCheckBox1"_s); }
    QCheckBox* minutesCheck() { return find<QCheckBox>(u"suiCheckBox2"_s); }
    QPushButton* defaultButton() { return find<QPushButton>(u"suiButton1"_s); }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void closeAndSave() { click(find<QPushButton>(u"suiButton2"_s)); }
    void type(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    TFrmEset window;
};

} // namespace

TEST(TFrmEsetTest, ShowsTheStoredScoreAndTheTimeInMinutes)
{
    EsetContext t(100, 60, 5400);
    EsetWindow w(t.open());
    EXPECT_EQ(w.scoreBox()->text(), u"60"_s);
    EXPECT_EQ(w.minutesBox()->text(), u"90"_s);
    EXPECT_FALSE(w.scoreCheck()->isChecked());
    EXPECT_FALSE(w.minutesCheck()->isChecked());
    EXPECT_TRUE(w.defaultButton()->isEnabled());
    EXPECT_TRUE(t.prompts.messages.isEmpty());
}

TEST(TFrmEsetTest, DefaultFillsOnlyTheCheckedBoxes)
{
    const struct
    {
        bool score, minutes;
        QString scoreText, minutesText;
    } cases[] = {
        {true, false, u"49"_s, u"90"_s},
        {false, true, u"60"_s, u"120"_s},
        {true, true, u"49"_s, u"120"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.score * 10 + c.minutes);
        EsetContext t(99);
        EsetWindow w(t.open());
        if (c.score)
            w.click(w.scoreCheck());
        if (c.minutes)
            w.click(w.minutesCheck());
        w.click(w.defaultButton());
        EXPECT_EQ(w.scoreBox()->text(), c.scoreText);
        EXPECT_EQ(w.minutesBox()->text(), c.minutesText);
        EXPECT_TRUE(t.prompts.messages.isEmpty());
    }
}

TEST(TFrmEsetTest, DefaultIsEnabledWhileABoxIsChecked)
{
    EsetContext t(100);
    EsetWindow w(t.open());
    w.click(w.scoreCheck());
    EXPECT_TRUE(w.defaultButton()->isEnabled());
    w.click(w.minutesCheck());
    w.click(w.scoreCheck());
    EXPECT_TRUE(w.defaultButton()->isEnabled());
    w.click(w.minutesCheck());
    EXPECT_FALSE(w.defaultButton()->isEnabled());
}

TEST(TFrmEsetTest, AScoreAboveThePaperTotalIsCorrectedToTheTotal)
{
    EsetContext t(100);
    EsetWindow w(t.open());

    w.type(w.scoreBox(), u"250"_s);

    ASSERT_EQ(t.prompts.messages.size(), 1);
    const FakePrompts::Message& message = t.prompts.last();
    EXPECT_TRUE(message.system);
    EXPECT_EQ(message.title, u"提示"_s);
    EXPECT_EQ(message.text, u"最低分数不能超过总分数！"_s);
    EXPECT_EQ(message.icon, Prompts::Icon::Information);
    EXPECT_EQ(w.scoreBox()->text(), u"100"_s);
    EXPECT_EQ(w.window.focusWidget(), w.scoreBox());

    // The total itself is allowed.
    w.type(w.scoreBox(), u"100"_s);
    EXPECT_EQ(t.prompts.messages.size(), 1);
}

TEST(TFrmEsetTest, AStoredScoreAboveTheTotalIsCorrectedAsTheWindowOpens)
{
    EsetContext t(80, 150);
    EsetWindow w(t.open());
    EXPECT_EQ(t.prompts.texts(), QStringList{u"最低分数不能超过总分数！"_s});
    EXPECT_EQ(w.scoreBox()->text(), u"80"_s);
}

TEST(TFrmEsetTest, ClearingTheScoreBoxPutsZeroIntoIt)
{
    EsetContext t(100);
    EsetWindow w(t.open());
    w.scoreBox()->selectAll();
    QTest::keyClick(w.scoreBox(), Qt::Key_Backspace);
    EXPECT_EQ(w.scoreBox()->text(), u"0"_s);
    EXPECT_TRUE(t.prompts.messages.isEmpty());
}

TEST(TFrmEsetTest, CloseSavesTheScoreAndTheTimeInSeconds)
{
    EsetContext t(100, 60, 5400);
    EsetWindow w(t.open());
    w.type(w.scoreBox(), u"75"_s);
    w.type(w.minutesBox(), u"45"_s);

    w.closeAndSave();

    EXPECT_EQ(t.bank.integer(u"SELECT LeastMark FROM tab_plan"_s), 75);
    EXPECT_EQ(t.bank.integer(u"SELECT ExamTime FROM tab_plan"_s), 2700);
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_TRUE(t.prompts.messages.isEmpty());
}

TEST(TFrmEsetTest, EveryWayOfClosingSavesAsCloseDoes)
{
    const std::pair<const char*, std::function<void(EsetWindow&)>> ways[] = {
        {"Escape",
         [](EsetWindow& w) {
             QTest::keyClick(&w.window, Qt::Key_Escape);
         }},
        {"window closed",
         [](EsetWindow& w) {
             w.window.close();
         }},
    };
    for (const auto& [name, closeIt] : ways) {
        SCOPED_TRACE(name);
        EsetContext t(100, 60, 5400);
        EsetWindow w(t.open());
        w.type(w.scoreBox(), u"75"_s);
        w.type(w.minutesBox(), u"45"_s);

        closeIt(w);

        EXPECT_FALSE(w.window.isVisible());
        EXPECT_EQ(t.bank.integer(u"SELECT LeastMark FROM tab_plan"_s), 75);
        EXPECT_EQ(t.bank.integer(u"SELECT ExamTime FROM tab_plan"_s), 2700);
        EXPECT_TRUE(t.prompts.messages.isEmpty());
    }
}

TEST(TFrmEsetTest, AFailedSaveIsReportedAndTheWindowStillCloses)
{
    const struct
    {
        QString name;
        bool readOnly;
        QString minutes;
    } cases[] = {
        {u"settings record read-only"_s, true, u"45"_s},
        {u"no exam time"_s, false, u""_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.name));
        EsetContext t(100, 60, 5400);
        if (c.readOnly)
            t.bank.exec(u"CREATE TRIGGER plan_read_only BEFORE UPDATE ON tab_plan"
                        u" BEGIN SELECT RAISE(ABORT, 'read-only'); END"_s);
        EsetWindow w(t.open());
        w.type(w.scoreBox(), u"70"_s);
        w.minutesBox()->setText(c.minutes);

        w.closeAndSave();

        ASSERT_EQ(t.prompts.messages.size(), 1);
        const FakePrompts::Message& message = t.prompts.last();
        EXPECT_TRUE(message.system);
        EXPECT_EQ(message.title, u"警告"_s);
        EXPECT_EQ(message.text, u"保存设置失败！"_s);
        EXPECT_EQ(message.icon, Prompts::Icon::Critical);
        EXPECT_FALSE(w.window.isVisible());
        EXPECT_EQ(t.bank.integer(u"SELECT LeastMark FROM tab_plan"_s), 60);
        EXPECT_EQ(t.bank.integer(u"SELECT ExamTime FROM tab_plan"_s), 5400);
    }
}

// By keyboard alone: the boxes are reached with Tab, and Escape closes with the same saving.
TEST(TFrmEsetTest, EscapeClosesAndSavesLikeTheCloseButton)
{
    EsetContext t(100, 60, 5400);
    EsetWindow w(t.open());
    w.scoreBox()->setFocus();
    for (int step = 0; step < 20 && w.window.focusWidget() != w.minutesBox(); ++step)
        QTest::keyClick(w.window.focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(w.window.focusWidget(), w.minutesBox());
    QTest::keyClick(w.minutesBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w.minutesBox(), u"45"_s);

    QTest::keyClick(w.window.focusWidget(), Qt::Key_Escape);

    EXPECT_EQ(t.bank.integer(u"SELECT ExamTime FROM tab_plan"_s), 2700);
    EXPECT_FALSE(w.window.isVisible());
}
