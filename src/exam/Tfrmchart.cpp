#include "Tfrmchart.h"

#include "BarChartCanvas.h"
#include "ChapterColour.h"
#include "PieChartCanvas.h"
#include "StudyCurveCanvas.h"

#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Printers.h"
#include "platform/Prompts.h"
#include "store/ChapterStatistics.h"
#include "store/StudyCurve.h"
#include "store/TDM1.h"
#include "ui/AppActions.h"
#include "ui/AppContext.h"
#include "ui/BusyCursor.h"
#include "ui/ErrorPrompt.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString BmpFilter = u"Bitmaps图片 (*.bmp)"_s;
const QString PngFilter = u"PNG图片 (*.png)"_s;
// The two answer series in the first colours of the chart's palette.
const QColor DoneColour(0x20, 0x9f, 0xdf);
const QColor WrongColour(0xf6, 0xa6, 0x25);
const QColor ProgressColour(0x99, 0xca, 0x53);

const Qt::Alignment LegendSides[4] = {Qt::AlignTop, Qt::AlignBottom, Qt::AlignLeft, Qt::AlignRight};

// Where the controls go in each layout.
struct Layout
{
    QSize window;
    QRect chart;
    int bandTop;
    int typeWidth, legendWidth, styleWidth;
    int buttonWidth;
};
const Layout Compact{{780, 560}, {16, 44, 748, 350}, 432, 230, 170, 150, 80};
const Layout Large{{934, 600}, {16, 44, 902, 390}, 472, 260, 190, 170, 108};

constexpr int TotalGap = 6;      // the total line sits this far under the chart
constexpr int TotalLift = 30;    // and this much higher while the legend is at the bottom
constexpr int TotalReserve = 34; // room the distribution chart keeps free for it then

QFont pixelFont(int size, bool bold = false)
{
    QFont font = QApplication::font();
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAccessibleName(text);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

} // namespace

Tfrmchart::Tfrmchart(AppContext& ctx, std::unique_ptr<Printers> printers, std::unique_ptr<FileDialogs> files,
                     QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx), m_printers(std::move(printers)),
      m_files(std::move(files)), m_compact(ctx.isCompactLayout())
{
    setObjectName(u"Tfrmchart"_s);
    setWindowTitle(u"成绩统计图"_s);
    buildControls();
    FormShow();
}

Tfrmchart::~Tfrmchart() = default;

int Tfrmchart::progressOf(qint64 done, qint64 questions)
{
    // In whole numbers: the truncated percentage without a floating-point rounding below it.
    return questions == 0 ? 0 : int(done * 100 / questions);
}

ChartCanvas* Tfrmchart::chart(ChartType type) const
{
    return qobject_cast<ChartCanvas*>(m_pages->widget(type));
}

ChartCanvas* Tfrmchart::shownChart() const
{
    return qobject_cast<ChartCanvas*>(m_pages->currentWidget());
}

void Tfrmchart::buildControls()
{
    m_title = new QLabel(u"成绩统计图"_s, this);
    m_title->setObjectName(u"Title"_s);
    m_title->setFont(pixelFont(20, true));

    m_distribution = new PieChartCanvas(u"习题分布统计图"_s, u"习题分布"_s);
    m_distribution->setObjectName(u"DistributionChart"_s);
    m_frequency = new BarChartCanvas(u"频 度 统 计 图"_s, u"题  次"_s, u"章    节"_s);
    m_frequency->setObjectName(u"FrequencyChart"_s);
    m_progress = new BarChartCanvas(u"进度统计图"_s, u"进度(%)"_s, u"章   节"_s);
    m_progress->setObjectName(u"ProgressChart"_s);
    m_progress->setValueMaximum(100);
    m_curve = new StudyCurveCanvas;
    m_curve->setObjectName(u"StudyCurveChart"_s);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(u"DBChart"_s);
    for (ChartCanvas* page :
         {static_cast<ChartCanvas*>(m_distribution), static_cast<ChartCanvas*>(m_frequency),
          static_cast<ChartCanvas*>(m_progress), static_cast<ChartCanvas*>(m_curve)})
        m_pages->addWidget(page);

    m_totalCaption = new QLabel(u"习题总数:"_s, this);
    m_totalCaption->setObjectName(u"TotalCaption"_s);
    m_totalValue = new QLabel(this);
    m_totalValue->setObjectName(u"TotalValue"_s);
    for (QLabel* label : {m_totalCaption, m_totalValue}) {
        label->setFont(pixelFont(14, true));
        label->hide();
    }

    m_typeBox = radioGroup(u"统计图类型"_s, u"RadioGroup1"_s,
                           {u"习题分布"_s, u"频度统计"_s, u"进度统计"_s, u"学习曲线"_s}, &m_types);
    m_legendBox = radioGroup(u"图例位置"_s, u"RadioGroup2"_s, {u"上方"_s, u"下方"_s, u"左侧"_s, u"右侧"_s},
                             &m_legendSides);
    m_styleBox = new QGroupBox(u"显示风格"_s, this);
    m_styleBox->setObjectName(u"StyleGroup"_s);
    new QVBoxLayout(m_styleBox);
    m_threeD = styleBox(m_styleBox, u"立体显示"_s, u"CheckBox1"_s);
    m_showLegend = styleBox(m_styleBox, u"显示图例"_s, u"CheckBox2"_s);
    m_showMarks = styleBox(m_styleBox, u"显示标签"_s, u"CheckBox3"_s);

    m_types->button(Frequency)->setChecked(true);
    m_legendSides->button(0)->setChecked(true);
    connect(m_types, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            RadioGroup1Click(id);
    });
    connect(m_legendSides, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            RadioGroup2Click(id);
    });
    connect(m_threeD, &QCheckBox::toggled, this, &Tfrmchart::CheckBox1Click);
    connect(m_showLegend, &QCheckBox::toggled, this, &Tfrmchart::CheckBox2Click);
    connect(m_showMarks, &QCheckBox::toggled, this, &Tfrmchart::CheckBox3Click);

    m_settingsButton = button(this, u"设置"_s, u"SettingsButton"_s);
    m_printButton = button(this, u"打印"_s, u"PrintButton"_s);
    m_saveButton = button(this, u"存为..."_s, u"SaveButton"_s);
    m_closeButton = button(this, u"关闭"_s, u"CloseButton"_s);
    connect(m_settingsButton, &QPushButton::clicked, this, &Tfrmchart::SettingsButtonClick);
    connect(m_printButton, &QPushButton::clicked, this, &Tfrmchart::PrintButtonClick);
    connect(m_saveButton, &QPushButton::clicked, this, &Tfrmchart::SaveButtonClick);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

