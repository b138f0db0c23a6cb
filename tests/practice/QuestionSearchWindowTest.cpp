#include "PracticeFixture.h"

#include "practice/TFrmLxxt.h"
#include "practice/TFrmSearch.h"
#include "practice/TFrmkmmc.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Ctrl+F in the chapter browser, a phrase, its hits listed with their chapter
// and stem, and "练习" running the hits, best first, in the practice window.
TEST(QuestionSearchWindow, ListsTheHitsAndPractisesThemAsOneSet)
{
    PracticeContext c;
    c.chapters(u"100101"_s).chapters(u"100102"_s);
    c.bank.exec(u"UPDATE tab_kmmc SET C2 = '百分数' WHERE C1 = '100102'"_s);
    c.bank.question(u"S1"_s, u"100101"_s, 61, u"B"_s, 4, {}, u"<p>涨价多少元</p>"_s);
    c.bank.exec(u"UPDATE tab_exer SET jx = '<p>与降价多少无关</p>' WHERE A1 = 'S1'"_s);
    c.bank.question(u"S2"_s, u"100102"_s, 61, u"B"_s, 4, {}, u"<p>某商品<b>降价</b> 25%，降价多少元？</p>"_s);
    c.bank.question(u"S3"_s, u"100102"_s, 61, u"B"_s, 4, {}, u"<p>涨价多少元</p>"_s);
    TFrmkmmc browser(c.open());
    browser.show();
    browser.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&browser));

    QStringList chapters;
    QStringList stems;
    QStringList practised;
    QString hint;
    c.windows.on(u"TFrmSearch"_s, [&](QDialog& dialog) {
        QTreeWidget* list = static_cast<TFrmSearch&>(dialog).hitList();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            chapters.append(list->topLevelItem(i)->text(0));
            stems.append(list->topLevelItem(i)->text(1));
        }
        EXPECT_EQ(textOf(dialog, u"searchSummary"_s), u"共找到 2 题"_s);
        EXPECT_FALSE(browser.isVisible());
        click(dialog, u"btnPracticeHits"_s);
        dialog.reject();
    });
    c.windows.on(u"TFrmLxxt"_s, [&](QDialog& dialog) {
        auto& practice = static_cast<TFrmLxxt&>(dialog);
        for (const QuestionRecord& row : practice.practiceSet().allRows())
            practised.append(row.A1);
        hint = textOf(practice, u"hintBoard"_s);
        dialog.reject();
    });
    QTest::keyClick(&browser, Qt::Key_F, Qt::ControlModifier);
    auto* field = browser.findChild<QLineEdit*>(u"questionSearch"_s);
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->hasFocus());
    field->insert(u"降价多少"_s);
    QTest::keyClick(field, Qt::Key_Return);

    EXPECT_EQ(c.windows.shown, (QStringList{u"TFrmSearch"_s, u"TFrmLxxt"_s}));
    // A hit in the stem ranks before a hit in an explanation.
    EXPECT_EQ(practised, (QStringList{u"S2"_s, u"S1"_s}));
    EXPECT_EQ(chapters, (QStringList{u"百分数"_s, u"第 100101 章"_s}));
    EXPECT_EQ(stems.first(), u"某商品降价 25%，降价多少元？"_s);
    EXPECT_EQ(hint, u"查找：降价多少"_s);
    EXPECT_TRUE(browser.isVisible());
    EXPECT_TRUE(c.prompts.messages.isEmpty()) << c.prompts.texts().join(u'|').toStdString();
}

TEST(QuestionSearchWindow, SaysSoWhenNothingIsFound)
{
    PracticeContext c;
    c.chapters().singleChoices(2);
    TFrmSearch search(c.open(), u"没有这句话"_s);
    EXPECT_TRUE(search.hits().isEmpty());
    EXPECT_EQ(textOf(search, u"searchSummary"_s), u"没有找到含有“没有这句话”的题目"_s);
    EXPECT_FALSE(button(search, u"btnPracticeHits"_s)->isEnabled());
}

} // namespace
