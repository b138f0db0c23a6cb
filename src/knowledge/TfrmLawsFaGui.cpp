#include "TfrmLawsFaGui.h"

#include "TFrmRuleLxxt.h"
#include "TfrmLawDetail.h"

#include "platform/ModalRunner.h"
#include "platform/Prompts.h"
#include "question/ButtonFaces.h"
#include "question/MissingPicture.h"
#include "store/PracticeQueries.h"
#include "ui/AppContext.h"
#include "ui/BusyCursor.h"
#include "ui/ErrorPrompt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

enum Column
{
    Name,
    Questions,
    Done,
    Attempts,
    Wrong,
    ColumnCount
};

constexpr int RowHeight = 30;

} // namespace

TfrmLawsFaGui::TfrmLawsFaGui(AppContext& ctx, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx), m_catalogue(ctx.dm)
{
    BusyCursor busy;
    setWindowTitle(u"考点目录"_s);
    m_title = new QLabel(u"考点目录"_s, this);
    m_title->setObjectName(u"titleLine"_s);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setTextFormat(Qt::PlainText);
    m_title->setStyleSheet(u"QLabel { background: #2f6f8f; color: white; font-size: 13pt; font-weight: bold;"
                           u" border-radius: 3px; padding: 4px; }"_s);

    m_grid = new QTableWidget(0, ColumnCount, this);
    m_grid->setObjectName(u"grid"_s);
    m_grid->setAccessibleName(u"考点目录"_s);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setTabKeyNavigation(false);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grid->setStyleSheet(u"QTableWidget { alternate-background-color: #f4f1ea; }"_s);
    // Enter on a row and a double click both open the row's node.
    connect(m_grid, &QTableWidget::activated, this, [this] { guarded([this] { openNode(); }); });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) {
        const QTableWidgetItem* name = row >= 0 ? m_grid->item(row, Name) : nullptr;
        m_grid->setToolTip(name ? name->text() : QString());
    });
    applyGridLayout();

    auto* frame = new QWidget(this);
    frame->setObjectName(u"frame"_s);
    m_frame = new QVBoxLayout(frame);
    m_frame->setContentsMargins(0, 0, 0, 0);
    m_frame->addWidget(m_grid);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 8, 6, 8);
    layout->setSpacing(6);
    layout->addWidget(m_title);
    layout->addWidget(frame, 1);
    layout->addWidget(buildButtonRow());
    setFixedSize(ctx.isCompactLayout() ? QSize(760, 504) : QSize(900, 599));
    showCatalogueView(true);
    loadCatalogue();
}

QPushButton* TfrmLawsFaGui::makeButton(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumHeight(28);
    return button;
}