QGroupBox* Tfrmchart::radioGroup(const QString& title, const QString& name, const QStringList& items,
                                 QButtonGroup** group)
{
    auto* box = new QGroupBox(title, this);
    box->setObjectName(name);
    box->setAccessibleName(title);
    auto* grid = new QGridLayout(box);
    *group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], box);
        radio->setObjectName(name + u"Item"_s + QString::number(i));
        radio->setAccessibleName(items[i]);
        grid->addWidget(radio, i / 2, i % 2);
        (*group)->addButton(radio, i);
    }
    return box;
}

QCheckBox* Tfrmchart::styleBox(QGroupBox* box, const QString& text, const QString& name)
{
    auto* check = new QCheckBox(text, box);
    check->setObjectName(name);
    check->setAccessibleName(text);
    check->setChecked(true);
    box->layout()->addWidget(check);
    return check;
}

void Tfrmchart::FormShow()
{
    BusyCursor busy;
    placeControls();
    loadChapters();
    loadCurve();
    m_pages->setCurrentIndex(Frequency);
}

void Tfrmchart::loadChapters()
{
    QVector<ChapterStatistics::Chapter> rows;
    try {
        rows = ChapterStatistics(m_ctx.dm).chapters();
    } catch (const std::exception& error) {
        ErrorPrompt::show(m_ctx.services.prompts, error);
    }
    QVector<PieChartCanvas::Slice> slices;
    BarChartCanvas::Series done{u"已做题次"_s, DoneColour, {}};
    BarChartCanvas::Series wrong{u"做错题次"_s, WrongColour, {}};
    BarChartCanvas::Series progress{u"进度"_s, ProgressColour, {}};
    for (int i = 0; i < rows.size(); ++i) {
        const ChapterStatistics::Chapter& row = rows[i];
        slices.append({row.C2, double(row.C3), ChapterColour(i)});
        done.bars.append({row.C2, double(row.D1), {}});
        wrong.bars.append({row.C2, double(row.D2), {}});
        if (row.C3 != 0)
            progress.bars.append({row.C2, double(progressOf(row.C4, row.C3)), ChapterColour(i)});
    }
    m_distribution->setSlices(slices);
    m_frequency->setSeries({done, wrong});
    m_progress->setSeries({progress});
}

void Tfrmchart::loadCurve()
{
    try {
        m_curve->setCurve(StudyCurve(m_ctx.dm).lastDays(m_ctx.services.clock.today()));
    } catch (const std::exception& error) {
        ErrorPrompt::show(m_ctx.services.prompts, error);
    }
}

void Tfrmchart::showTotal()
{
    qint64 total = 0;
    try {
        total = ChapterStatistics(m_ctx.dm).questionTotal();
    } catch (const std::exception& error) {
        ErrorPrompt::show(m_ctx.services.prompts, error);
    }
    m_totalValue->setText(QString::number(total));
    m_totalValue->setAccessibleName(m_totalValue->text());
}

