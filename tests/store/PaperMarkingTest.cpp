#include "ExamFixture.h"

#include "store/PaperGenerator.h"
#include "store/PaperList.h"
#include "store/PaperMarking.h"
#include "store/PaperTable.h"
#include "store/StoreError.h"
#include "store/TypeScoreTable.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A subject-4 paper of ten questions: S00..S04 single choice worth 1 (answer "B"),
// M00..M04 multiple choice worth 2.5 (answer "ACD").
class Marking : public ::testing::Test, public ExamFixture
{
protected:
    void SetUp() override
    {
        bank.chapter(u"1"_s).chapter(u"10"_s).chapter(u"100101"_s);
        questions(u"S"_s, u"100101"_s, 70, 5, u"B"_s);
        questions(u"M"_s, u"100101"_s, 71, 5, u"ACD"_s);
        bank.type(4, 70, u"单选题"_s, 5, 1).type(4, 71, u"多选题"_s, 0, 2.5);
        // The draw took two of the single-choice questions; the paper holds all ten here.
        paper = PaperGenerator(dm()).generate(4).A1;
        bank.exec(u"DELETE FROM "_s + paper);
        bank.exec(u"INSERT INTO "_s + paper +
                  u" (A1, A2, A10, A13, E3, E4, F1) SELECT A1, A2, A10, A13, E3, E4, F1 FROM tab_answ"_s);
    }

    void answer(const QString& key, const QVariant& value)
    {
        bank.exec(u"UPDATE "_s + paper + u" SET E2_1 = ? WHERE A1 = ?"_s, {value, key});
    }

    QString paper;
};

} // namespace

TEST_F(Marking, scoresRightAnswersByTypeWithoutRegardToCase)
{
    struct Case
    {
        const char* name;
        QVector<std::pair<QString, QVariant>> answers;
        double score;
    };
    const Case cases[] = {
        {"nothing answered", {}, 0},
        {"one right of each type", {{u"S00"_s, u"B"_s}, {u"M00"_s, u"ACD"_s}}, 3.5},
        {"lower case counts", {{u"S01"_s, u"b"_s}, {u"M01"_s, u"acd"_s}}, 3.5},
        {"wrong, empty and order", {{u"S02"_s, u"C"_s}, {u"S03"_s, u""_s}, {u"M02"_s, u"CAD"_s}}, 0},
        {"all right", {}, 17.5},
    };
    for (const Case& c : cases) {
        bank.exec(u"UPDATE "_s + paper + u" SET E2_1 = NULL"_s);
        if (c.score == 17.5)
            bank.exec(u"UPDATE "_s + paper + u" SET E2_1 = A2"_s);
        for (const auto& [key, value] : c.answers)
            answer(key, value);
        EXPECT_DOUBLE_EQ(PaperMarking(dm()).score(paper, 4), c.score) << c.name;
    }
}

TEST_F(Marking, markWritesScoreAndTimeAndLogsTheTime)
{
    bank.logDay(u"2026-12-08"_s, 4, 1, 3, 1, u"0:10:00"_s);
    answer(u"S00"_s, u"B"_s);
    const PaperMarking::Result result = PaperMarking(dm()).MarkPaper(paper, 4, u"0:45:07"_s);
    EXPECT_DOUBLE_EQ(result.score, 1);
    EXPECT_TRUE(result.stored);
    EXPECT_TRUE(result.BelowLeastMark); // LeastMark 60
    EXPECT_EQ(bank.text(u"SELECT A6 || '|' || D2 FROM tab_cj WHERE A1 = ?"_s, {paper}), u"1.0|0:45:07"_s);
    EXPECT_EQ(bank.text(u"SELECT D1 FROM tab_rz WHERE A1 = '2026-12-08'"_s), u"00:55:07"_s);
}

