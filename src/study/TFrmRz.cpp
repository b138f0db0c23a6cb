#include "TFrmRz.h"

#include "StudyBackgrounds.h"
#include "StudyWidgets.h"
#include "TFrmConfig.h"

#include "platform/ScreenInfo.h"
#include "store/CodeSchemes.h"
#include "store/StudyLogTable.h"
#include "ui/AppContext.h"
#include "ui/GuardedSlot.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Column
{
    QString title;
    int compactWidth;
    Qt::Alignment alignment;
};

// Dates read from the left, counts and times from the right.
const Column Columns[7] = {
    {u"日期"_s, 198, Qt::AlignLeft | Qt::AlignVCenter},
    {u"做过题数"_s, 60, Qt::AlignRight | Qt::AlignVCenter},
    {u"做错题数"_s, 60, Qt::AlignRight | Qt::AlignVCenter},
    {u"做过道次"_s, 60, Qt::AlignRight | Qt::AlignVCenter},
    {u"做错道次"_s, 60, Qt::AlignRight | Qt::AlignVCenter},
    {u"总用时"_s, 80, Qt::AlignRight | Qt::AlignVCenter},
    {u"平均成绩"_s, 71, Qt::AlignRight | Qt::AlignVCenter},
};
constexpr int LargeFirstColumn = 252;
constexpr int LargeColumn = 80;

const QSize CompactSize(761, 480);
const QSize LargeSize(934, 611);

const QString TotalCaptions[3] = {u"已做习题\r\n（道次）"_s, u"做错习题\r\n（道次）"_s, u"综合成绩"_s};
const QString TotalNames[3] = {u"AnswersTotal"_s, u"WrongTotal"_s, u"OverallScore"_s};

} // namespace

TFrmRz::TFrmRz(AppContext& ctx, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx),
      m_compact(usesCompactLayout(ctx.services.screen.size()))
{
    setObjectName(u"TFrmRz"_s);
    setWindowTitle(u"日志"_s);
    buildControls();
    FormCreate();
    FormShow();
}

bool TFrmRz::usesCompactLayout(const QSize& screen)
{
    return screen.width() == 800 || screen.width() < LargeSize.width() ||
           screen.height() < LargeSize.height();
}

void TFrmRz::buildControls()
{
    m_title = StudyWidgets::caption(this, u"日志"_s, u"Title"_s);
    m_title->setFont(StudyWidgets::font(20, true));

    m_model = new QStandardItemModel(0, 7, this);
    for (int c = 0; c < 7; ++c)
        m_model->setHeaderData(c, Qt::Horizontal, Columns[c].title);
    m_grid = new QTableView(this);
    m_grid->setObjectName(u"DBGrid1"_s);
    m_grid->setAccessibleName(u"日志"_s);
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);

    for (int i = 0; i < 3; ++i) {
        m_totalCaptions[i] = StudyWidgets::caption(this, TotalCaptions[i]);
        m_totalCaptions[i]->setAccessibleName(QString(TotalCaptions[i]).remove(u'\r').replace(u'\n', u' '));
        m_totalCaptions[i]->setAlignment(Qt::AlignCenter);
        m_totalValues[i] = StudyWidgets::caption(this, {}, TotalNames[i]);
        m_totalValues[i]->setFont(StudyWidgets::font(24, true));
        m_totalValues[i]->setAlignment(Qt::AlignCenter);
    }

    m_settingsButton = StudyWidgets::button(this, u"设置"_s, u"SettingsButton"_s);
    connect(m_settingsButton, &QPushButton::clicked, this, &TFrmRz::SettingsButtonClick);
    m_closeButton = StudyWidgets::button(this, u"关闭"_s, u"CloseButton"_s);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmRz::FormCreate()
{
    fillGrid();
    showTotals();
}

