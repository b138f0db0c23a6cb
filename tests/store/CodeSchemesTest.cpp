#include "store/CodeSchemes.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace CodeSchemes;

TEST(CodeSchemes, chapterAncestorsAreTheShorterPrefixesLongestFirst)
{
    EXPECT_EQ(chapterAncestors(u"101203"_s), QStringList({u"10120"_s, u"1012"_s, u"101"_s, u"10"_s, u"1"_s}));
    EXPECT_TRUE(chapterAncestors(u"1"_s).isEmpty());
    EXPECT_TRUE(chapterAncestors(QString()).isEmpty());
}

TEST(CodeSchemes, subjectLevelRowsHaveOneOrTwoCharacters)
{
    EXPECT_TRUE(isSubjectLevel(u"1"_s));
    EXPECT_TRUE(isSubjectLevel(u"04"_s));
    EXPECT_FALSE(isSubjectLevel(u"0401"_s));
    EXPECT_FALSE(isSubjectLevel(u"040101"_s));
}

TEST(CodeSchemes, pointCodesNameTheirCatalogueNodes)
{
    EXPECT_EQ(pointNode6(u"010203000001"_s), u"010203"_s);
    EXPECT_EQ(pointNode2(u"010203000001"_s), u"01"_s);
}

TEST(CodeSchemes, citedPointsStopAtTheFirstEmptyColumn)
{
    std::array<QString, 10> k;
    EXPECT_TRUE(citedPoints(k).isEmpty());
    k[1] = u"010101000002"_s; // K4 filled while K3 is empty
    EXPECT_TRUE(citedPoints(k).isEmpty());
    k[0] = u"010101000001"_s;
    k[3] = u"010101000004"_s; // after the empty K5
    EXPECT_EQ(citedPoints(k), QStringList({u"010101000001"_s, u"010101000002"_s}));
}

TEST(CodeSchemes, sharedStemKeyIsTheFirstSixteenCharacters)
{
    EXPECT_EQ(stemKeyOf(u"ABCDEFGHIJKLMNOP-2"_s), u"ABCDEFGHIJKLMNOP"_s);
    EXPECT_EQ(stemKeyOf(u"Q10110100001"_s), QString());
}

TEST(CodeSchemes, userKeysCarryARunningNumberReadableFromTheLastFourCharacters)
{
    const struct
    {
        int number;
        QString key;
    } cases[] = {
        {1, u"US1011016140000"_s + u"1"_s},
        {999, u"US10110161400999"_s},
        {1000, u"US1011016141000"_s},
        {9999, u"US1011016149999"_s},
    };
    for (const auto& c : cases) {
        const QString key = userQuestionKey(u"101101"_s, 61, 4, c.number);
        EXPECT_EQ(key, c.key) << c.number;
        EXPECT_EQ(userRunningNumber(key), c.number) << c.number;
    }
    EXPECT_EQ(userRunningNumber(u"USabc"_s), 0);
}

TEST(CodeSchemes, parseDurationReadsHoursMinutesAndSeconds)
{
    const struct
    {
        QString text;
        qint64 seconds;
    } cases[] = {
        {u"1:02:03"_s, 3723}, {u"12:34"_s, 43200},      {u"1:02:03:04"_s, 3720}, {QString(), 0},
        {u"0:30:59"_s, 1859}, {u"123:00:00"_s, 442800}, {u"09:05:03"_s, 32703},  {u"0:00:075"_s, 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDuration(c.text), c.seconds) << c.text.toStdString();
}

TEST(CodeSchemes, parseDurationRefusesPiecesThatAreNoNumbers)
{
    for (const QString& text : {u"a:00:00"_s, u"1:xx:00"_s, u"1:02:"_s})
        EXPECT_THROW(ParseDuration(text), StoreError) << text.toStdString();
}

TEST(CodeSchemes, durationsAreWrittenBack)
{
    EXPECT_EQ(FormatDuration(0), u"0:00:00"_s);
    EXPECT_EQ(FormatDuration(3723), u"1:02:03"_s);
    EXPECT_EQ(FormatLogDuration(32703), u"09:05:03"_s);
    EXPECT_EQ(FormatLogDuration(86405), u"24:00:05"_s);
    EXPECT_EQ(FormatLogDuration(360000), u"100:00:00"_s);
}

TEST(CodeSchemes, percentagesHaveTwoDecimalsOrReadZero)
{
    EXPECT_EQ(percentText(0, 0), u"0"_s);
    EXPECT_EQ(percentText(-1, 0), u"0"_s);
    EXPECT_EQ(percentText(10, 3), u"70.00"_s);
    EXPECT_EQ(percentText(8, 1), u"87.50"_s);
    EXPECT_EQ(percentText(5, 5), u"0.00"_s);
    EXPECT_EQ(percentText(3, 0), u"100.00"_s);
}