QWidget* TfrmLawsFaGui::buildButtonRow()
{
    auto* bar = new QWidget(this);
    m_searchBox = new QLineEdit(bar);
    m_searchBox->setObjectName(u"searchBox"_s);
    m_searchBox->setAccessibleName(u"考点名称"_s);
    m_searchBox->setPlaceholderText(u"考点名称"_s);
    m_search = makeButton(u"检索(&F)"_s, u"btnSearch"_s);
    m_select = makeButton(u"选定(&S)"_s, u"btnSelect"_s);
    m_keyPoints = makeButton(u"重点(&M)"_s, u"btnKeyPoints"_s);
    m_practice = makeButton(u"练习(&P)"_s, u"btnPractice"_s);
    m_back = makeButton(u"返回(&B)"_s, u"btnBack"_s);
    m_exit = makeButton(u"退出(&E)"_s, u"btnExit"_s);
    connect(m_searchBox, &QLineEdit::returnPressed, this, &TfrmLawsFaGui::search);
    connect(m_search, &QPushButton::clicked, this, &TfrmLawsFaGui::search);
    connect(m_select, &QPushButton::clicked, this, [this] { guarded([this] { openNode(); }); });
    connect(m_keyPoints, &QPushButton::clicked, this, &TfrmLawsFaGui::toggleKeyPoints);
    connect(m_practice, &QPushButton::clicked, this, &TfrmLawsFaGui::practisePoint);
    connect(m_back, &QPushButton::clicked, this, [this] { guarded([this] { goBack(); }); });
    connect(m_exit, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(m_searchBox, 1);
    // Takes the box's room in the node view, where the box is hidden.
    row->addStretch(0);
    for (QPushButton* button : {m_search, m_select, m_keyPoints, m_practice, m_back, m_exit}) {
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        row->addWidget(button);
    }
    return bar;
}

// The header, the column widths and the row heights of the layout.
void TfrmLawsFaGui::applyGridLayout()
{
    const bool compact = m_ctx.isCompactLayout();
    const QString blanks(compact ? 19 : 29, u' ');
    m_grid->setHorizontalHeaderLabels(
        {blanks + u"考 点 名 称"_s, u"  题  数"_s, u" 已做题数"_s, u" 已做道次"_s, u" 做错道次"_s});
    m_grid->setColumnWidth(Name, compact ? 410 : 554);
    for (int column = Questions; column < ColumnCount; ++column)
        m_grid->setColumnWidth(column, 80);
    m_grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    if (compact)
        m_grid->horizontalHeader()->setFixedHeight(RowHeight);
}

void TfrmLawsFaGui::showEvent(QShowEvent* event)
{
    FramelessDialog::showEvent(event);
    if (!m_layoutApplied) {
        m_layoutApplied = true;
        applyGridLayout();
    }
}

QString TfrmLawsFaGui::paddedCounter(int value)
{
    return QString::number(value).rightJustified(CounterWidth, u' ');
}

QString TfrmLawsFaGui::headingOf(const QString& entry)
{
    const qsizetype bracket = entry.indexOf(u'(');
    return bracket < 0 ? entry : entry.left(bracket);
}

void TfrmLawsFaGui::loadCatalogue()
{
    const QVector<CatalogueTable::Node> nodes = m_catalogue.nodes();
    if (nodes.isEmpty())
        return;
    m_codes.clear();
    m_grid->setRowCount(int(nodes.size()));
    for (int row = 0; row < nodes.size(); ++row) {
        const CatalogueTable::Node& node = nodes[row];
        const CatalogueTable::Counters& c = node.counters;
        const QStringList cells{node.n, paddedCounter(c.q), paddedCounter(c.q1), paddedCounter(c.q2),
                                paddedCounter(c.q4)};
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column != Name)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(row, column, item);
        }
        m_codes.append(node.id);
    }
    if (m_grid->currentRow() < 0)
        m_grid->setCurrentCell(0, Name);
}

void TfrmLawsFaGui::search()
{
    if (m_grid->rowCount() == 0 || m_searchBox->text().isEmpty())
        return;
    const QString wanted = m_searchBox->text().trimmed();
    // A box of blanks never matches.
    if (wanted.isEmpty())
        return;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const QTableWidgetItem* name = m_grid->item(row, Name);
        if (name && name->text().contains(wanted, Qt::CaseSensitive)) {
            m_grid->setCurrentCell(row, Name);
            m_grid->scrollToItem(name);
            return;
        }
    }
}

void TfrmLawsFaGui::openNode()
{
    const int row = m_grid->currentRow();
    if (m_pane || row < 0 || row >= m_codes.size())
        return;
    const QString code = m_codes[row].trimmed();
    if (code.size() == 1 || code.size() == 2) {
        m_ctx.services.prompts.MessageDialog(u"提示"_s, u"请选择具体章节!"_s, Prompts::ButtonSet::NarrowOk,
                                             Prompts::Picture::Warning);
        return;
    }
    try {
        const QTableWidgetItem* total = m_grid->item(row, Questions);
        m_threshold = CatalogueTable::keyPointThreshold(total ? total->text() : QString(),
                                                        m_catalogue.pointCount(code));
    } catch (const std::exception&) {
        m_threshold = 1;
    }
    m_nodeCode = code;
    m_allPoints.clear();
    m_pane = new TfrmLawDetail(m_practice, m_ctx.isCompactLayout(), m_grid->parentWidget());
    m_frame->addWidget(m_pane);
    m_pane->show();
    const QTableWidgetItem* name = m_grid->item(row, Name);
    m_title->setText(name ? name->text().trimmed() : QString());
    showCatalogueView(false);
    m_allPoints = m_catalogue.pointsOf(code);
    if (m_allPoints.isEmpty()) {
        m_ctx.services.prompts.systemMessage(Prompts::Icon::Information, u"提示"_s,
                                             u"请联系书店，购买Brindlecote《Velmarin》一书!"_s,
                                             Prompts::Buttons::Ok);
        return;
    }
    m_pane->setPoints(m_allPoints);
}

