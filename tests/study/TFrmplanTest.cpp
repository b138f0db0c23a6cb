#include "TestContext.h"

#include "study/TFrmplan.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDate ExamDay(2027, 6, 19); // the fixture's examination date

struct PlanWindow
{
    explicit PlanWindow(AppContext& ctx) : window(ctx) { window.show(); }
    template <class T> T* find(const QString& name) { return window.findChild<T*>(name); }
    QLabel* caption() { return find<QLabel>(u"epLabel1"_s); }
    QLabel* dayCount() { return find<QLabel>(u"Label1"_s); }
    QLabel* unit() { return find<QLabel>(u"epLabel2"_s); }
    QDateEdit* dateBox() { return find<QDateEdit>(u"DateEdit1"_s); }
    QLineEdit* amountBox() { return find<QLineEdit>(u"suiNumberEdit1"_s); }
    QLineEdit* minutesBox() { return find<QLineEdit>(u"suiNumberEdit2"_s); }
    QRadioButton* item(int i) { return find<QRadioButton>(u"SeSkinRadioGroup1Item%1"_s.arg(i)); }
    QPushButton* modeButton() { return find<QPushButton>(u"SpeedButton1"_s); }
    void clickMode() { QTest::mouseClick(modeButton(), Qt::LeftButton); }
    void type(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    TFrmplan window;
};

QString storedPlan(BankFixture& bank)
{
    return bank.text(
        u"SELECT PlanMark || ',' || PlanAmount || ',' || PlanTime || ',' || coalesce(ExamDate, 'NULL')"
        u" FROM tab_plan"_s);
}

} // namespace

TEST(TFrmplanTest, CountdownShowsDaysLeftWithTheirColourAndCaption)
{
    const struct
    {
        int daysBefore; // today is this many days before the examination
        QString caption;
        QString count; // empty: the number and "天" are hidden
        QColor colour;
    } cases[] = {
        {1, u"距离考试还有"_s, u"1"_s, QColor(255, 0, 0)},
        {7, u"距离考试还有"_s, u"7"_s, QColor(255, 0, 0)},
        {8, u"距离考试还有"_s, u"8"_s, QColor(100, 203, 37)},
        {0, u"祝考试成功！"_s, {}, {}},
        {-1, u"考试已结束！"_s, {}, {}},
        {1200, u"距离考试还有"_s, u"999"_s, QColor(100, 203, 37)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.daysBefore);
        TestContext t;
        t.clock.setToday(ExamDay.addDays(-c.daysBefore));
        PlanWindow w(t.open());

        EXPECT_FALSE(w.caption()->isHidden());
        EXPECT_EQ(w.caption()->text(), c.caption);
        EXPECT_EQ(w.dayCount()->isHidden(), c.count.isEmpty());
        EXPECT_EQ(w.unit()->isHidden(), c.count.isEmpty());
        if (!c.count.isEmpty()) {
            EXPECT_EQ(w.dayCount()->text(), c.count);
            EXPECT_EQ(w.dayCount()->palette().color(QPalette::WindowText), c.colour);
        }
    }
}

TEST(TFrmplanTest, OpensInViewModeWithTheStoredPlan)
{
    TestContext t;
    t.bank.exec(u"UPDATE tab_plan SET PlanMark = 1, PlanAmount = 30, PlanTime = 40"_s);
    PlanWindow w(t.open());

    EXPECT_EQ(w.modeButton()->text(), u"设定"_s);
    EXPECT_FALSE(w.dateBox()->isEnabled());
    EXPECT_FALSE(w.find<QGroupBox>(u"SeSkinRadioGroup1"_s)->isEnabled());
    EXPECT_EQ(w.dateBox()->date(), ExamDay);
    EXPECT_TRUE(w.item(1)->isChecked());
    EXPECT_EQ(w.amountBox()->text(), u"30"_s);
    EXPECT_EQ(w.minutesBox()->text(), u"40"_s);
    // The chosen kind's box is the one that can be typed in.
    EXPECT_TRUE(w.minutesBox()->isEnabled());
    EXPECT_FALSE(w.amountBox()->isEnabled());
}

TEST(TFrmplanTest, ChoosingAPlanKindEnablesOnlyItsBox)
{
    TestContext t;
    PlanWindow w(t.open());
    w.clickMode();
    EXPECT_EQ(w.modeButton()->text(), u"保存"_s);
    EXPECT_TRUE(w.dateBox()->isEnabled());

    QTest::mouseClick(w.item(1), Qt::LeftButton);
    EXPECT_TRUE(w.minutesBox()->isEnabled());
    EXPECT_FALSE(w.amountBox()->isEnabled());
    EXPECT_EQ(w.window.focusWidget(), w.minutesBox());

    QTest::mouseClick(w.item(0), Qt::LeftButton);
    EXPECT_TRUE(w.amountBox()->isEnabled());
    EXPECT_FALSE(w.minutesBox()->isEnabled());
}