TEST_F(Marking, leastMarkIsAStrictLowerBound)
{
    struct Case
    {
        int leastMark;
        double score;
        bool below;
    };
    for (const Case& c :
         {Case{60, 60, false}, Case{60, 59.5, true}, Case{60, 72.5, false}, Case{0, 0, false}})
        EXPECT_EQ(PaperMarking::isBelowLeastMark(c.leastMark, c.score), c.below)
            << c.leastMark << " " << c.score;
    bank.exec(u"UPDATE tab_plan SET LeastMark = 1"_s);
    answer(u"S00"_s, u"B"_s);
    EXPECT_FALSE(PaperMarking(dm()).MarkPaper(paper, 4, u"0:01:00"_s).BelowLeastMark);
}

TEST_F(Marking, aFailedMarkWritesNothing)
{
    bank.exec(u"UPDATE tab_kmmc SET D1 = 3, D2 = 1"_s); // every percentage changes at marking
    bank.exec(u"CREATE TRIGGER refuse BEFORE UPDATE ON tab_kmmc BEGIN SELECT RAISE(ABORT, 'no'); END"_s);
    answer(u"S00"_s, u"B"_s);
    EXPECT_THROW(PaperMarking(dm()).MarkPaper(paper, 4, u"0:01:00"_s), StoreError);
    EXPECT_EQ(bank.text(u"SELECT coalesce(A6, 'none') FROM tab_cj"_s), u"none"_s);
    EXPECT_EQ(paperCount(paper, u"E2_1 = 'B'"_s), 1);
}

TEST_F(Marking, discardLogsTheTimeOnlyBelowFiftyUnanswered)
{
    struct Case
    {
        int unanswered;
        QString logged;
    };
    for (const Case& c : {Case{37, u"00:20:00"_s}, Case{60, QString()}}) {
        bank.exec(u"DELETE FROM tab_rz"_s);
        bank.logDay(u"2026-12-08"_s, 1, 0, 1, 0);
        const QString name = PaperGenerator(dm()).generate(4).A1;
        PaperMarking(dm()).discard(name, c.unanswered, u"0:20:00"_s);
        EXPECT_EQ(bank.text(u"SELECT D1 FROM tab_rz"_s), c.logged) << c.unanswered;
        EXPECT_FALSE(tableExists(name));
        EXPECT_EQ(bank.integer(u"SELECT count(*) FROM tab_cj WHERE A1 = ?"_s, {name}), 0);
    }
}

TEST_F(Marking, unansweredCountsEmptyAndNull)
{
    PaperTable table(dm(), paper);
    EXPECT_EQ(table.size(), 10);
    EXPECT_EQ(table.unansweredCount(), 10);
    answer(u"S00"_s, u"B"_s);
    answer(u"S01"_s, QVariant());
    answer(u"S02"_s, u""_s);
    EXPECT_EQ(table.unansweredCount(), 9);
    EXPECT_EQ(table.answeredCount(), 1);
}

TEST_F(Marking, typeScoreLabel)
{
    TypeScoreTable types(dm(), 4);
    EXPECT_EQ(types.TypeScoreLabel(70), u"单选题 每题1分 共5分"_s);
    EXPECT_EQ(types.TypeScoreLabel(71), u"多选题 每题2.5分 共0分"_s);
    EXPECT_EQ(types.TypeScoreLabel(99), QString());
}

TEST(PaperTableName, onlyPaperTablesReachAStatement)
{
    EXPECT_EQ(PaperTable::checkedName(u" TAB_EXAM12 "_s), u"tab_exam12"_s);
    for (const QString& bad : {u"tab_exam"_s, u"tab_answ"_s, u"tab_exam1; DROP TABLE tab_answ"_s,
                               u"tab_exam1 x"_s, u"tab_exam-1"_s, QString()})
        EXPECT_THROW(PaperTable::checkedName(bad), StoreError) << bad.toStdString();
}

namespace {

class List : public ::testing::Test, public ExamFixture
{
protected:
    void paperRow(int number, const QVariant& score, const QString& time = {})
    {
        bank.exec(u"INSERT INTO tab_cj (A1, A3, A3_1, D1, A6, D2) VALUES (?, ?, ?, '2026-12-01', ?, ?)"_s,
                  {u"tab_exam%1"_s.arg(number), u"试卷%1"_s.arg(number), number, score,
                   time.isEmpty() ? QVariant() : QVariant(time)});
    }
};

} // namespace

