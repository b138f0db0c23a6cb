#include "Gallery.h"

#include "exam/ChartCanvas.h"
#include "exam/TFrmCheck.h"
#include "exam/TFrmExam.h"
#include "exam/Tfrmchart.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Printers.h"
#include "store/ExamAnswerRecorder.h"
#include "store/PaperGenerator.h"
#include "store/PaperMarking.h"
#include "store/PaperTable.h"
#include "store/TDM1.h"
#include "ui/AppContext.h"

#include <QAbstractButton>
#include <QPrinter>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The gallery prints nothing and saves nothing.
class NoPrinters final : public Printers
{
public:
    std::unique_ptr<QPrinter> defaultPrinter() override { return nullptr; }
};

class NoFileDialogs final : public FileDialogs
{
public:
    Choice saveFileName(QWidget*, const Request&) override { return {}; }
    Choice openFileName(QWidget*, const Request&) override { return {}; }
};

// A few weeks of study before today, so that the study curve has a shape.
void logSomeWeeks(GalleryContext& g)
{
    SQLite::Database bank(TDM1::bankPathIn(g.ctx.dm.ProgramFolder()).toStdString(), SQLite::OPEN_READWRITE);
    bank.setBusyTimeout(2000);
    SQLite::Statement insert(bank, "INSERT OR IGNORE INTO tab_rz (A1, A2, A3, B1, B2, A4, D1)"
                                   " VALUES (?, ?, ?, ?, ?, ?, '00:30:00')");
    const QDate today = g.ctx.services.clock.today();
    for (int back = 60; back >= 1; --back) {
        if (back % 7 == 3 || back % 5 == 0)
            continue;
        const int answers = 20 + (back * 37) % 45;
        const int wrong = (back * 13) % (answers / 2);
        insert.bind(1, today.addDays(-back).toString(Qt::ISODate).toStdString());
        insert.bind(2, answers);
        insert.bind(3, wrong);
        insert.bind(4, answers);
        insert.bind(5, wrong);
        insert.bind(6, QString::asprintf("%2.2f", (answers - wrong) * 100.0 / answers).toStdString());
        insert.exec();
        insert.reset();
    }
}

void renderChart(GalleryContext& g, const QString& layoutMode, Tfrmchart::ChartType type, bool threeD,
                 const QString& name, int legendSide = 0)
{
    const QString savedLayout = g.ctx.LayoutMode;
    g.ctx.LayoutMode = layoutMode;
    Tfrmchart window(g.ctx, std::make_unique<NoPrinters>(), std::make_unique<NoFileDialogs>());
    window.findChild<QAbstractButton*>(u"RadioGroup1Item"_s + QString::number(type))->click();
    if (legendSide != 0)
        window.findChild<QAbstractButton*>(u"RadioGroup2Item"_s + QString::number(legendSide))->click();
    if (!threeD)
        window.findChild<QAbstractButton*>(u"CheckBox1"_s)->click();
    g.save(window, name);
    g.ctx.LayoutMode = savedLayout;
}

// A paper of subject 1 with every third question answered, two of them wrong.
PaperGenerator::Paper answeredPaper(GalleryContext& g)
{
    const PaperGenerator::Paper paper = PaperGenerator(g.ctx.dm).generate(1);
    ExamAnswerRecorder recorder(g.ctx.dm, paper.A1);
    QVector<QuestionRecord> rows = PaperTable(g.ctx.dm, paper.A1).rows();
    for (int i = 0; i < rows.size(); i += 3)
        recorder.record(rows[i], i % 9 == 3 ? u"Z"_s : rows[i].A2, 600 + i * 20);
    return paper;
}

void renderExam(GalleryContext& g, const PaperGenerator::Paper& paper, const QString& layoutMode,
                const QString& mode, const QString& name, bool pause = false, double score = 0)
{
    const QString savedLayout = g.ctx.LayoutMode;
    g.ctx.LayoutMode = layoutMode;
    TFrmExam window(g.ctx);
    const bool old = mode == u"old"_s;
    window.PreparePaper(paper.A1, paper.A3, mode, score, old ? u"1:12:40"_s : u"0:00:00"_s);
    window.setResumedSeconds(1723);
    window.OpenPaper();
    window.show();
    window.findChild<QAbstractButton*>(u"questionButton4"_s)->click();
    if (pause)
        window.findChild<QAbstractButton*>(u"btnPause"_s)->click();
    g.save(window, name);
    g.ctx.LayoutMode = savedLayout;
}

void renderExamRun(GalleryContext& g)
{
    const PaperGenerator::Paper paper = answeredPaper(g);
    for (const QString& layout : {u"1024"_s, u"800"_s}) {
        const QString suffix = layout == u"800" ? u"-800"_s : QString();
        renderExam(g, paper, layout, u"new"_s, u"TFrmExam-new"_s + suffix);
        renderExam(g, paper, layout, u"new"_s, u"TFrmExam-paused"_s + suffix, true);
    }
    PaperMarking(g.ctx.dm).MarkPaper(paper.A1, 1, u"1:12:40"_s);
    for (const QString& layout : {u"1024"_s, u"800"_s})
        renderExam(g, paper, layout, u"old"_s,
                   u"TFrmExam-old"_s + (layout == u"800" ? u"-800"_s : QString()));
    for (const QString& layout : {u"1024"_s, u"800"_s}) {
        const QString savedLayout = g.ctx.LayoutMode;
        g.ctx.LayoutMode = layout;
        TFrmCheck list(g.ctx);
        list.show();
        g.save(list, u"TFrmCheck"_s + (layout == u"800" ? u"-800"_s : QString()));
        g.ctx.LayoutMode = savedLayout;
    }
}

} // namespace

void renderExamWindows(GalleryContext& g)
{
    const struct
    {
        Tfrmchart::ChartType type;
        QString name;
    } charts[] = {
        {Tfrmchart::Frequency, u"frequency"_s},
        {Tfrmchart::Distribution, u"distribution"_s},
        {Tfrmchart::Progress, u"progress"_s},
        {Tfrmchart::Curve, u"curve"_s},
    };
    renderExamRun(g);
    logSomeWeeks(g);
    for (const auto& chart : charts) {
        for (const QString& layout : {u"1024"_s, u"800"_s}) {
            const QString suffix = layout == u"800" ? u"-800"_s : QString();
            renderChart(g, layout, chart.type, true, u"Tfrmchart-"_s + chart.name + suffix);
            renderChart(g, layout, chart.type, false, u"Tfrmchart-"_s + chart.name + u"-flat"_s + suffix);
        }
    }
    // The legend's other places, with the total line that follows a legend at the bottom.
    renderChart(g, u"800"_s, Tfrmchart::Distribution, true, u"Tfrmchart-distribution-legend-bottom-800"_s, 1);
    renderChart(g, u"1024"_s, Tfrmchart::Distribution, false, u"Tfrmchart-distribution-legend-left"_s, 2);
    renderChart(g, u"1024"_s, Tfrmchart::Progress, true, u"Tfrmchart-progress-legend-right"_s, 3);
    renderChart(g, u"800"_s, Tfrmchart::Frequency, true, u"Tfrmchart-frequency-legend-bottom-800"_s, 1);
}