TEST(TFrmplanTest, SavingAPlanByMinutesKeepsTheAmountAsShown)
{
    TestContext t;
    t.bank.exec(u"UPDATE tab_plan SET PlanMark = 0, PlanAmount = 30, PlanTime = 20"_s);
    PlanWindow w(t.open());

    w.clickMode();
    QTest::mouseClick(w.item(1), Qt::LeftButton);
    w.type(w.minutesBox(), u"45"_s);
    w.clickMode();

    EXPECT_EQ(storedPlan(t.bank), u"1,30,45,2027-06-19"_s);
    EXPECT_EQ(w.modeButton()->text(), u"设定"_s);
    EXPECT_FALSE(w.dateBox()->isEnabled());
    EXPECT_TRUE(t.prompts.messages.isEmpty());
}

TEST(TFrmplanTest, SavingANewDateStoresItAndCountsDownToIt)
{
    TestContext t;
    PlanWindow w(t.open());

    w.clickMode();
    w.dateBox()->setDate(t.clock.today().addDays(5));
    w.clickMode();

    EXPECT_EQ(storedPlan(t.bank), u"0,0,0,2026-12-15"_s);
    EXPECT_EQ(w.caption()->text(), u"距离考试还有"_s);
    EXPECT_EQ(w.dayCount()->text(), u"5"_s);
    EXPECT_EQ(w.dayCount()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST(TFrmplanTest, NumberBoxesTakeAtMostThreeDigits)
{
    TestContext t;
    PlanWindow w(t.open());
    w.clickMode();
    w.type(w.amountBox(), u"12a345"_s);
    EXPECT_EQ(w.amountBox()->text(), u"123"_s);
}

TEST(TFrmplanTest, AnExamDateThatIsNoDateShowsNoCountdownAndSavesNothing)
{
    for (const QString& stored : {u""_s, u"NULL"_s, u"明年六月"_s, u"2027-02-30"_s}) {
        SCOPED_TRACE(qPrintable(stored));
        TestContext t;
        if (stored == u"NULL"_s)
            t.bank.exec(u"UPDATE tab_plan SET ExamDate = NULL, PlanAmount = 30"_s);
        else
            t.bank.exec(u"UPDATE tab_plan SET ExamDate = ?, PlanAmount = 30"_s, {stored});
        const QString before = storedPlan(t.bank);
        PlanWindow w(t.open());

        EXPECT_TRUE(w.dateBox()->text().trimmed().isEmpty());
        EXPECT_TRUE(w.caption()->isHidden());
        EXPECT_TRUE(w.dayCount()->isHidden());
        EXPECT_TRUE(w.unit()->isHidden());

        // Saving without a date writes nothing and keeps what was typed.
        w.clickMode();
        w.type(w.amountBox(), u"99"_s);
        w.clickMode();
        EXPECT_EQ(storedPlan(t.bank), before);
        EXPECT_EQ(w.modeButton()->text(), u"设定"_s);
        EXPECT_FALSE(w.dateBox()->isEnabled());
        EXPECT_EQ(w.amountBox()->text(), u"99"_s);
        EXPECT_TRUE(w.caption()->isHidden());
        EXPECT_TRUE(t.prompts.messages.isEmpty());

        // Once a date is picked the same entries are saved.
        w.clickMode();
        w.dateBox()->setDate(ExamDay);
        w.clickMode();
        EXPECT_EQ(storedPlan(t.bank), u"0,99,0,2027-06-19"_s);
        EXPECT_FALSE(w.caption()->isHidden());
    }
}

TEST(TFrmplanTest, StoredDatesWithATimeOfDayStillCount)
{
    const struct
    {
        QString text;
        QDate date;
    } cases[] = {
        {u"2027-06-19"_s, ExamDay},           {u"2027-06-19 00:00:00"_s, ExamDay},
        {u"2027-06-19T08:30:00"_s, ExamDay},  {u"2027/6/9"_s, QDate(2027, 6, 9)},
        {u" 2027-6-9 "_s, QDate(2027, 6, 9)}, {u"19.06.2027"_s, QDate()},
        {u"2027-13-01"_s, QDate()},           {u""_s, QDate()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TFrmplan::parseDate(c.text), c.date) << qPrintable(c.text);
}

TEST(TFrmplanTest, AFailedSaveIsReportedAndTheWindowStaysUsable)
{
    TestContext t;
    t.bank.exec(
        u"CREATE TRIGGER plan_read_only BEFORE UPDATE ON tab_plan BEGIN SELECT RAISE(ABORT, '只读'); END"_s);
    PlanWindow w(t.open());

    w.clickMode();
    w.type(w.amountBox(), u"50"_s);
    w.clickMode();

    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_EQ(t.prompts.last().title, u"错误"_s);
    EXPECT_TRUE(t.prompts.last().text.contains(u"只读"_s));
    EXPECT_EQ(t.prompts.last().buttonSet, Prompts::ButtonSet::Ok);
    EXPECT_EQ(t.prompts.last().page, Prompts::Picture::Error);
    EXPECT_EQ(storedPlan(t.bank), u"0,0,0,2027-06-19"_s);
    EXPECT_EQ(w.modeButton()->text(), u"设定"_s);
    EXPECT_EQ(w.amountBox()->text(), u"50"_s);
}

TEST(TFrmplanTest, AMissingSettingsRecordIsReportedAndTheWindowStillOpens)
{
    TestContext t;
    t.bank.exec(u"DELETE FROM tab_plan"_s);
    PlanWindow w(t.open());
    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_EQ(t.prompts.last().title, u"错误"_s);
    EXPECT_TRUE(w.caption()->isHidden());
    EXPECT_TRUE(w.window.isVisible());
}
