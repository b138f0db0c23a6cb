#include "PracticeFixture.h"

#include "knowledge/TFrmRuleLxxt.h"
#include "knowledge/TfrmLawDetail.h"
#include "knowledge/TfrmLawsFaGui.h"
#include "question/AnswerPad.h"
#include "question/QuestionView.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Node = u"010001"_s;
const QString Bracketed = u"01000100001"_s; // "增值税(一般纳税人)", 3 questions
const QString Plain = u"01000100002"_s;     // "增值税", 1 question, discarded
const QString Unused = u"01000100003"_s;    // "消费税", no question
const QString Second = u"01000100004"_s;    // "城建税", 2 questions

// Node 010001 holds four points and 10 questions: its threshold is 10 div 4 = 2.
class Catalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        c.chapters();
        c.bank.point(Bracketed, u"增值税(一般纳税人)  "_s, u"<p>一般纳税人的<b>内容</b></p>"_s)
            .point(Plain, u"增值税"_s)
            .point(Unused, u"消费税"_s)
            .point(Second, u"城建税"_s)
            .point(u"02000100001"_s, u"印花税"_s);
        c.bank.exec(u"UPDATE tab_fgmc SET n = '流转税', q = 10 WHERE id = ?"_s, {Node});
        c.bank.exec(u"UPDATE tab_fgmc SET n = '税法 abc' WHERE id = '01'"_s);
        c.bank.exec(u"UPDATE tab_fgmc SET n = '税法 ABC', bh = '03' WHERE id = '02'"_s);
        c.bank.exec(u"UPDATE tab_fgmc SET n = '印花税类', q = 0, bh = '04' WHERE id = '020001'"_s);
        c.bank.exec(u"UPDATE tab_rule SET q = 3, q1 = 2, q2 = 5, q4 = 1 WHERE ftid = ?"_s, {Bracketed});
        c.bank.exec(u"UPDATE tab_rule SET q = 1 WHERE ftid = ?"_s, {Plain});
        c.bank.exec(u"UPDATE tab_rule SET q = 2 WHERE ftid = ?"_s, {Second});
        c.bank.question(u"Q1"_s, u"100101"_s, 61, u"B"_s, 4, {Bracketed, Second});
        c.bank.question(u"Q2"_s, u"100101"_s, 61, u"B"_s, 4, {Bracketed});
        c.bank.question(u"Q3"_s, u"100101"_s, 61, u"B"_s, 4, {QString(), Bracketed});
        c.bank.question(u"Q4"_s, u"100101"_s, 61, u"B"_s, 4, {Plain});
        c.bank.question(u"Q5"_s, u"100101"_s, 61, u"B"_s, 4, {Second});
        c.bank.exec(u"UPDATE tab_answ SET E2 = 'zero', F1 = 1 WHERE A1 = 'Q4'"_s);
    }

    TfrmLawsFaGui& open(const QString& layout = u"1024"_s)
    {
        AppContext& ctx = c.open();
        ctx.LayoutMode = layout;
        window = std::make_unique<TfrmLawsFaGui>(ctx);
        window->show();
        return *window;
    }

    int rowOf(const QString& code) const { return int(window->nodeCodes().indexOf(code)); }
    void openNode(const QString& code)
    {
        window->grid()->setCurrentCell(rowOf(code), 0);
        window->openNode();
    }
    QStringList entries() const
    {
        QStringList texts;
        for (int i = 0; i < window->pane()->list()->count(); ++i)
            texts.append(window->pane()->list()->item(i)->text());
        return texts;
    }
    QPushButton* control(const QString& name) const { return window->findChild<QPushButton*>(name); }
    QString note() const { return window->pane()->note()->text(); }

    PracticeContext c;
    std::unique_ptr<TfrmLawsFaGui> window;
};

TEST_F(Catalogue, ListsEveryNodeWithItsCountersRightAlignedInNineCharacters)
{
    TfrmLawsFaGui& w = open();
    EXPECT_EQ(w.titleLine()->text(), u"考点目录"_s);
    EXPECT_EQ(w.nodeCodes(), (QStringList{u"01"_s, Node, u"02"_s, u"020001"_s}));
    QTableWidget* grid = w.grid();
    EXPECT_EQ(grid->item(1, 0)->text(), u"流转税"_s);
    EXPECT_EQ(grid->item(1, 1)->text(), u"       10"_s);
    EXPECT_EQ(grid->item(1, 2)->text(), u"        0"_s);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QString(29, u' ') + u"考 点 名 称"_s);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), u"  题  数"_s);
    EXPECT_EQ(grid->columnWidth(0), 554);
    EXPECT_EQ(w.size(), QSize(900, 599));
    EXPECT_EQ(TfrmLawsFaGui::paddedCounter(1234567890), u"1234567890"_s);
    EXPECT_FALSE(control(u"btnKeyPoints"_s)->isEnabled());
    EXPECT_FALSE(control(u"btnPractice"_s)->isEnabled());
    EXPECT_TRUE(control(u"btnBack"_s)->isHidden());
}

