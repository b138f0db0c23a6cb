#include "AuthoringFixture.h"

#include "authoring/TFrmSelectFG.h"

#include <QComboBox>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class Picker : public ::testing::Test
{
protected:
    TFrmSelectFG& open(int mode = 1, const QStringList& attached = {})
    {
        picker = std::make_unique<TFrmSelectFG>(c.app ? *c.app : c.open());
        picker->setPickerMode(mode, attached);
        picker->setPage(TFrmSelectFG::PickerPage);
        picker->show();
        return *picker;
    }
    QStringList takenCodes() const
    {
        QStringList codes;
        for (const TFrmSelectFG::Taken& t : picker->takenPoints())
            codes.append(t.code);
        return codes;
    }

    AuthoringContext c;
    std::unique_ptr<TFrmSelectFG> picker;
};

} // namespace

TEST_F(Picker, listsTheNodesAndThePointsOfTheChosenNode)
{
    TFrmSelectFG& p = open();
    EXPECT_EQ(p.windowTitle(), u"欢迎"_s);
    ASSERT_EQ(p.nodeList()->count(), 3);
    EXPECT_EQ(p.nodeList()->itemText(0), u"节点 AA"_s);
    // The top-level node holds no points itself: an empty list, and "确定" refuses.
    EXPECT_EQ(p.pointList()->count(), 0);
    click(p, u"btnOk"_s);
    EXPECT_EQ(c.prompts.last().text, u"请选择对应考点，退出请按关闭按钮！"_s);
    EXPECT_EQ(p.result(), 0);
    chooseNode(p, 1);
    ASSERT_EQ(p.pointList()->count(), 3);
    EXPECT_EQ(p.pointList()->item(2)->text(), u"考点 AA0101000003"_s);
    EXPECT_EQ(p.pointList()->currentRow(), 0);
}

struct LimitCase
{
    int attached;
    int ticks;
    bool accepted;
};

void PrintTo(const LimitCase& c, std::ostream* out)
{
    *out << c.attached << "+" << c.ticks;
}

class PickerLimit : public ::testing::TestWithParam<LimitCase>
{
};

TEST_P(PickerLimit, countsTheTicksAgainstSeven)
{
    AuthoringContext c;
    AppContext& ctx = c.open();
    ctx.AttachedPointCount = GetParam().attached;
    TFrmSelectFG p(ctx);
    p.setPickerMode(1, {});
    p.setPage(TFrmSelectFG::PickerPage);
    p.show();
    chooseNode(p, 1);
    for (int row = 0; row < GetParam().ticks; ++row)
        tick(p, row);
    click(p, u"btnOk"_s);
    EXPECT_EQ(p.result() == QDialog::Accepted, GetParam().accepted);
    if (!GetParam().accepted) {
        ASSERT_FALSE(c.prompts.messages.isEmpty());
        EXPECT_EQ(c.prompts.last().text,
                  u"对应考点最多不能超过7条，已有考点%1条！"_s.arg(GetParam().attached));
        EXPECT_EQ(p.visibleTicks(), GetParam().ticks); // the ticks stay as they were
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, PickerLimit,
                         ::testing::Values(LimitCase{6, 1, true}, LimitCase{6, 2, false},
                                           LimitCase{7, 1, false}, LimitCase{0, 3, true}));

TEST_F(Picker, attachedPointsArePreTickedButNotTaken)
{
    TFrmSelectFG& p = open(1, {u"AA0101000001"_s, u"AA0101000002"_s});
    chooseNode(p, 1);
    EXPECT_EQ(p.pointList()->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(p.pointList()->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(p.pointList()->item(2)->checkState(), Qt::Unchecked);
    tick(p, 2);
    EXPECT_EQ(takenCodes(), (QStringList{u"AA0101000003"_s}));
    EXPECT_EQ(p.takenPoints().first().label, u"节点 AA0101[考点 AA0101000003]"_s);
    // The two pre-ticked points count: 5 attached + 3 ticks is too many.
    c.app->AttachedPointCount = 5;
    click(p, u"btnOk"_s);
    EXPECT_EQ(c.prompts.last().text, u"对应考点最多不能超过7条，已有考点5条！"_s);
    c.app->AttachedPointCount = 4;
    click(p, u"btnOk"_s);
    EXPECT_EQ(p.result(), QDialog::Accepted);
}

TEST_F(Picker, theNodeShownAtOpeningIsNeverPreTicked)
{
    c.bank.exec(u"UPDATE tab_fgmc SET bh = 'ZZ' WHERE id = 'AA'"_s);
    TFrmSelectFG& p = open(2, {u"AA0101000001"_s});
    ASSERT_EQ(p.pointList()->count(), 3);
    EXPECT_EQ(p.visibleTicks(), 0);
    // Another mode pre-ticks nothing either.
    TFrmSelectFG& other = open(0, {u"AA0101000001"_s});
    chooseNode(other, 1);
    chooseNode(other, 0);
    EXPECT_EQ(other.visibleTicks(), 0);
}

TEST_F(Picker, aPointTickedTwiceIsTakenOnceAndOnlyFromTheLastNode)
{
    TFrmSelectFG& p = open();
    chooseNode(p, 2);
    tick(p, 0);
    chooseNode(p, 1); // ticks of another node are lost
    tick(p, 1);
    tick(p, 1, false);
    tick(p, 1);
    EXPECT_EQ(takenCodes(), (QStringList{u"AA0101000002"_s}));
}

TEST_F(Picker, theInstructionsPageHasItsText)
{
    TFrmSelectFG& p = open();
    p.setPage(TFrmSelectFG::InstructionsPage);
    const QStringList lines = TFrmSelectFG::instructionsText().split(u'\n');
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[0], u"使用方法如下："_s);
    EXPECT_EQ(lines[11], u"   "_s);
    EXPECT_EQ(lines[19], u"动填写1；"_s);
    click(p, u"btnCloseInstructions"_s);
    EXPECT_EQ(p.result(), QDialog::Rejected);
}
