#include "PracticeFixture.h"

#include "practice/ChapterTableModel.h"
#include "practice/TFrmkmmc.h"

#include <QAbstractButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class ChapterBrowser : public ::testing::Test
{
protected:
    TFrmkmmc& open()
    {
        browser = std::make_unique<TFrmkmmc>(c.open());
        browser->show();
        return *browser;
    }
    void select(const QString& code)
    {
        const int row = browser->chapters()->rowOfCode(code);
        ASSERT_GE(row, 0) << code.toStdString();
        browser->grid()->selectRow(row);
    }
    void doubleClick(const QString& code)
    {
        select(code);
        const QModelIndex index = browser->chapters()->index(browser->chapters()->rowOfCode(code), 0);
        QWidget* viewport = browser->grid()->viewport();
        const QPoint at = browser->grid()->visualRect(index).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    }

    PracticeContext c;
    std::unique_ptr<TFrmkmmc> browser;
};

} // namespace

TEST_F(ChapterBrowser, theBoardSumsTheLeafChaptersWithTheTotalCapped)
{
    c.chapters(u"100101"_s).chapters(u"100102"_s);
    c.bank.chapter(u"xx"_s, u"隐藏"_s);
    c.bank.exec(u"UPDATE tab_kmmc SET C3 = 99999, D1 = 50, D2 = 50 WHERE length(C1) < 6"_s);
    c.bank.exec(u"UPDATE tab_kmmc SET C3 = 6000, D1 = 6, D2 = 1 WHERE C1 = '100101'"_s);
    c.bank.exec(u"UPDATE tab_kmmc SET C3 = 4001, D1 = 2, D2 = 0 WHERE C1 = '100102'"_s);
    TFrmkmmc& b = open();
    EXPECT_EQ(textOf(b, u"totalQuestions"_s), u"10000"_s);
    EXPECT_EQ(textOf(b, u"answersDone"_s), u"8"_s);
    EXPECT_EQ(textOf(b, u"answersWrong"_s), u"1"_s);
    EXPECT_EQ(textOf(b, u"scoreLabel"_s), u"87.50"_s);
    // Every chapter of every subject in bh order; the row "xx" is never listed.
    ChapterTableModel* model = b.chapters();
    QStringList codes;
    for (int row = 0; row < model->rowCount(); ++row)
        codes.append(model->chapter(row).C1);
    EXPECT_EQ(codes, (QStringList{u"1"_s, u"10"_s, u"1001"_s, u"100101"_s, u"100102"_s}));
    EXPECT_EQ(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), u"章节名称"_s);
    EXPECT_EQ(b.grid()->columnWidth(0), 370);
    EXPECT_EQ(b.grid()->columnWidth(5), 65);
}

TEST_F(ChapterBrowser, withoutAnswersTheScoreKeepsItsCaption)
{
    c.chapters().singleChoices(3);
    c.bank.exec(u"UPDATE tab_kmmc SET C3 = 3"_s);
    AppContext& ctx = c.open();
    ctx.LayoutMode = u"800"_s;
    browser = std::make_unique<TFrmkmmc>(ctx);
    browser->show();
    EXPECT_EQ(textOf(*browser, u"scoreLabel"_s), u"分数"_s);
    EXPECT_EQ(textOf(*browser, u"totalQuestions"_s), u"3"_s);
    EXPECT_EQ(textOf(*browser, u"answersDone"_s), u"0"_s);
    EXPECT_EQ(textOf(*browser, u"answersWrong"_s), u"0"_s);
    EXPECT_EQ(browser->grid()->columnWidth(0), 308);
    EXPECT_EQ(browser->grid()->columnWidth(1), 50);
}

TEST_F(ChapterBrowser, subjectRowsCannotBePractised)
{
    c.chapters().singleChoices(2);
    TFrmkmmc& b = open();
    for (const QString& code : {u"1"_s, u"10"_s}) {
        c.prompts.messages.clear();
        select(code);
        for (const QString& name : {u"btnNewQuestions"_s, u"btnWrongQuestions"_s, u"btnReview"_s})
            click(b, name);
        doubleClick(code);
        ASSERT_EQ(c.prompts.messages.size(), 4) << code.toStdString();
        for (const FakePrompts::Message& m : c.prompts.messages) {
            EXPECT_TRUE(m.system);
            EXPECT_EQ(m.title, u"提示"_s);
            EXPECT_EQ(m.text, u"请选择具体章节目录！"_s);
            EXPECT_EQ(m.icon, Prompts::Icon::Information);
        }
        EXPECT_EQ(b.BrowserChapterCode(), code);
    }
    EXPECT_TRUE(c.windows.shown.isEmpty());
}

TEST_F(ChapterBrowser, anEmptySetShowsTheModesMessage)
{
    c.chapters().singleChoices(1);
    c.bank.exec(u"UPDATE tab_answ SET E2 = 'B', E3 = 1, E4 = 0"_s);
    c.chapters(u"100102"_s);
    TFrmkmmc& b = open();
    struct Case
    {
        QString chapter;
        QString button;
        QString text;
        Prompts::Picture page;
    };
    const Case cases[] = {
        {u"100101"_s, u"btnNewQuestions"_s, u"请联系书店，购买Brindlecote《Velmarin》一书！"_s,
         Prompts::Picture::Information},
        {u"100101"_s, u"btnWrongQuestions"_s, u"本章节下没有错题！"_s, Prompts::Picture::Warning},
        {u"100102"_s, u"btnReview"_s, u"本章节习题还未曾做过！"_s, Prompts::Picture::Warning},
        {u"100102"_s, {}, u"请联系书店，购买Brindlecote《Velmarin》一书！"_s, Prompts::Picture::Information},
    };
    for (const Case& empty : cases) {
        c.prompts.messages.clear();
        if (empty.button.isEmpty())
            doubleClick(empty.chapter);
        else {
            select(empty.chapter);
            click(b, empty.button);
        }
        ASSERT_EQ(c.prompts.messages.size(), 1) << empty.text.toStdString();
        EXPECT_FALSE(c.prompts.last().system);
        EXPECT_EQ(c.prompts.last().title, u"提示"_s);
        EXPECT_EQ(c.prompts.last().text, empty.text);
        EXPECT_EQ(c.prompts.last().buttonSet, Prompts::ButtonSet::Ok);
        EXPECT_EQ(c.prompts.last().page, empty.page);
        EXPECT_TRUE(b.isVisible());
        EXPECT_EQ(b.selectedCode(), empty.chapter);
    }
    EXPECT_TRUE(c.windows.shown.isEmpty());
}

TEST_F(ChapterBrowser, theSelectedChapterGivesThePracticeItsHintText)
{
    c.chapters();
    c.bank.exec(u"UPDATE tab_kmmc SET C1_1 = '第一章 总论' WHERE C1 = '100101'"_s);
    TFrmkmmc& b = open();
    EXPECT_EQ(b.selectedCode(), u"1"_s);
    select(u"100101"_s);
    EXPECT_EQ(c.app->CurrentChapterCaption, u"第一章 总论"_s);
}

TEST_F(ChapterBrowser, settingsOpenAndQuestionEntryIsOffered)
{
    c.chapters();
    TFrmkmmc& b = open();
    c.app->SettingsMode = 1;
    click(b, u"btnSettings"_s);
    EXPECT_EQ(c.actions.settingsOpened, 1);
    EXPECT_EQ(c.app->SettingsMode, 0);
    EXPECT_TRUE(button(b, u"btnQuestionEntry"_s)->isEnabled());
}
