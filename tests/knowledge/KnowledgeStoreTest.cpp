#include "BankFixture.h"
#include "FakeClock.h"

#include "store/CatalogueTable.h"
#include "store/PlainText.h"
#include "store/PracticeQueries.h"
#include "store/QuestionSearch.h"
#include "store/TDM1.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ThresholdCase
{
    QString totalCell;
    int points;
    int threshold;
};

void PrintTo(const ThresholdCase& c, std::ostream* out)
{
    *out << '"' << c.totalCell.toStdString() << "\" over " << c.points;
}

class KeyPointThreshold : public ::testing::TestWithParam<ThresholdCase>
{
};

TEST_P(KeyPointThreshold, IsQuestionsDivPointsAtLeastOne)
{
    const ThresholdCase& c = GetParam();
    EXPECT_EQ(CatalogueTable::keyPointThreshold(c.totalCell, c.points), c.threshold);
}

INSTANTIATE_TEST_SUITE_P(Cases, KeyPointThreshold,
                         ::testing::Values(ThresholdCase{u"       10"_s, 4, 2}, // integer division
                                           ThresholdCase{u"        3"_s, 4, 1}, // 0 becomes 1
                                           ThresholdCase{u"        0"_s, 4, 1}, // q 0
                                           ThresholdCase{u"       12"_s, 0, 1}, // no points
                                           ThresholdCase{u"       12"_s, 3, 4},
                                           ThresholdCase{u"  abc"_s, 3, 1}, // not a number
                                           ThresholdCase{QString(), 3, 1}));

TEST(PlainTextOf, DropsMarkupKeepsWords)
{
    const QString html = u"<!DOCTYPE HTML><html><head><meta name=\"qrichtext\"/><style type=\"text/css\">"
                         u"p { white-space: pre-wrap; }</style></head><body><p>重要的<b>考点</b>在此"
                         u"</p><p>A．&lt;1&gt; &amp; 2&nbsp;&#20108;</p></body></html>"_s;
    EXPECT_EQ(PlainText::of(html), u"重要的考点在此 A．<1> & 2 二"_s);
    EXPECT_EQ(PlainText::of(u"  0.65 < 1.5  \n 纯文本 "_s), u"0.65 < 1.5 纯文本"_s);
    EXPECT_EQ(PlainText::of(QString()), QString());
}

class BankSearch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bank.chapter(u"1"_s).chapter(u"10"_s).chapter(u"1001"_s, u"增值税"_s).chapter(u"100101"_s, u"税率"_s);
        bank.question(u"Q1"_s, u"100101"_s, 61, u"B"_s, 4, {},
                      u"<html><body><p>关于<b>增值税</b>的说法</p><p>A．税率</p></body></html>"_s);
        bank.question(u"Q2"_s, u"100101"_s, 61, u"B"_s, 4, {}, u"<p>消费税的计算</p>"_s);
        bank.question(u"Q3-000000000000101"_s, u"1001"_s, 61, u"C"_s, 4, {}, u"<p>案例第一问</p>"_s);
        bank.stem(u"Q3-0000000000001"_s, u"<p>某企业为<i>一般纳税人</i>，本月销售货物</p>"_s);
        bank.exec(u"UPDATE tab_exer SET jx = ? WHERE A1 = 'Q2'"_s,
                  {u"<p>从价定率与从量定额<b>复合计征</b></p>"_s});
        bank.exec(u"UPDATE tab_exer SET jx = '<p>先计算后判断</p>' WHERE A1 = 'Q1'"_s);
        dm = std::make_unique<TDM1>(bank.programFolder(), clock);
    }

    QStringList keys(const QString& text)
    {
        QStringList found;
        for (const QuestionSearch::Hit& hit : QuestionSearch(*dm).find(text))
            found.append(hit.A1);
        return found;
    }

    BankFixture bank;
    FakeClock clock;
    std::unique_ptr<TDM1> dm;
};