TEST_F(Catalogue, CompactLayout)
{
    TfrmLawsFaGui& w = open(u"800"_s);
    EXPECT_EQ(w.size(), QSize(760, 504));
    EXPECT_EQ(w.grid()->horizontalHeaderItem(0)->text(), QString(19, u' ') + u"考 点 名 称"_s);
    EXPECT_EQ(w.grid()->columnWidth(0), 410);
    EXPECT_EQ(w.grid()->rowHeight(0), 30);
    EXPECT_EQ(w.grid()->horizontalHeader()->height(), 30);
}

TEST_F(Catalogue, SearchStartsAtTheFirstRowCaseSensitiveAndBlanksNeverMatch)
{
    TfrmLawsFaGui& w = open();
    auto* box = w.findChild<QLineEdit*>(u"searchBox"_s);
    struct Case
    {
        QString text;
        int from;
        int row;
    };
    const Case cases[] = {
        {u"税"_s, 3, 0},                       // several names hold it: always the first
        {u"  ABC "_s, 0, 2},                   // trimmed, case-sensitive
        {u"abc"_s, 3, 0},    {u"   "_s, 3, 3}, // blanks never match
        {u"无此名"_s, 1, 1},                   // no match: the row stays
    };
    for (const Case& step : cases) {
        w.grid()->setCurrentCell(step.from, 0);
        box->setText(step.text);
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(w.grid()->currentRow(), step.row) << step.text.toStdString();
    }
    box->setText(u"流转"_s);
    click(w, u"btnSearch"_s);
    EXPECT_EQ(w.grid()->currentRow(), 1);
    EXPECT_EQ(w.grid()->toolTip(), u"流转税"_s);
}

TEST_F(Catalogue, TopLevelNodesCannotBeOpened)
{
    TfrmLawsFaGui& w = open();
    openNode(u"02"_s);
    ASSERT_EQ(c.prompts.messages.size(), 1);
    EXPECT_EQ(c.prompts.last().title, u"提示"_s);
    EXPECT_EQ(c.prompts.last().text, u"请选择具体章节!"_s);
    EXPECT_EQ(c.prompts.last().buttonSet, Prompts::ButtonSet::NarrowOk);
    EXPECT_EQ(c.prompts.last().page, Prompts::Picture::Warning);
    EXPECT_EQ(c.prompts.last().variant, Prompts::Variant::Plain);
    EXPECT_EQ(w.pane(), nullptr);
    EXPECT_TRUE(w.grid()->isVisible());
}

TEST_F(Catalogue, OpeningANodeShowsItsPointsAndTheNoteRule)
{
    TfrmLawsFaGui& w = open();
    openNode(Node);
    ASSERT_NE(w.pane(), nullptr);
    EXPECT_EQ(w.titleLine()->text(), u"流转税"_s);
    EXPECT_FALSE(w.grid()->isVisible());
    EXPECT_TRUE(w.pane()->isVisible());
    EXPECT_TRUE(control(u"btnSearch"_s)->isHidden());
    EXPECT_TRUE(control(u"btnBack"_s)->isVisible());
    EXPECT_EQ(w.keyPointThreshold(), 2);
    EXPECT_EQ(entries(),
              (QStringList{u"增值税(一般纳税人)(3)"_s, u"增值税(1)"_s, u"消费税"_s, u"城建税(2)"_s}));
    EXPECT_EQ(note(), u"相关题数：3题  已做题数：2题  已做道次：5次  做错道次：1次"_s);
    EXPECT_TRUE(w.pane()->text()->toPlainText().contains(u"一般纳税人的内容"_s));
    EXPECT_TRUE(control(u"btnPractice"_s)->isEnabled());

    w.pane()->list()->setCurrentRow(2);
    EXPECT_EQ(note(), u"虽然针对该内容的习题没有，您仍要仔细阅读！"_s);
    EXPECT_FALSE(control(u"btnPractice"_s)->isEnabled());
    EXPECT_EQ(w.pane()->text()->toPlainText(), u"内容 01000100003"_s);
}