void Tfrmchart::placeControls()
{
    const Layout& l = m_compact ? Compact : Large;
    setFixedSize(l.window);
    m_title->setGeometry(20, 8, 300, 32);
    m_pages->setGeometry(l.chart);
    const int height = l.window.height() - l.bandTop - 12;
    m_typeBox->setGeometry(l.chart.left(), l.bandTop, l.typeWidth, height);
    m_legendBox->setGeometry(m_typeBox->geometry().right() + 11, l.bandTop, l.legendWidth, height);
    m_styleBox->setGeometry(m_legendBox->geometry().right() + 11, l.bandTop, l.styleWidth, height);
    const int left = l.chart.right() + 1 - 2 * l.buttonWidth - 8;
    QPushButton* const buttons[4] = {m_settingsButton, m_printButton, m_saveButton, m_closeButton};
    for (int i = 0; i < 4; ++i)
        buttons[i]->setGeometry(left + (i % 2) * (l.buttonWidth + 8), l.bandTop + 12 + (i / 2) * 48,
                                l.buttonWidth, 36);
    placeTotal(totalTop());
}

int Tfrmchart::totalTop() const
{
    return (m_compact ? Compact : Large).chart.bottom() + 1 + TotalGap;
}

void Tfrmchart::placeTotal(int top)
{
    const int left = m_pages->x() + 8;
    const int captionWidth = m_totalCaption->fontMetrics().horizontalAdvance(m_totalCaption->text()) + 6;
    m_totalCaption->setGeometry(left, top, captionWidth, 24);
    m_totalValue->setGeometry(left + captionWidth, top, 160, 24);
    m_totalCaption->raise();
    m_totalValue->raise();
}

void Tfrmchart::RadioGroup1Click(int item)
{
    // The options go back to their start on the chart being left, then the chosen one shows.
    m_legendSides->button(0)->setChecked(true);
    m_threeD->setChecked(true);
    m_showLegend->setChecked(true);
    m_showMarks->setChecked(true);
    m_pages->setCurrentIndex(item);
    const bool distribution = item == Distribution;
    if (distribution)
        showTotal();
    m_totalCaption->setVisible(distribution);
    m_totalValue->setVisible(distribution);
}

void Tfrmchart::RadioGroup2Click(int item)
{
    shownChart()->setLegendAlignment(LegendSides[item]);
    m_distribution->setBottomReserve(m_distribution->legendAlignment() == Qt::AlignBottom ? TotalReserve : 0);
    placeTotal(item == 1 ? m_totalCaption->y() - TotalLift : totalTop());
}

void Tfrmchart::CheckBox1Click()
{
    shownChart()->setThreeD(m_threeD->isChecked());
}

void Tfrmchart::CheckBox2Click()
{
    m_legendBox->setEnabled(m_showLegend->isChecked());
    shownChart()->setLegendVisible(m_showLegend->isChecked());
}

void Tfrmchart::CheckBox3Click()
{
    shownChart()->setMarksVisible(m_showMarks->isChecked());
}

void Tfrmchart::SettingsButtonClick()
{
    m_ctx.SettingsMode = 0;
    try {
        if (m_ctx.actions)
            m_ctx.actions->openSystemSettings(this);
    } catch (const std::exception& error) {
        ErrorPrompt::show(m_ctx.services.prompts, error);
    }
}

void Tfrmchart::PrintButtonClick()
{
    const std::unique_ptr<QPrinter> printer = m_printers->defaultPrinter();
    if (!printer) {
        m_ctx.services.prompts.MessageDialog(u"提示"_s, u"没有发现打印机！"_s, Prompts::ButtonSet::Ok,
                                             Prompts::Picture::Warning);
        return;
    }
    printer->setPageOrientation(QPageLayout::Landscape);
    printer->setDocName(shownChart()->title());
    if (!shownChart()->print(*printer))
        m_ctx.services.prompts.MessageDialog(u"错误"_s, u"打印时发生错误！"_s, Prompts::ButtonSet::Ok,
                                             Prompts::Picture::Error);
}

void Tfrmchart::SaveButtonClick()
{
    FileDialogs::Request request;
    request.caption = u"存为..."_s;
    request.directory = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    request.filters = {BmpFilter, PngFilter};
    request.selectedFilter = BmpFilter;
    request.confirmOverwrite = true;
    const FileDialogs::Choice choice = m_files->saveFileName(this, request);
    if (choice.cancelled())
        return;
    const QString suffix = QFileInfo(choice.path).suffix().toLower();
    const bool png = suffix == u"png" || (suffix != u"bmp" && choice.filter == PngFilter);
    const QImage image = shownChart()->toImage();
    // Written beside the target and renamed over it, so a failure leaves any earlier file whole.
    QSaveFile file(choice.path);
    const bool saved =
        file.open(QIODevice::WriteOnly) && image.save(&file, png ? "PNG" : "BMP") && file.commit();
    if (!saved)
        m_ctx.services.prompts.MessageDialog(u"错误"_s, u"无法保存文件！"_s, Prompts::ButtonSet::Ok,
                                             Prompts::Picture::Error);
}
