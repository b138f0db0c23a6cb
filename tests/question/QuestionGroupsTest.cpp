#include "question/QuestionGroups.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A group as the number board shows it: first record, size, "第n组", and the group buttons.
struct Shown
{
    int start;
    int count;
    int group;
    bool previous;
    bool next;
};

void expectShown(const QuestionGroups& g, const Shown& s)
{
    EXPECT_EQ(g.start(), s.start);
    EXPECT_EQ(g.count(), s.count);
    EXPECT_EQ(g.shown(), s.group);
    EXPECT_EQ(g.hasPrevious(), s.previous);
    EXPECT_EQ(g.hasNext(), s.next);
}

} // namespace

TEST(QuestionGroups, aSetIsCutIntoGroupsOfTwenty)
{
    struct Case
    {
        int total;
        int groups;
        QString summary;
        Shown first;
        Shown last;
    };
    const Case cases[] = {
        {0, 0, u"共0组0道题"_s, {1, 0, 1, false, false}, {1, 0, 1, false, false}},
        {1, 1, u"共1组1道题"_s, {1, 1, 1, false, false}, {1, 1, 1, false, false}},
        {20, 1, u"共1组20道题"_s, {1, 20, 1, false, false}, {1, 20, 1, false, false}},
        {21, 2, u"共2组21道题"_s, {1, 20, 1, false, true}, {21, 1, 2, true, false}},
        {45, 3, u"共3组45道题"_s, {1, 20, 1, false, true}, {41, 5, 3, true, false}},
        {60, 3, u"共3组60道题"_s, {1, 20, 1, false, true}, {41, 20, 3, true, false}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.total);
        QuestionGroups g;
        g.reset(k.total);
        EXPECT_EQ(g.groups(), k.groups);
        EXPECT_EQ(g.summary(), k.summary);
        EXPECT_EQ(g.shownCaption(), u"第1组"_s);
        expectShown(g, k.first);
        while (g.next()) {
        }
        expectShown(g, k.last);
        EXPECT_FALSE(g.next());
        expectShown(g, k.last);
    }
}

TEST(QuestionGroups, groupsGoBackFullAndTheLastOneHoldsTheRest)
{
    QuestionGroups g;
    g.reset(45);
    EXPECT_FALSE(g.previous());
    ASSERT_TRUE(g.next());
    expectShown(g, {21, 20, 2, true, true});
    EXPECT_EQ(g.shownCaption(), u"第2组"_s);
    ASSERT_TRUE(g.next());
    ASSERT_TRUE(g.previous());
    ASSERT_TRUE(g.previous());
    expectShown(g, {1, 20, 1, false, true});
    // A new narrowing starts again at the first group.
    g.next();
    g.reset(7);
    expectShown(g, {1, 7, 1, false, false});
}

TEST(QuestionGroups, buttonsCarryTheirRecordNumbersAndSpareOnesNone)
{
    QuestionGroups g;
    g.reset(45);
    g.next();
    g.next();
    EXPECT_EQ(g.recordAt(0), 41);
    EXPECT_EQ(g.recordAt(4), 45);
    EXPECT_EQ(g.recordAt(5), 0);
    EXPECT_EQ(g.recordAt(-1), 0);
    EXPECT_TRUE(g.contains(41));
    EXPECT_TRUE(g.contains(45));
    EXPECT_FALSE(g.contains(40));
    EXPECT_FALSE(g.contains(46));
    EXPECT_EQ(g.indexOf(45), 4);
}

TEST(QuestionGroups, steppingOneQuestionCrossesAGroupsEdge)
{
    using Step = QuestionGroups::Step;
    struct Case
    {
        const char* name;
        int group; // shown before the step
        int recNo;
        bool back;
        Step::Kind kind;
        int index;      // button to press, for Press
        int groupAfter; // shown after the step
    };
    const Case cases[] = {
        {"on within a group", 1, 5, false, Step::Press, 5, 1},
        {"back within a group", 2, 22, true, Step::Press, 0, 2},
        {"on past a group's last", 1, 20, false, Step::NewGroup, -1, 2},
        // Back from a group's first shows the previous group at its first question.
        {"back past a group's first", 2, 21, true, Step::NewGroup, -1, 1},
        {"back at the first question", 1, 1, true, Step::Nothing, -1, 1},
        {"on at the last question", 3, 45, false, Step::Nothing, -1, 3},
        {"on in the short last group", 3, 44, false, Step::Press, 4, 3},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        QuestionGroups g;
        g.reset(45);
        while (g.shown() < k.group)
            g.next();
        const Step step = k.back ? g.stepBack(k.recNo) : g.stepOn(k.recNo);
        EXPECT_EQ(step.kind, k.kind);
        if (k.kind == Step::Press) {
            EXPECT_EQ(step.index, k.index);
        }
        EXPECT_EQ(g.shown(), k.groupAfter);
    }
}

TEST(QuestionGroups, oneBoardOfAHundredHoldsAWholePaper)
{
    QuestionGroups g(100);
    g.reset(10);
    expectShown(g, {1, 10, 1, false, false});
    EXPECT_EQ(g.recordAt(9), 10);
    EXPECT_EQ(g.recordAt(10), 0);
    EXPECT_EQ(g.stepOn(10).kind, QuestionGroups::Step::Nothing);
}
