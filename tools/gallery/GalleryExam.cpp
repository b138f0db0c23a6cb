#include "Gallery.h"

#include "exam/ChartCanvas.h"
#include "exam/Tfrmchart.h"
#include "platform/FileDialogs.h"
#include "platform/Printers.h"
#include "ui/AppContext.h"

#include <QAbstractButton>
#include <QPrinter>

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

void renderChart(GalleryContext& g, const QString& layoutMode, Tfrmchart::ChartType type, bool threeD,
                 const QString& name)
{
    const QString savedLayout = g.ctx.LayoutMode;
    g.ctx.LayoutMode = layoutMode;
    Tfrmchart window(g.ctx, std::make_unique<NoPrinters>(), std::make_unique<NoFileDialogs>());
    window.findChild<QAbstractButton*>(u"RadioGroup1Item"_s + QString::number(type))->click();
    if (!threeD)
        window.findChild<QAbstractButton*>(u"CheckBox1"_s)->click();
    g.save(window, name);
    g.ctx.LayoutMode = savedLayout;
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
    for (const auto& chart : charts) {
        for (const QString& layout : {u"1024"_s, u"800"_s}) {
            const QString suffix = layout == u"800" ? u"-800"_s : QString();
            renderChart(g, layout, chart.type, true, u"Tfrmchart-"_s + chart.name + suffix);
            renderChart(g, layout, chart.type, false, u"Tfrmchart-"_s + chart.name + u"-flat"_s + suffix);
        }
    }
}
