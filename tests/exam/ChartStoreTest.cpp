#include "TestContext.h"

#include "store/ChapterStatistics.h"
#include "store/StudyCurve.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

void counters(TestContext& t, const QString& code, int c3, int c4, int d1, int d2)
{
    t.bank.exec(u"UPDATE tab_kmmc SET C3 = ?, C4 = ?, D1 = ?, D2 = ? WHERE C1 = ?"_s, {c3, c4, d1, d2, code});
}

} // namespace

TEST(ChapterStatisticsTest, ListsTheChartedChaptersInTableOrderAndSumsTheirQuestions)
{
    TestContext t;
    // Written out of code order: the table's order is what counts.
    t.bank.chapter(u"12"_s, u"第三章"_s).chapter(u"10"_s, u"第一章"_s).chapter(u"1"_s, u"科目"_s);
    t.bank.chapter(u"11"_s, u"第二章"_s);
    t.bank.exec(u"UPDATE tab_kmmc SET C7 = '1' WHERE C1 = '1'"_s);
    counters(t, u"12"_s, 9, 7, 12, 3);
    counters(t, u"10"_s, 0, 0, 0, 0);
    counters(t, u"11"_s, 4, 1, 2, 2);
    counters(t, u"1"_s, 100, 50, 60, 10);
    ChapterStatistics statistics(t.open().dm);

    const QVector<ChapterStatistics::Chapter> rows = statistics.chapters();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].C2, u"第三章"_s);
    EXPECT_EQ(rows[1].C2, u"第一章"_s);
    EXPECT_EQ(rows[2].C2, u"第二章"_s);
    EXPECT_EQ(rows[0].C3, 9);
    EXPECT_EQ(rows[0].C4, 7);
    EXPECT_EQ(rows[0].D1, 12);
    EXPECT_EQ(rows[0].D2, 3);
    EXPECT_EQ(statistics.questionTotal(), 13);
}

TEST(ChapterStatisticsTest, AnEmptyChapterListTotalsZero)
{
    TestContext t;
    ChapterStatistics statistics(t.open().dm);
    EXPECT_TRUE(statistics.chapters().isEmpty());
    EXPECT_EQ(statistics.questionTotal(), 0);
}

TEST(StudyCurveTest, EveryDayOfTheSpanOldestFirstWithTheLoggedDays)
{
    TestContext t;
    t.clock.setToday(QDate(2026, 12, 10));
    t.bank.logDay(u"2026-12-10"_s, 10, 3, 8, 2)
        .logDay(u"2026-11-01"_s, 4, 0, 4, 0)
        .logDay(u"2026-09-12"_s, 5, 1, 5, 1)  // the first day of the span
        .logDay(u"2026-09-11"_s, 6, 6, 6, 6)  // one day too early
        .logDay(u"2026-12-11"_s, 7, 0, 7, 0); // tomorrow
    t.bank.exec(u"UPDATE tab_rz SET A4 = '70.00' WHERE A1 = '2026-12-10'"_s);
    t.bank.exec(u"UPDATE tab_rz SET A4 = '100.00' WHERE A1 = '2026-11-01'"_s);
    AppContext& ctx = t.open();

    const StudyCurve::Curve curve = StudyCurve(ctx.dm).lastDays(t.clock.today());
    ASSERT_EQ(curve.days.size(), StudyCurve::Span);
    EXPECT_EQ(curve.days.first().date, QDate(2026, 9, 12));
    EXPECT_EQ(curve.days.last().date, QDate(2026, 12, 10));
    EXPECT_EQ(curve.days.first().answers, 5);
    EXPECT_EQ(curve.days.last().answers, 10);
    EXPECT_DOUBLE_EQ(curve.days.last().score.value_or(-1), 70.0);
    const StudyCurve::Day& nov1 = curve.days[QDate(2026, 9, 12).daysTo(QDate(2026, 11, 1))];
    EXPECT_EQ(nov1.answers, 4);
    EXPECT_DOUBLE_EQ(nov1.score.value_or(-1), 100.0);
    // A day without a row has no answers and no score.
    EXPECT_EQ(curve.days[1].answers, 0);
    EXPECT_FALSE(curve.days[1].score.has_value());
    qint64 sum = 0;
    for (const StudyCurve::Day& day : curve.days)
        sum += day.answers;
    EXPECT_EQ(sum, 19);
}

TEST(StudyCurveTest, ThePlanLineOnlyForAPlanByAnswers)
{
    const struct
    {
        int planMark;
        bool line;
    } cases[] = {{0, true}, {1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.planMark);
        TestContext t;
        t.bank.exec(u"UPDATE tab_plan SET PlanMark = ?, PlanAmount = 40, PlanTime = 30"_s, {c.planMark});
        AppContext& ctx = t.open();
        const StudyCurve::Curve curve = StudyCurve(ctx.dm).lastDays(t.clock.today());
        EXPECT_EQ(curve.plannedAnswers.has_value(), c.line);
        if (c.line) {
            EXPECT_EQ(*curve.plannedAnswers, 40);
        }
    }
}
