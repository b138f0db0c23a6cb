#include "FakeFileDialogs.h"
#include "FakePrinters.h"
#include "TestContext.h"

#include "exam/BarChartCanvas.h"
#include "exam/ChapterColour.h"
#include "exam/PieChartCanvas.h"
#include "exam/StudyCurveCanvas.h"
#include "exam/Tfrmchart.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A window on a bank of three charted chapters: 第一章 has no questions, 第二章
// 7 of 9 done, 第三章 1 of 4.
struct ChartFixture
{
    TestContext t;
    FakePrinters* printers = nullptr;
    FakeFileDialogs* files = nullptr;
    std::unique_ptr<Tfrmchart> window;

    explicit ChartFixture(const QString& layoutMode = u"1024"_s)
    {
        t.bank.chapter(u"10"_s, u"第一章"_s).chapter(u"11"_s, u"第二章"_s).chapter(u"12"_s, u"第三章"_s);
        t.bank.exec(u"UPDATE tab_kmmc SET C3 = 9, C4 = 7, D1 = 20, D2 = 6 WHERE C1 = '11'"_s);
        t.bank.exec(u"UPDATE tab_kmmc SET C3 = 4, C4 = 1, D1 = 1, D2 = 1 WHERE C1 = '12'"_s);
        AppContext& ctx = t.open();
        ctx.LayoutMode = layoutMode;
        auto fakePrinters = std::make_unique<FakePrinters>();
        auto fakeFiles = std::make_unique<FakeFileDialogs>();
        printers = fakePrinters.get();
        files = fakeFiles.get();
        window = std::make_unique<Tfrmchart>(ctx, std::move(fakePrinters), std::move(fakeFiles));
        window->show();
    }

    template <class T> T* find(const QString& name) const
    {
        T* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << qPrintable(name);
        return child;
    }
    void click(const QString& name) { find<QAbstractButton>(name)->click(); }
    QRadioButton* type(int item) const
    {
        return find<QRadioButton>(u"RadioGroup1Item"_s + QString::number(item));
    }
    QRadioButton* side(int item) const
    {
        return find<QRadioButton>(u"RadioGroup2Item"_s + QString::number(item));
    }
    QCheckBox* option(int n) const { return find<QCheckBox>(u"CheckBox"_s + QString::number(n)); }
    PieChartCanvas* pie() const
    {
        return static_cast<PieChartCanvas*>(window->chart(Tfrmchart::Distribution));
    }
    BarChartCanvas* bars(Tfrmchart::ChartType type) const
    {
        return static_cast<BarChartCanvas*>(window->chart(type));
    }
};

} // namespace

TEST(TfrmchartTest, OpensOnTheFrequencyChartInDepthWithTheLegendOnTop)
{
    ChartFixture f;
    EXPECT_EQ(f.window->windowTitle(), u"成绩统计图"_s);
    EXPECT_EQ(f.window->shownChart(), f.window->chart(Tfrmchart::Frequency));
    EXPECT_TRUE(f.type(Tfrmchart::Frequency)->isChecked());
    EXPECT_TRUE(f.side(0)->isChecked());
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(f.option(n)->isChecked()) << n;
    const ChartCanvas* shown = f.window->shownChart();
    EXPECT_TRUE(shown->isThreeD());
    EXPECT_TRUE(shown->isLegendVisible());
    EXPECT_EQ(shown->legendAlignment(), Qt::AlignTop);
    EXPECT_TRUE(shown->marksVisible());
    EXPECT_FALSE(f.find<QLabel>(u"TotalCaption"_s)->isVisible());

    const QStringList titles = {u"习题分布统计图"_s, u"频 度 统 计 图"_s, u"进度统计图"_s};
    for (int type = 0; type < 3; ++type)
        EXPECT_EQ(f.window->chart(Tfrmchart::ChartType(type))->title(), titles[type]);
}