TEST_F(BankSearch, FindsAPhraseInAnExplanation)
{
    EXPECT_EQ(keys(u"从量定额"_s), QStringList{u"Q2"_s});
}

TEST_F(BankSearch, FindsAPhraseAcrossATagBoundary)
{
    EXPECT_EQ(keys(u"定额复合计征"_s), QStringList{u"Q2"_s});
    EXPECT_EQ(keys(u"关于增值税的"_s), QStringList{u"Q1"_s});
    EXPECT_EQ(keys(u"为一般纳税人"_s), QStringList{u"Q3-000000000000101"_s}); // the shared stem
    // Markup is not text.
    EXPECT_TRUE(keys(u"<b>"_s).isEmpty());
    EXPECT_TRUE(keys(u"white-space"_s).isEmpty());
}

TEST_F(BankSearch, ATwoCharacterQueryScansForTheSubstring)
{
    // "税率" is an option of Q1.
    EXPECT_EQ(keys(u"税率"_s), QStringList{u"Q1"_s});
    // In Q2's stem and Q1's explanation: the stem hit first.
    EXPECT_EQ(keys(u"计算"_s), (QStringList{u"Q2"_s, u"Q1"_s}));
    EXPECT_EQ(keys(u"税"_s).size(), 3);
    // Wildcards of the scan are taken literally.
    EXPECT_TRUE(keys(u"%"_s).isEmpty());
    EXPECT_TRUE(keys(u"_"_s).isEmpty());
}

TEST_F(BankSearch, HitsCarryChapterAndStemStartStemHitsFirst)
{
    // In Q1's stem and in Q2's explanation: the stem hit comes first.
    bank.exec(u"UPDATE tab_exer SET jx = '<p>与增值税的说法无关</p>' WHERE A1 = 'Q2'"_s);
    QuestionSearch search(*dm);
    search.indexQuestion(u"Q2"_s);
    const QVector<QuestionSearch::Hit> hits = search.find(u"增值税的说法"_s);
    ASSERT_EQ(hits.size(), 2);
    EXPECT_EQ(hits[0].A1, u"Q1"_s);
    EXPECT_EQ(hits[0].chapterCode, u"100101"_s);
    EXPECT_EQ(hits[0].chapterName, u"税率"_s);
    EXPECT_EQ(hits[0].stemStart, u"关于增值税的说法 A．税率"_s);
    EXPECT_EQ(hits[1].A1, u"Q2"_s);
}

TEST_F(BankSearch, BlankAndQuotedQueriesAreSafe)
{
    EXPECT_TRUE(keys(u"   "_s).isEmpty());
    EXPECT_TRUE(keys(u"\"消费税\" OR x"_s).isEmpty());
    EXPECT_TRUE(keys(u"消费税\" OR \"增值税"_s).isEmpty());
    EXPECT_EQ(keys(u"  消费税的  "_s), QStringList{u"Q2"_s});
}

TEST_F(BankSearch, IndexQuestionFollowsAddsChangesAndRemovals)
{
    QuestionSearch search(*dm);
    bank.question(u"NEW"_s, u"100101"_s, 61, u"A"_s, 4, {}, u"<p>新加入的城建税题目</p>"_s);
    EXPECT_TRUE(keys(u"城建税"_s).isEmpty());
    search.indexQuestion(u"NEW"_s);
    EXPECT_EQ(keys(u"城建税"_s), QStringList{u"NEW"_s});

    bank.exec(u"UPDATE tab_exer SET A15 = '<p>改过的印花税题目</p>' WHERE A1 = 'NEW'"_s);
    search.indexQuestion(u"NEW"_s);
    EXPECT_TRUE(keys(u"城建税"_s).isEmpty());
    EXPECT_EQ(keys(u"印花税"_s), QStringList{u"NEW"_s});

    bank.exec(u"DELETE FROM tab_answ WHERE A1 = 'NEW'"_s);
    search.indexQuestion(u"NEW"_s);
    EXPECT_TRUE(keys(u"印花税"_s).isEmpty());
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM question_search_key WHERE A1 = 'NEW'"_s), 0);
}