void TFrmRz::fillGrid()
{
    QVector<StudyLogTable::Day> days;
    GuardedSlot::run(m_ctx.services.prompts, [&] { days = StudyLogTable(m_ctx.dm).newestFirst(); });
    m_model->setRowCount(int(days.size()));
    for (int r = 0; r < days.size(); ++r) {
        const StudyLogTable::Day& day = days[r];
        const QString cells[7] = {day.A1, day.B1, day.B2, day.A2, day.A3, day.D1, day.A4};
        for (int c = 0; c < 7; ++c) {
            auto* item = new QStandardItem(cells[c]);
            item->setTextAlignment(Columns[c].alignment);
            item->setEditable(false);
            m_model->setItem(r, c, item);
        }
    }
}

void TFrmRz::showTotals()
{
    StudyLogTable::Totals totals;
    GuardedSlot::run(m_ctx.services.prompts, [&] { totals = StudyLogTable(m_ctx.dm).totals(); });
    const QString values[3] = {QString::number(totals.answers), QString::number(totals.wrong),
                               CodeSchemes::percentText(totals.answers, totals.wrong)};
    for (int i = 0; i < 3; ++i) {
        m_totalValues[i]->setText(values[i]);
        m_totalValues[i]->setAccessibleName(values[i]);
    }
}

void TFrmRz::FormShow()
{
    QHeaderView* header = m_grid->horizontalHeader();
    if (m_compact) {
        setFixedSize(CompactSize);
        setBackgroundFile(StudyWidgets::picturePath(m_ctx, StudyBackgrounds::logSmall()));
        m_title->setGeometry(20, 8, 300, 32);
        m_grid->setGeometry(16, 44, 612, 380);
        // Four-character titles need a smaller type in the narrow designed columns.
        header->setStyleSheet(u"QHeaderView::section { font-size: 12px; }"_s);
        for (int c = 0; c < 7; ++c)
            header->resizeSection(c, Columns[c].compactWidth);
        const int captionTops[3] = {96, 186, 276};
        const int valueTops[3] = {140, 230, 306};
        placeTotals(638, 108, captionTops, valueTops);
        m_settingsButton->setGeometry(448, 434, 85, 36);
        m_closeButton->setGeometry(543, 434, 85, 36);
    } else {
        setFixedSize(LargeSize);
        setBackgroundFile(StudyWidgets::picturePath(m_ctx, StudyBackgrounds::logLarge()));
        m_title->setGeometry(20, 12, 300, 34);
        m_grid->setGeometry(20, 53, 773, 474);
        header->resizeSection(0, LargeFirstColumn);
        for (int c = 1; c < 7; ++c)
            header->resizeSection(c, LargeColumn);
        const int captionTops[3] = {157, 243, 326};
        const int valueTops[3] = {195, 276, 346};
        placeTotals(812, 95, captionTops, valueTops);
        m_settingsButton->setGeometry(585, 541, 85, 36);
        m_closeButton->setGeometry(676, 541, 85, 36);
    }
}

void TFrmRz::placeTotals(int left, int width, const int captionTops[3], const int valueTops[3])
{
    // The designed tops, pushed down where the window font needs more room.
    int below = 0;
    for (int i = 0; i < 3; ++i) {
        const QFontMetrics captionMetrics = m_totalCaptions[i]->fontMetrics();
        const int lines = int(TotalCaptions[i].count(u'\n')) + 1;
        const int captionHeight = lines * captionMetrics.lineSpacing() + 2;
        const int captionTop = qMax(captionTops[i], below);
        m_totalCaptions[i]->setGeometry(left, captionTop, width, captionHeight);
        const int valueHeight = m_totalValues[i]->fontMetrics().height() + 2;
        const int valueTop = qMax(valueTops[i], captionTop + captionHeight + 2);
        m_totalValues[i]->setGeometry(left, valueTop, width, valueHeight);
        below = valueTop + valueHeight + 12;
    }
}

void TFrmRz::SettingsButtonClick()
{
    GuardedSlot::run(m_ctx.services.prompts, [&] { TFrmConfig::openMusicSettings(m_ctx, this); });
}