TEST(TfrmchartTest, ChartsDrawTheChapterCounters)
{
    ChartFixture f;
    // Pie: one slice per chapter, 第一章's slice 0, in the chapter colours.
    const QVector<PieChartCanvas::Slice>& slices = f.pie()->slices();
    ASSERT_EQ(slices.size(), 3);
    const double values[3] = {0, 9, 4};
    const QRgb colours[3] = {255, 255 + 80000, 255 + 2 * 80000};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(slices[i].value, values[i]) << i;
        const QColor c = slices[i].colour;
        EXPECT_EQ(QRgb(c.red() | c.green() << 8 | c.blue() << 16), colours[i]) << i;
    }
    EXPECT_EQ(slices[0].colour, QColor(255, 0, 0));
    EXPECT_EQ(f.pie()->seriesName(), u"习题分布"_s);

    // Frequency: answers and wrong answers, two series in their own colours.
    const auto& frequency = f.bars(Tfrmchart::Frequency)->series();
    ASSERT_EQ(frequency.size(), 2);
    EXPECT_EQ(frequency[0].name, u"已做题次"_s);
    EXPECT_EQ(frequency[1].name, u"做错题次"_s);
    EXPECT_EQ(frequency[0].bars[1].value, 20);
    EXPECT_EQ(frequency[1].bars[1].value, 6);
    EXPECT_EQ(frequency[0].bars.size(), 3);
    EXPECT_EQ(f.bars(Tfrmchart::Frequency)->legend().entries().size(), 2);

    // Progress: no bar for the chapter without questions, 7 of 9 is 77, colours by chapter row.
    const auto& progress = f.bars(Tfrmchart::Progress)->series();
    ASSERT_EQ(progress.size(), 1);
    EXPECT_EQ(progress[0].name, u"进度"_s);
    ASSERT_EQ(progress[0].bars.size(), 2);
    EXPECT_EQ(progress[0].bars[0].label, u"第二章"_s);
    EXPECT_EQ(progress[0].bars[0].value, 77);
    EXPECT_EQ(progress[0].bars[0].colour, ChapterColour(1));
    EXPECT_EQ(progress[0].bars[1].value, 25);
    EXPECT_EQ(progress[0].bars[1].colour, ChapterColour(2));
}

TEST(TfrmchartTest, ProgressIsTheTruncatedPercentage)
{
    const struct
    {
        qint64 done, questions;
        int progress;
    } cases[] = {{7, 9, 77}, {0, 9, 0}, {9, 9, 100}, {29, 100, 29}, {57, 100, 57}, {1, 3, 33}, {2, 3, 66}};
    for (const auto& c : cases)
        EXPECT_EQ(Tfrmchart::progressOf(c.done, c.questions), c.progress) << c.done << "/" << c.questions;
}

TEST(TfrmchartTest, ChapterColoursPastTwentyFourBitsKeepTheLowBits)
{
    EXPECT_EQ(ChapterColour(209), QColor(0x7f, 0x21, 0xff)); // 255 + 80000 x 209 = 0xFF217F
    EXPECT_EQ(ChapterColour(210), QColor(0xff, 0x59, 0x00)); // 0x10059FF: the 1 above 24 bits is dropped
}

TEST(TfrmchartTest, TheDistributionChartShowsTheQuestionTotal)
{
    ChartFixture f;
    f.type(Tfrmchart::Distribution)->click();
    EXPECT_EQ(f.window->shownChart(), f.window->chart(Tfrmchart::Distribution));
    EXPECT_TRUE(f.find<QLabel>(u"TotalCaption"_s)->isVisible());
    EXPECT_EQ(f.find<QLabel>(u"TotalCaption"_s)->text(), u"习题总数:"_s);
    EXPECT_EQ(f.find<QLabel>(u"TotalValue"_s)->text(), u"13"_s);
    f.type(Tfrmchart::Progress)->click();
    EXPECT_FALSE(f.find<QLabel>(u"TotalCaption"_s)->isVisible());
}