TEST_F(Catalogue, KeyPointsKeepPointsReachingTheThreshold)
{
    TfrmLawsFaGui& w = open();
    openNode(Node);
    click(w, u"btnKeyPoints"_s);
    EXPECT_EQ(entries(), (QStringList{u"增值税(一般纳税人)(3)"_s, u"城建税(2)"_s}));
    EXPECT_EQ(w.keyPointState(), 1);
    EXPECT_EQ(control(u"btnKeyPoints"_s)->text(), u"全部(&A)"_s);
    click(w, u"btnKeyPoints"_s);
    EXPECT_EQ(entries().size(), 4);
    EXPECT_EQ(control(u"btnKeyPoints"_s)->text(), u"重点(&M)"_s);
    EXPECT_TRUE(c.prompts.messages.isEmpty());
}

TEST_F(Catalogue, ANodeWithoutKeyPointsKeepsItsWholeList)
{
    // Node 020001 has q 0: threshold 1, and its one point has no question.
    TfrmLawsFaGui& w = open();
    openNode(u"020001"_s);
    EXPECT_EQ(w.keyPointThreshold(), 1);
    click(w, u"btnKeyPoints"_s);
    ASSERT_EQ(c.prompts.messages.size(), 1);
    EXPECT_TRUE(c.prompts.last().system);
    EXPECT_EQ(c.prompts.last().text, u"此考点暂无重点内容！"_s);
    EXPECT_EQ(entries(), QStringList{u"印花税"_s});
    EXPECT_EQ(w.keyPointState(), 0);
}

TEST_F(Catalogue, ANodeWithoutPointsIsReported)
{
    c.bank.exec(u"INSERT INTO tab_fgmc (id, n, bh) VALUES ('030001', '空节点', '05')"_s);
    TfrmLawsFaGui& w = open();
    openNode(u"030001"_s);
    ASSERT_EQ(c.prompts.messages.size(), 1);
    EXPECT_EQ(c.prompts.last().text, u"请联系书店，购买Brindlecote《Velmarin》一书!"_s);
    ASSERT_NE(w.pane(), nullptr);
    EXPECT_EQ(w.pane()->list()->count(), 0);
    click(w, u"btnPractice"_s); // nothing to practise
    EXPECT_TRUE(c.windows.shown.isEmpty());
}

TEST_F(Catalogue, AHeadingIsCutAtItsFirstBracketAndThePointKeepsItsOwnQuestions)
{
    TfrmLawsFaGui& w = open();
    openNode(Node);
    EXPECT_EQ(TfrmLawsFaGui::headingOf(u"增值税(一般纳税人)(3)"_s), u"增值税"_s);
    EXPECT_EQ(TfrmLawsFaGui::headingOf(u"消费税"_s), u"消费税"_s);
    QString hint;
    QStringList keys;
    bool editShown = true;
    QString discard;
    c.windows.on(u"TFrmRuleLxxt"_s, [&](QDialog& dialog) {
        auto& practice = static_cast<TFrmRuleLxxt&>(dialog);
        hint = textOf(practice, u"hintBoard"_s);
        for (const QuestionRecord& row : practice.practiceSet().allRows())
            keys.append(row.A1);
        editShown = practice.findChild<QPushButton*>(u"btnEdit"_s)->isVisible();
        discard = practice.findChild<QPushButton*>(u"btnDiscard"_s)->text();
        EXPECT_FALSE(w.isVisible());
        dialog.reject();
    });
    click(w, u"btnPractice"_s);
    EXPECT_EQ(c.windows.shown, QStringList{u"TFrmRuleLxxt"_s});
    EXPECT_EQ(hint, u"增值税"_s);
    // The bracketed point's questions, not those of the point headed "增值税".
    EXPECT_EQ(keys, (QStringList{u"Q1"_s, u"Q2"_s, u"Q3"_s}));
    EXPECT_FALSE(editShown);
    EXPECT_EQ(discard, u"本题作废"_s);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(Catalogue, APointWhoseQuestionsAreAllDiscardedStillRuns)
{
    TfrmLawsFaGui& w = open();
    openNode(Node);
    w.pane()->list()->setCurrentRow(1);
    QString status;
    QString discard;
    c.windows.on(u"TFrmRuleLxxt"_s, [&](QDialog& dialog) {
        status = textOf(dialog, u"statusRed"_s);
        discard = dialog.findChild<QPushButton*>(u"btnDiscard"_s)->text();
        click(dialog, u"btnDiscard"_s);
        dialog.reject();
    });
    click(w, u"btnPractice"_s);
    EXPECT_EQ(status, u"本题已被您作废！"_s);
    EXPECT_EQ(discard, u"取消作废"_s);
    EXPECT_EQ(c.bank.integer(u"SELECT F1 FROM tab_answ WHERE A1 = 'Q4'"_s), 0);
}

TEST_F(Catalogue, APointWithoutQuestionsToPractiseIsCongratulated)
{
    c.bank.exec(u"UPDATE tab_rule SET q = 4 WHERE ftid = ?"_s, {Unused});
    TfrmLawsFaGui& w = open();
    openNode(Node);
    w.pane()->list()->setCurrentRow(2);
    ASSERT_TRUE(control(u"btnPractice"_s)->isEnabled());
    click(w, u"btnPractice"_s);
    EXPECT_TRUE(c.windows.shown.isEmpty());
    ASSERT_EQ(c.prompts.messages.size(), 1);
    EXPECT_EQ(c.prompts.last().text, u"恭喜你，习题已做完！"_s);
    EXPECT_EQ(c.prompts.last().buttonSet, Prompts::ButtonSet::Ok);
    EXPECT_EQ(c.prompts.last().page, Prompts::Picture::Information);
    EXPECT_EQ(c.prompts.last().variant, Prompts::Variant::Plain);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.pane()->list()->currentRow(), 2);
}

