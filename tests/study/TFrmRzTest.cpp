#include "TestContext.h"

#include "study/TFrmConfig.h"
#include "study/TFrmRz.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString label(TFrmRz& window, const QString& name)
{
    return window.findChild<QLabel*>(name)->text();
}

QTableView* grid(TFrmRz& window)
{
    return window.findChild<QTableView*>(u"DBGrid1"_s);
}

} // namespace

TEST(TFrmRzTest, TotalsSumEveryDay)
{
    const struct
    {
        QString name;
        QVector<QPair<int, int>> days; // answers, wrong
        QString answers, wrong, score;
    } cases[] = {
        {u"empty log"_s, {}, u"0"_s, u"0"_s, u"0"_s},
        {u"ten answers, three wrong"_s, {{6, 2}, {4, 1}}, u"10"_s, u"3"_s, u"70.00"_s},
        {u"all right"_s, {{8, 0}, {1, 0}}, u"9"_s, u"0"_s, u"100.00"_s},
        {u"all wrong"_s, {{5, 5}}, u"5"_s, u"5"_s, u"0.00"_s},
        {u"a day without answers"_s, {{0, 0}}, u"0"_s, u"0"_s, u"0"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.name));
        TestContext t;
        for (qsizetype i = 0; i < c.days.size(); ++i)
            t.bank.logDay(QDate(2026, 12, 1).addDays(i).toString(Qt::ISODate), c.days[i].first,
                          c.days[i].second, c.days[i].first, c.days[i].second);
        TFrmRz window(t.open());

        EXPECT_EQ(grid(window)->model()->rowCount(), c.days.size());
        EXPECT_EQ(label(window, u"AnswersTotal"_s), c.answers);
        EXPECT_EQ(label(window, u"WrongTotal"_s), c.wrong);
        EXPECT_EQ(label(window, u"OverallScore"_s), c.score);
    }
}

TEST(TFrmRzTest, GridListsTheDaysNewestFirstInTheDesignedColumns)
{
    TestContext t;
    t.bank.logDay(u"2026-12-01"_s, 6, 2, 5, 1, u"00:20:05"_s)
        .logDay(u"2026-12-09"_s, 4, 1, 4, 1, u"01:02:03"_s)
        .logDay(u"2026-11-15"_s, 2, 0, 2, 0);
    t.bank.exec(u"UPDATE tab_rz SET A4 = '75.00' WHERE A1 = '2026-12-09'"_s);
    TFrmRz window(t.open());
    const QAbstractItemModel* model = grid(window)->model();

    const QStringList titles = {u"日期"_s,     u"做过题数"_s, u"做错题数"_s, u"做过道次"_s,
                                u"做错道次"_s, u"总用时"_s,   u"平均成绩"_s};
    ASSERT_EQ(model->columnCount(), titles.size());
    for (int c = 0; c < titles.size(); ++c)
        EXPECT_EQ(model->headerData(c, Qt::Horizontal).toString(), titles[c]);

    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->index(0, 0).data().toString(), u"2026-12-09"_s);
    EXPECT_EQ(model->index(1, 0).data().toString(), u"2026-12-01"_s);
    EXPECT_EQ(model->index(2, 0).data().toString(), u"2026-11-15"_s);
    const QStringList firstRow = {u"2026-12-09"_s, u"4"_s, u"1"_s, u"4"_s, u"1"_s, u"01:02:03"_s, u"75.00"_s};
    for (int c = 0; c < firstRow.size(); ++c)
        EXPECT_EQ(model->index(0, c).data().toString(), firstRow[c]) << c;
    EXPECT_TRUE(model->index(2, 5).data().toString().isEmpty());

    // Times and scores read from the right.
    for (int c : {5, 6})
        EXPECT_TRUE(model->index(0, c).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    EXPECT_EQ(grid(window)->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid(window)->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST(TFrmRzTest, LayoutFollowsTheScreen)
{
    const struct
    {
        QSize screen;
        bool compact;
    } cases[] = {
        {{800, 600}, true},    {{800, 768}, true},  {{1024, 768}, false},
        {{1280, 1024}, false}, {{1024, 600}, true}, // the large window would not fit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen.width() * 10000 + c.screen.height());
        TestContext t;
        t.screen.screenSize = c.screen;
        TFrmRz window(t.open());
        const QHeaderView* header = grid(window)->horizontalHeader();

        EXPECT_EQ(window.isCompact(), c.compact);
        EXPECT_EQ(window.size(), c.compact ? QSize(761, 480) : QSize(934, 611));
        EXPECT_EQ(header->sectionSize(0), c.compact ? 198 : 252);
        const QList<int> others =
            c.compact ? QList<int>{60, 60, 60, 60, 80, 71} : QList<int>{80, 80, 80, 80, 80, 80};
        for (int col = 1; col < 7; ++col)
            EXPECT_EQ(header->sectionSize(col), others[col - 1]) << col;
        // Everything lies inside the window.
        for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(window.rect().contains(child->geometry())) << qPrintable(child->objectName());
    }
}

TEST(TFrmRzTest, SettingsButtonOpensTheSystemSettingsInMusicMode)
{
    TestContext t;
    AppContext& ctx = t.open();
    ctx.SettingsMode = 1;
    bool musicMode = false;
    t.windows.on(u"TFrmConfig"_s, [&](QDialog& dialog) {
        musicMode = !static_cast<TFrmConfig&>(dialog).isAnswerTimeMode();
        dialog.reject();
    });
    TFrmRz window(ctx);

    QTest::mouseClick(window.findChild<QPushButton*>(u"SettingsButton"_s), Qt::LeftButton);

    EXPECT_EQ(t.windows.shown, QStringList{u"TFrmConfig"_s});
    EXPECT_TRUE(musicMode);
    EXPECT_EQ(ctx.SettingsMode, 0);
}