TEST(TfrmchartTest, AnEmptyChapterListLeavesEveryChartEmptyAndTheTotalZero)
{
    TestContext t;
    auto window = std::make_unique<Tfrmchart>(t.open(), std::make_unique<FakePrinters>(),
                                              std::make_unique<FakeFileDialogs>());
    window->findChild<QRadioButton*>(u"RadioGroup1Item0"_s)->click();
    EXPECT_TRUE(static_cast<PieChartCanvas*>(window->chart(Tfrmchart::Distribution))->slices().isEmpty());
    EXPECT_EQ(window->findChild<QLabel*>(u"TotalValue"_s)->text(), u"0"_s);
    EXPECT_TRUE(static_cast<BarChartCanvas*>(window->chart(Tfrmchart::Progress))->series()[0].bars.isEmpty());
    EXPECT_TRUE(t.prompts.messages.isEmpty());
}

TEST(TfrmchartTest, SwitchingTheChartTypeResetsLegendAndOptionsOnTheChartLeft)
{
    ChartFixture f;
    ChartCanvas* frequency = f.window->chart(Tfrmchart::Frequency);
    f.side(3)->click();
    for (int n = 1; n <= 3; ++n)
        f.option(n)->click();
    EXPECT_EQ(frequency->legendAlignment(), Qt::AlignRight);
    EXPECT_FALSE(frequency->isThreeD());
    EXPECT_FALSE(frequency->isLegendVisible());
    EXPECT_FALSE(frequency->marksVisible());

    f.type(Tfrmchart::Progress)->click();

    EXPECT_TRUE(f.side(0)->isChecked());
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(f.option(n)->isChecked()) << n;
    EXPECT_TRUE(f.find<QGroupBox>(u"RadioGroup2"_s)->isEnabled());
    // The chart left is back at its start, and so is the one shown.
    for (ChartCanvas* chart : {frequency, f.window->shownChart()}) {
        EXPECT_EQ(chart->legendAlignment(), Qt::AlignTop);
        EXPECT_TRUE(chart->isThreeD());
        EXPECT_TRUE(chart->isLegendVisible());
        EXPECT_TRUE(chart->marksVisible());
    }
}

TEST(TfrmchartTest, OptionsActOnTheChartShown)
{
    ChartFixture f;
    f.type(Tfrmchart::Progress)->click();
    ChartCanvas* progress = f.window->shownChart();
    const QImage deep = progress->toImage();
    f.option(1)->click();
    EXPECT_FALSE(progress->isThreeD());
    EXPECT_NE(progress->toImage(), deep); // the depth is visible
    EXPECT_TRUE(f.window->chart(Tfrmchart::Frequency)->isThreeD());

    const Qt::Alignment sides[4] = {Qt::AlignTop, Qt::AlignBottom, Qt::AlignLeft, Qt::AlignRight};
    for (int item : {1, 2, 3, 0}) {
        f.side(item)->click();
        EXPECT_EQ(progress->legendAlignment(), sides[item]) << item;
    }
    f.option(3)->click();
    EXPECT_FALSE(progress->marksVisible());
}

TEST(TfrmchartTest, ClearingShowLegendDisablesTheLegendPositions)
{
    ChartFixture f;
    QGroupBox* positions = f.find<QGroupBox>(u"RadioGroup2"_s);
    f.option(2)->click();
    EXPECT_FALSE(positions->isEnabled());
    for (int item = 0; item < 4; ++item)
        EXPECT_FALSE(f.side(item)->isEnabled()) << item;
    EXPECT_FALSE(f.window->shownChart()->isLegendVisible());
    EXPECT_TRUE(f.window->shownChart()->legend().geometry().isEmpty());
    f.option(2)->click();
    EXPECT_TRUE(positions->isEnabled());
    EXPECT_TRUE(f.side(1)->isEnabled());
    EXPECT_TRUE(f.window->shownChart()->isLegendVisible());
}

TEST(TfrmchartTest, TheTotalLineMovesUpWhileTheLegendIsAtTheBottom)
{
    ChartFixture f;
    f.type(Tfrmchart::Distribution)->click();
    QLabel* total = f.find<QLabel>(u"TotalCaption"_s);
    const int top = total->y();
    f.side(1)->click();
    EXPECT_EQ(total->y(), top - 30);
    f.side(2)->click();
    EXPECT_EQ(total->y(), top);
    f.side(1)->click();
    f.side(3)->click();
    EXPECT_EQ(total->y(), top);
    f.side(1)->click();
    f.type(Tfrmchart::Frequency)->click(); // the reset puts the legend back on top
    EXPECT_EQ(total->y(), top);
    // The line stays clear of the chart's drawing: below the plot, above the window's edge.
    f.type(Tfrmchart::Distribution)->click();
    f.side(1)->click();
    const ChartCanvas* chart = f.window->shownChart();
    const QPoint chartTop = chart->mapTo(f.window.get(), QPoint(0, 0));
    EXPECT_GE(total->y(), chartTop.y() + chart->legend().geometry().bottom());
}

