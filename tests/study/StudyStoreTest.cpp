#include "TestContext.h"

#include "store/SettingsRecord.h"
#include "store/StoreError.h"
#include "store/StudyLogTable.h"
#include "store/TypeTable.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(TypeTableTest, IntervalIsTheAnswerTimeTimesSixHundredWithoutFraction)
{
    const struct
    {
        double minutes;
        int ms;
    } cases[] = {{1.5, 900},  {0.1, 60},  {30, 18000},  {1, 600},
                 {4.1, 2460}, {0.7, 420}, {2.25, 1350}, {0.1234, 74}};
    for (const auto& c : cases)
        EXPECT_EQ(TypeTable::intervalOf(c.minutes), c.ms) << c.minutes;
}

TEST(TypeTableTest, ReadsTheSubjectsTableInRowOrderAndWritesOneType)
{
    TestContext t;
    t.bank.type(2, 70, u"判断"_s, 10, 1, 0.5)
        .type(2, 61, u" 单选 "_s, 30, 1, 2.5)
        .type(1, 61, u"单选"_s, 30, 1, 1);
    AppContext& ctx = t.open();

    TypeTable table(ctx.dm, 2);
    const QVector<TypeTable::Row> rows = table.rows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].A1, 70);
    EXPECT_EQ(rows[1].A1, 61);
    EXPECT_EQ(rows[1].B1, u" 单选 "_s);
    EXPECT_DOUBLE_EQ(rows[1].time, 2.5);

    EXPECT_TRUE(table.setTime(61, 12.5));
    EXPECT_FALSE(table.setTime(99, 3));
    EXPECT_EQ(t.bank.text(u"SELECT time FROM tab_tx2 WHERE A1 = 61"_s), u"12.5"_s);
    EXPECT_EQ(t.bank.text(u"SELECT time FROM tab_tx1 WHERE A1 = 61"_s), u"1"_s);
}

TEST(TypeTableTest, SubjectZeroIsSubjectOne)
{
    TestContext t;
    AppContext& ctx = t.open();
    EXPECT_EQ(TypeTable(ctx.dm, 0).name(), u"tab_tx1"_s);
    EXPECT_EQ(TypeTable(ctx.dm, 5).name(), u"tab_tx5"_s);
}

TEST(SettingsRecordTest, ReadsAndWritesOnlyTheFirstRow)
{
    TestContext t;
    t.bank.exec(u"INSERT INTO tab_plan (PlanMark, PlanAmount, PlanTime, ExamDate, LeastMark, ExamTime)"
                u" VALUES (1, 5, 5, '2030-01-01', 1, 60)"_s);
    AppContext& ctx = t.open();
    SettingsRecord record(ctx.dm);

    const SettingsRecord::Values values = record.read();
    EXPECT_EQ(values.ExamDate, u"2027-06-19"_s);
    EXPECT_EQ(values.LeastMark, 60);
    EXPECT_EQ(values.ExamTime, 7200);

    record.savePlan(1, 80, 45, u"2027-07-01"_s);
    record.saveExamSettings(55, 2700);
    EXPECT_EQ(t.bank.text(u"SELECT PlanMark || ',' || PlanAmount || ',' || PlanTime || ',' || ExamDate || ','"
                          u" || LeastMark || ',' || ExamTime FROM tab_plan ORDER BY rowid"_s),
              u"1,80,45,2027-07-01,55,2700"_s);
    EXPECT_EQ(
        t.bank.integer(u"SELECT count(*) FROM tab_plan WHERE ExamDate = '2030-01-01' AND LeastMark = 1"_s),
        1);
}

TEST(SettingsRecordTest, AMissingRecordIsAnErrorNotANewRow)
{
    TestContext t;
    t.bank.exec(u"DELETE FROM tab_plan"_s);
    AppContext& ctx = t.open();
    SettingsRecord record(ctx.dm);

    EXPECT_THROW(record.read(), StoreError);
    EXPECT_THROW(record.savePlan(0, 1, 1, u"2027-01-01"_s), StoreError);
    EXPECT_THROW(record.saveExamSettings(1, 60), StoreError);
    EXPECT_EQ(t.bank.integer(u"SELECT count(*) FROM tab_plan"_s), 0);
}

TEST(StudyLogTableTest, DaysComeNewestFirstWithEmptyCountersKept)
{
    TestContext t;
    t.bank.logDay(u"2026-11-30"_s, 4, 1, 3, 1, u"00:10:00"_s)
        .logDay(u"2026-12-09"_s, 6, 2, 5, 2)
        .logDay(u"2025-12-31"_s, 1, 0, 1, 0, u"00:01:00"_s);
    t.bank.exec(u"UPDATE tab_rz SET A3 = NULL WHERE A1 = '2025-12-31'"_s);
    AppContext& ctx = t.open();

    StudyLogTable log(ctx.dm);
    const QVector<StudyLogTable::Day> days = log.newestFirst();
    ASSERT_EQ(days.size(), 3);
    EXPECT_EQ(days[0].A1, u"2026-12-09"_s);
    EXPECT_EQ(days[1].A1, u"2026-11-30"_s);
    EXPECT_EQ(days[1].D1, u"00:10:00"_s);
    EXPECT_EQ(days[2].A1, u"2025-12-31"_s);
    EXPECT_TRUE(days[2].A3.isEmpty());

    const StudyLogTable::Totals totals = log.totals();
    EXPECT_EQ(totals.answers, 11);
    EXPECT_EQ(totals.wrong, 3);
}