// A whole point practice through the real windows: answers recorded in the
// practice window raise the point's and the node's counters, which the note
// bar shows at once and the grid shows after "返回(&B)", on the same row.
TEST_F(Catalogue, CountersAfterAPointPracticeAreShownOnReturn)
{
    TfrmLawsFaGui& w = open();
    openNode(Node);
    w.pane()->list()->setCurrentRow(3); // 城建税: Q1, Q5
    c.windows.on(u"TFrmRuleLxxt"_s, [&](QDialog& dialog) {
        auto& practice = static_cast<TFrmRuleLxxt&>(dialog);
        AnswerPad& pad = *practice.questionView()->pad();
        pad.option(pad.page(), 1)->click(); // B: right
        click(practice, u"btnNext"_s);
        pad.option(pad.page(), 2)->click(); // C: wrong
        click(practice, u"btnClose"_s);
    });
    click(w, u"btnPractice"_s);
    ASSERT_EQ(c.windows.shown, QStringList{u"TFrmRuleLxxt"_s});
    EXPECT_TRUE(c.prompts.messages.isEmpty()) << c.prompts.texts().join(u'|').toStdString();
    EXPECT_EQ(w.pane()->list()->currentRow(), 3);
    EXPECT_EQ(note(), u"相关题数：2题  已做题数：2题  已做道次：2次  做错道次：1次"_s);
    EXPECT_EQ(c.bank.integer(u"SELECT D1 FROM tab_kmmc WHERE C1 = '100101'"_s), 2);

    click(w, u"btnBack"_s);
    EXPECT_EQ(w.pane(), nullptr);
    EXPECT_EQ(w.titleLine()->text(), u"考 点 目 录"_s);
    EXPECT_EQ(w.grid()->currentRow(), rowOf(Node));
    EXPECT_EQ(w.grid()->item(rowOf(Node), 2)->text(), u"        2"_s);
    EXPECT_EQ(w.grid()->item(rowOf(Node), 3)->text(), u"        2"_s);
    EXPECT_EQ(w.grid()->item(rowOf(Node), 4)->text(), u"        1"_s);
    EXPECT_EQ(w.grid()->item(rowOf(u"01"_s), 3)->text(), u"        2"_s);
    EXPECT_EQ(control(u"btnKeyPoints"_s)->text(), u"重点(&M)"_s);
    EXPECT_FALSE(control(u"btnPractice"_s)->isEnabled());
}

} // namespace

// By keyboard alone: Enter on a row opens the node, Tab leaves the grid, Escape closes.
TEST_F(Catalogue, EnterOpensTheNodeAndEscapeClosesTheCatalogue)
{
    TfrmLawsFaGui& w = open();
    w.grid()->setFocus();
    w.grid()->setCurrentCell(rowOf(u"02"_s), 0);
    QTest::keyClick(w.grid(), Qt::Key_Tab);
    EXPECT_NE(w.focusWidget(), w.grid());
    w.grid()->setFocus();
    w.grid()->setCurrentCell(rowOf(Node), 0);
    QTest::keyClick(w.grid(), Qt::Key_Return);
    ASSERT_NE(w.pane(), nullptr);
    EXPECT_EQ(w.titleLine()->text(), u"流转税"_s);
    QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}