TEST(TfrmchartTest, BothLayoutsKeepEveryControlInside)
{
    for (const QString& mode : {u"800"_s, u"1024"_s}) {
        SCOPED_TRACE(qPrintable(mode));
        ChartFixture f(mode);
        EXPECT_EQ(f.window->size(), mode == u"800" ? QSize(780, 560) : QSize(934, 600));
        for (const QWidget* child : f.window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(f.window->rect().contains(child->geometry())) << qPrintable(child->objectName());
    }
}

TEST(TfrmchartTest, SettingsOpensTheSystemSettingsInMusicMode)
{
    ChartFixture f;
    f.t.app->SettingsMode = 1;
    f.click(u"SettingsButton"_s);
    EXPECT_EQ(f.t.actions.settingsOpened, 1);
    EXPECT_EQ(f.t.app->SettingsMode, 0);
}

TEST(TfrmchartTest, CloseClosesTheWindow)
{
    ChartFixture f;
    f.click(u"CloseButton"_s);
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_EQ(f.window->result(), QDialog::Rejected);
}

TEST(TfrmchartTest, PrintingWithoutAPrinterSaysSo)
{
    ChartFixture f;
    f.click(u"PrintButton"_s);
    EXPECT_EQ(f.printers->asked, 1);
    ASSERT_EQ(f.t.prompts.messages.size(), 1);
    EXPECT_EQ(f.t.prompts.last().title, u"提示"_s);
    EXPECT_EQ(f.t.prompts.last().text, u"没有发现打印机！"_s);
    EXPECT_EQ(f.t.prompts.last().buttonSet, Prompts::ButtonSet::Ok);
    EXPECT_EQ(f.t.prompts.last().page, Prompts::Picture::Warning);
}

TEST(TfrmchartTest, PrintsTheChartShownOnALandscapePage)
{
    ChartFixture f;
    QTemporaryDir dir;
    f.printers->pdfFile = dir.filePath(u"chart.pdf"_s);
    f.click(u"PrintButton"_s);

    EXPECT_TRUE(f.t.prompts.messages.isEmpty());
    QFile pdf(f.printers->pdfFile);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    const QRegularExpressionMatch box =
        QRegularExpression(u"/MediaBox \\[\\s*0 0 ([0-9.]+) ([0-9.]+)\\s*\\]"_s)
            .match(QString::fromLatin1(bytes));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_GT(box.captured(1).toDouble(), box.captured(2).toDouble()); // wider than high
    EXPECT_TRUE(bytes.contains("/FontFile")); // the chart's texts were drawn, not an empty page
}

TEST(TfrmchartTest, APrinterThatFailsIsReported)
{
    ChartFixture f;
    f.printers->pdfFile = u"/nonexistent-folder/chart.pdf"_s;
    f.click(u"PrintButton"_s);
    ASSERT_EQ(f.t.prompts.messages.size(), 1);
    EXPECT_EQ(f.t.prompts.last().title, u"错误"_s);
    EXPECT_EQ(f.t.prompts.last().text, u"打印时发生错误！"_s);
    EXPECT_EQ(f.t.prompts.last().page, Prompts::Picture::Error);
    EXPECT_TRUE(f.window->isVisible());
}

TEST(TfrmchartTest, SaveAsWritesABitmapOnWhite)
{
    ChartFixture f;
    QTemporaryDir dir;
    f.files->path = dir.filePath(u"chart.bmp"_s);
    f.click(u"SaveButton"_s);

    ASSERT_EQ(f.files->requests.size(), 1);
    const FileDialogs::Request& request = f.files->requests.first();
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(request.filters.first(), u"Bitmaps图片 (*.bmp)"_s);
    EXPECT_TRUE(request.filters.contains(u"PNG图片 (*.png)"_s));
    EXPECT_TRUE(f.t.prompts.messages.isEmpty());
    QFile file(f.files->path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(2) == "BM");
    const QImage image(f.files->path);
    EXPECT_EQ(image.size(), f.window->shownChart()->size());
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
}

TEST(TfrmchartTest, TheSavedPictureHoldsThePaintedSeries)
{
    ChartFixture f;
    f.type(Tfrmchart::Distribution)->click();
    f.option(1)->click(); // flat: the pie's centre is the plot's
    QTemporaryDir dir;
    f.files->path = dir.filePath(u"pie.png"_s);
    f.click(u"SaveButton"_s);
    const QImage image(f.files->path);
    ASSERT_FALSE(image.isNull());
    // Right of the centre lies 第二章's slice, the largest.
    const QPointF centre = f.window->shownChart()->plotRect().center();
    EXPECT_EQ(image.pixelColor(qRound(centre.x()) + 20, qRound(centre.y())), ChapterColour(1));
}

TEST(TfrmchartTest, SaveAsWritesPngWhenChosen)
{
    ChartFixture f;
    QTemporaryDir dir;
    f.files->path = dir.filePath(u"chart"_s);
    f.files->filter = u"PNG图片 (*.png)"_s;
    f.click(u"SaveButton"_s);
    QFile file(f.files->path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(4) == "\x89PNG");
}

TEST(TfrmchartTest, SaveAsCancelledOrOverwriteDeclinedWritesNothing)
{
    ChartFixture f;
    f.click(u"SaveButton"_s); // cancelled
    EXPECT_TRUE(f.t.prompts.messages.isEmpty());

    QTemporaryDir dir;
    f.files->path = dir.filePath(u"old.bmp"_s);
    {
        QFile old(f.files->path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old picture");
    }
    f.files->overwrite = false;
    f.click(u"SaveButton"_s);
    EXPECT_EQ(f.files->overwriteQuestions, 1);
    QFile kept(f.files->path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("old picture"));
    kept.close();

    f.files->overwrite = true;
    f.click(u"SaveButton"_s);
    EXPECT_EQ(f.files->overwriteQuestions, 2);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.read(2) == "BM");
    EXPECT_TRUE(f.t.prompts.messages.isEmpty());
}

TEST(TfrmchartTest, AFileThatCannotBeWrittenIsReported)
{
    ChartFixture f;
    f.files->path = u"/nonexistent-folder/chart.bmp"_s;
    f.click(u"SaveButton"_s);
    ASSERT_EQ(f.t.prompts.messages.size(), 1);
    EXPECT_EQ(f.t.prompts.last().title, u"错误"_s);
    EXPECT_EQ(f.t.prompts.last().text, u"无法保存文件！"_s);
    EXPECT_EQ(f.t.prompts.last().page, Prompts::Picture::Error);
    EXPECT_TRUE(f.window->isVisible());
}

TEST(TfrmchartTest, TheStudyCurveIsOfferedBesideTheChapterCharts)
{
    ChartFixture f;
    f.t.bank.exec(u"UPDATE tab_plan SET PlanMark = 0, PlanAmount = 30"_s);
    f.t.bank.logDay(f.t.clock.today().toString(Qt::ISODate), 12, 3, 10, 2);
    // A fresh window reads the log it finds.
    Tfrmchart window(*f.t.app, std::make_unique<FakePrinters>(), std::make_unique<FakeFileDialogs>());
    window.findChild<QRadioButton*>(u"RadioGroup1Item3"_s)->click();
    auto* curve = static_cast<StudyCurveCanvas*>(window.shownChart());
    EXPECT_EQ(curve, window.chart(Tfrmchart::Curve));
    EXPECT_EQ(curve->curve().days.size(), StudyCurve::Span);
    EXPECT_EQ(curve->curve().days.last().answers, 12);
    EXPECT_EQ(curve->curve().plannedAnswers.value_or(-1), 30);
    EXPECT_GE(curve->valueAxis()->max(), 30);
    EXPECT_EQ(curve->legend().entries().size(), 3);
}
