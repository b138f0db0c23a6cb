#include "store/BackupRotation.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDate Today(2026, 12, 10);

QString taken(int daysAgo, int hour, int minute = 0)
{
    return BackupRotation::fileNameFor(QDateTime(Today.addDays(-daysAgo), QTime(hour, minute)));
}

QStringList everyMinute(int daysAgo, int hour, int count)
{
    QStringList names;
    for (int m = 0; m < count; ++m)
        names.append(taken(daysAgo, hour, m));
    return names;
}

struct RotationCase
{
    const char* name;
    QStringList files;
    QStringList expired;
};

QStringList oneADay(int fromDay, int toDay)
{
    QStringList names;
    for (int d = fromDay; d <= toDay; ++d)
        names.append(taken(d, 12));
    return names;
}

} // namespace

TEST(BackupRotation, namesCarryTheTimeTheyWereTaken)
{
    const QDateTime when(QDate(2026, 3, 7), QTime(8, 5, 9));
    EXPECT_EQ(BackupRotation::fileNameFor(when), u"KX50418-20260307-080509.mdb"_s);
    EXPECT_EQ(BackupRotation::takenAt(u"KX50418-20260307-080509.mdb"_s), when);
    for (const QString& other : {u"KX50418-20261310-090000.mdb"_s, u"KX50418-20261210-090000.mdb.tmp"_s,
                                 u"KX50418-damaged-20261210-090000.mdb"_s, u"KX50418.mdb"_s, u"notes.txt"_s})
        EXPECT_FALSE(BackupRotation::takenAt(other).isValid()) << other.toStdString();
}

TEST(BackupRotation, keepsTheNewestTenAndTheNewestOfEachOfThirtyDays)
{
    const QStringList twelveToday = everyMinute(0, 9, 12);
    const QStringList elevenToday = everyMinute(0, 10, 11);
    const QStringList threeYesterday = {taken(1, 8), taken(1, 9), taken(1, 10)};
    const QStringList foreign = {u"notes.txt"_s, u"KX50418-20261310-090000.mdb"_s,
                                 u"KX50418-20261209-090000.mdb.tmp"_s,
                                 u"KX50418-damaged-20261001-090000.mdb"_s};
    const RotationCase cases[] = {
        {"a few backups are all kept", everyMinute(0, 9, 3), {}},
        {"more than ten in one day: the oldest go", twelveToday, {taken(0, 9, 0), taken(0, 9, 1)}},
        {"one a day for forty days: the last thirty days stay", oneADay(0, 39), oneADay(30, 39)},
        {"old backups stay while they are among the newest ten", oneADay(40, 44), {}},
        {"a recent day keeps its newest even beyond the ten",
         elevenToday + threeYesterday,
         {taken(0, 10, 0), taken(1, 8), taken(1, 9)}},
        {"the thirtieth day back is outside the window",
         everyMinute(0, 9, 10) + QStringList{taken(29, 12), taken(30, 12)},
         {taken(30, 12)}},
        {"other files are never deleted", twelveToday + foreign, {taken(0, 9, 0), taken(0, 9, 1)}},
    };
    for (const RotationCase& c : cases) {
        QStringList shuffled = c.files;
        std::reverse(shuffled.begin(), shuffled.end());
        QStringList expired = BackupRotation::expired(shuffled, Today);
        QStringList expected = c.expired;
        expired.sort();
        expected.sort();
        EXPECT_EQ(expired, expected) << c.name;
    }
}