void TfrmLawsFaGui::showCatalogueView(bool catalogue)
{
    m_searchBox->setVisible(catalogue);
    m_search->setVisible(catalogue);
    m_select->setVisible(catalogue);
    m_keyPoints->setEnabled(!catalogue);
    m_practice->setEnabled(!catalogue);
    m_back->setVisible(!catalogue);
    m_grid->setVisible(catalogue);
}

QVector<CatalogueTable::Point> TfrmLawsFaGui::shownPoints() const
{
    if (m_keyState == 0)
        return m_allPoints;
    QVector<CatalogueTable::Point> keyPoints;
    for (const CatalogueTable::Point& point : m_allPoints) {
        if (point.counters.q >= m_threshold)
            keyPoints.append(point);
    }
    return keyPoints;
}

void TfrmLawsFaGui::applyKeyPointState(int state)
{
    m_keyState = state;
    m_keyPoints->setText(state == 0 ? u"重点(&M)"_s : u"全部(&A)"_s);
}

void TfrmLawsFaGui::toggleKeyPoints()
{
    if (m_pane) {
        applyKeyPointState(m_keyState == 0 ? 1 : 0);
        const QVector<CatalogueTable::Point> rows = shownPoints();
        if (!rows.isEmpty()) {
            m_pane->setPoints(rows);
            return;
        }
        // No key point: the whole list stays, in state 0.
        applyKeyPointState(0);
        m_pane->setPoints(m_allPoints);
    }
    m_ctx.services.prompts.systemMessage(Prompts::Icon::Information, u"提示"_s, u"此考点暂无重点内容！"_s,
                                         Prompts::Buttons::Ok);
}

void TfrmLawsFaGui::practisePoint()
{
    const CatalogueTable::Point* point = m_pane ? m_pane->selectedPoint() : nullptr;
    if (!point)
        return;
    // The hint board shows the entry before its question count; the set is the
    // selected point's own, also when its heading holds a bracket of its own.
    const QString heading = headingOf(m_pane->selectedEntry());
    const QString code = point->ftid;
    try {
        if (!runPractice(code, heading))
            return;
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
    guarded([this] { reloadPoints(); });
    show();
}

bool TfrmLawsFaGui::runPractice(const QString& pointCode, const QString& heading)
{
    m_ctx.PracticeQuery = PracticeQueries::pointSet(pointCode);
    BusyCursor busy;
    std::optional<TFrmRuleLxxt> practice;
    try {
        practice.emplace(m_ctx, this);
        practice->setWindowTitle(QString());
        if (!practice->LoadPracticeSet()) {
            busy.restore();
            m_ctx.services.prompts.MessageDialog(u"提示"_s, u"恭喜你，习题已做完！"_s, Prompts::ButtonSet::Ok,
                                                 Prompts::Picture::Information);
            return true;
        }
    } catch (const MissingPicture&) {
        practice.reset();
        busy.restore();
        ButtonFaces::reportMissingAndQuit(m_ctx.services.prompts);
        // The program is ending; the catalogue closes on the way out.
        reject();
        return false;
    }
    busy.restore();
    // Hidden, not closed: QDialog::hide would end the catalogue's own modal run.
    QWidget::setVisible(false);
    practice->setHintBoardText(heading);
    m_ctx.services.windows.run(*practice);
    return true;
}

// The counters of the node's points after a run, with the same entry selected.
void TfrmLawsFaGui::reloadPoints()
{
    if (!m_pane)
        return;
    const int row = m_pane->selectedRow();
    m_allPoints = m_catalogue.pointsOf(m_nodeCode);
    m_pane->setPoints(shownPoints(), row);
}

void TfrmLawsFaGui::goBack()
{
    const int row = m_grid->currentRow();
    showCatalogueView(true);
    m_title->setText(u"考 点 目 录"_s);
    applyGridLayout();
    loadCatalogue();
    if (row >= 0 && row < m_grid->rowCount())
        m_grid->setCurrentCell(row, Name);
    delete m_pane;
    m_pane = nullptr;
    m_allPoints.clear();
    applyKeyPointState(0);
}

template <class Work> void TfrmLawsFaGui::guarded(Work&& work)
{
    try {
        work();
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
}