TEST_F(List, summaryCountsPassesAgainstThreeFifthsOfTheTotal)
{
    struct Case
    {
        int total;
        QVariantList scores;
        PaperList::Summary expected;
    };
    const Case cases[] = {
        {100, {}, {0, 0, 0}},        {100, {60, 72.5, 59, QVariant()}, {4, 2, 64}},
        {102, {60, 61}, {2, 2, 60}}, // (102 div 5) x 3 = 60
        {100, {70, 75}, {2, 2, 72}}, // 72.5 goes to the even 72
        {100, {70, 77}, {2, 2, 74}}, // 73.5 goes to the even 74
    };
    for (const Case& c : cases) {
        bank.exec(u"DELETE FROM tab_cj"_s);
        for (int i = 0; i < c.scores.size(); ++i)
            paperRow(i + 1, c.scores[i]);
        const PaperList::Summary s = PaperList(dm()).summary(c.total);
        EXPECT_EQ(s.count, c.expected.count) << c.total;
        EXPECT_EQ(s.passed, c.expected.passed) << c.total;
        EXPECT_EQ(s.average, c.expected.average) << c.total;
    }
}

TEST_F(List, newestFirstWithEmptyScoreOfAnUnmarkedPaper)
{
    paperRow(1, 80, u"1:02:03"_s);
    paperRow(3, QVariant());
    paperRow(2, 55.5, u"0:50:00"_s);
    const auto rows = PaperList(dm()).newestFirst();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].A1, u"tab_exam3"_s);
    EXPECT_FALSE(rows[0].A6.has_value());
    EXPECT_EQ(rows[1].A6, 55.5);
    EXPECT_EQ(rows[2].D2, u"1:02:03"_s);
}

TEST_F(List, openGivesTheRowsInPaperOrderAndAnUnmarkedPaperScoresZero)
{
    bank.chapter(u"100101"_s);
    bank.question(u"B2"_s, u"100101"_s, 61, u"A"_s).question(u"A9"_s, u"100101"_s, 61, u"A"_s);
    bank.question(u"A1"_s, u"100101"_s, 65, u"AB"_s);
    bank.type(1, 61, u"单选题"_s, 30, 1).type(1, 65, u"多选题"_s, 40, 1);
    const QString name = PaperGenerator(dm()).generate(1).A1;
    const PaperList::Review review = PaperList(dm()).open(name);
    EXPECT_EQ(review.PaperScore, 0);
    EXPECT_EQ(review.TimeUsed, QString());
    EXPECT_EQ(review.PaperTitle, u"2026年12月08日Velmaret[1]"_s);
    QStringList keys;
    for (const QuestionRecord& row : review.rows)
        keys.append(row.A1);
    EXPECT_EQ(keys, (QStringList{u"A9"_s, u"B2"_s, u"A1"_s}));
}

TEST_F(List, openingAPaperWithoutTableFails)
{
    paperRow(1, 70);
    try {
        PaperList(dm()).open(u"tab_exam1"_s);
        ADD_FAILURE() << "opened";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.message(), u"无法打开试卷！"_s);
    }
}

TEST_F(List, deleteRemovesTableAndRecordAndARecordWhoseTableIsGone)
{
    bank.chapter(u"100101"_s);
    bank.question(u"A1"_s, u"100101"_s, 61, u"A"_s);
    bank.type(1, 61, u"单选题"_s, 30, 1);
    const QString name = PaperGenerator(dm()).generate(1).A1;
    paperRow(7, 70); // its table never existed
    PaperList(dm()).deletePaper(name);
    PaperList(dm()).deletePaper(u"tab_exam7"_s);
    EXPECT_FALSE(tableExists(name));
    EXPECT_EQ(bank.integer(u"SELECT count(*) FROM tab_cj"_s), 0);
}