TEST_F(BankSearch, ABankWithoutIndexGetsOneWhenOpened)
{
    dm.reset();
    bank.exec(u"DROP TABLE question_search"_s);
    bank.exec(u"DROP TABLE question_search_key"_s);
    dm = std::make_unique<TDM1>(bank.programFolder(), clock);
    EXPECT_EQ(keys(u"从量定额"_s), QStringList{u"Q2"_s});
}

class PointSets : public ::testing::Test
{
protected:
    BankFixture bank;
    FakeClock clock;
};

TEST_F(PointSets, SelectEveryCitingQuestionWhateverItsState)
{
    bank.chapter(u"1"_s).chapter(u"10"_s).chapter(u"100101"_s);
    bank.point(u"01000100001"_s).point(u"01000100002"_s);
    bank.question(u"A"_s, u"100101"_s, 61, u"B"_s, 4, {u"01000100001"_s});
    bank.question(u"B"_s, u"100101"_s, 61, u"B"_s, 4, {u"01000100002"_s, QString(), u"01000100001"_s});
    bank.question(u"C"_s, u"100101"_s, 61, u"B"_s, 4, {u"01000100002"_s});
    bank.question(u"D"_s, u"100101"_s, 61, u"B"_s, 4, {u"01000100001"_s});
    bank.exec(u"UPDATE tab_answ SET E2 = 'zero', F1 = 1 WHERE A1 = 'D'"_s);
    bank.exec(u"UPDATE tab_answ SET E2 = 'B', E3 = 3 WHERE A1 = 'A'"_s);
    TDM1 dm(bank.programFolder(), clock);
    QStringList found;
    for (const QuestionRecord& row : dm.readQuestions(PracticeQueries::pointSet(u"01000100001"_s)))
        found.append(row.A1);
    EXPECT_EQ(found, (QStringList{u"A"_s, u"B"_s, u"D"_s}));

    found.clear();
    for (const QuestionRecord& row :
         dm.readQuestions(PracticeQueries::keySet({u"C"_s, u"A"_s, u"MISSING"_s})))
        found.append(row.A1);
    EXPECT_EQ(found, (QStringList{u"C"_s, u"A"_s}));
}

TEST_F(PointSets, CatalogueReadsNodesInOrderAndPointsByCode)
{
    bank.point(u"02000100002"_s, u"乙  "_s).point(u"02000100001"_s, u"甲"_s).point(u"01000100001"_s);
    bank.exec(u"UPDATE tab_fgmc SET bh = 'z' WHERE id = '02'"_s);
    bank.exec(u"UPDATE tab_fgmc SET q = 5, q1 = 4, q2 = 3, q4 = 2 WHERE id = '020001'"_s);
    TDM1 dm(bank.programFolder(), clock);
    CatalogueTable catalogue(dm);
    QStringList ids;
    for (const CatalogueTable::Node& node : catalogue.nodes())
        ids.append(node.id);
    EXPECT_EQ(ids, (QStringList{u"01"_s, u"010001"_s, u"020001"_s, u"02"_s}));
    EXPECT_EQ(catalogue.nodes()[2].counters.q4, 2);
    const QVector<CatalogueTable::Point> points = catalogue.pointsOf(u"020001"_s);
    ASSERT_EQ(points.size(), 2);
    EXPECT_EQ(points[0].sn, u"甲"_s);
    EXPECT_EQ(points[1].sn, u"乙  "_s);
    EXPECT_EQ(catalogue.pointCount(u"020001"_s), 2);
    EXPECT_EQ(catalogue.pointCount(u"0200"_s), 0);
}

} // namespace
