#include "FakeClock.h"

#include "store/BackupSchedule.h"

#include <gtest/gtest.h>

TEST(BackupSchedule, backsUpAtMostEveryThirtyMinutes)
{
    FakeClock clock;
    BackupSchedule schedule(clock, clock.now().addSecs(-10 * 60));
    EXPECT_FALSE(schedule.dueAfterRun());
    clock.advanceSeconds(19 * 60 + 59);
    EXPECT_FALSE(schedule.dueAfterRun());
    clock.advanceSeconds(1);
    EXPECT_TRUE(schedule.dueAfterRun());
    schedule.attempted(true);
    EXPECT_FALSE(schedule.dueAfterRun());
}

TEST(BackupSchedule, isDueAtOnceWithoutABackupOrWhenTheClockWentBack)
{
    FakeClock clock;
    EXPECT_TRUE(BackupSchedule(clock, {}).dueAfterRun());
    EXPECT_TRUE(BackupSchedule(clock, clock.now().addDays(2)).dueAfterRun());
}

TEST(BackupSchedule, aFailureWaitsAnIntervalAndIsReportedOncePerSeries)
{
    FakeClock clock;
    BackupSchedule schedule(clock, {});
    EXPECT_TRUE(schedule.attempted(false));
    EXPECT_FALSE(schedule.dueAfterRun());
    clock.advanceSeconds(30 * 60);
    EXPECT_FALSE(schedule.attempted(false));
    EXPECT_FALSE(schedule.attempted(true));
    EXPECT_TRUE(schedule.attempted(false));
}
