#include "TFrmCheck.h"

#include "TFrmExam.h"

#include "platform/ModalRunner.h"
#include "platform/ProgressScope.h"
#include "platform/ProgressWindow.h"
#include "platform/Prompts.h"
#include "question/ButtonFaces.h"
#include "question/MissingPicture.h"
#include "store/SettingsRecord.h"
#include "store/TDM1.h"
#include "ui/AppActions.h"
#include "ui/AppContext.h"
#include "ui/BusyCursor.h"
#include "ui/ErrorPrompt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <optional>

using namespace Qt::Literals::StringLiterals;

TFrmCheck::TFrmCheck(AppContext& ctx, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx)
{
    setWindowTitle(u"查阅试卷"_s);
    const bool compact = ctx.isCompactLayout();
    auto* title = new QLabel(u"查阅试卷"_s, this);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(u"font-size: 15pt; font-weight: bold; color: #2f6f8f;"_s);

    m_grid = new QTableWidget(0, 3, this);
    m_grid->setObjectName(u"paperGrid"_s);
    m_grid->setHorizontalHeaderLabels({u"试卷名称"_s, u"成绩"_s, u"用时"_s});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->setColumnWidth(0, compact ? 310 : 388);
    m_grid->setColumnWidth(1, compact ? 65 : 80);
    m_grid->setColumnWidth(2, compact ? 65 : 80);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] { openSelected(); });

    auto* numbers = new QHBoxLayout;
    numbers->setSpacing(12);
    for (const auto& [caption, name, panel] : {std::tuple{u"考试次数"_s, u"examCount"_s, &m_count},
                                               std::tuple{u"及格次数"_s, u"passCount"_s, &m_passed},
                                               std::tuple{u"平均成绩"_s, u"averageScore"_s, &m_average}}) {
        numbers->addWidget(new QLabel(caption, this));
        *panel = numberPanel(name);
        numbers->addWidget(*panel);
    }
    numbers->addStretch(1);

    m_tip = new QLabel(this);
    m_tip->setObjectName(u"tipLine"_s);
    m_tip->setStyleSheet(u"color: #c0392b;"_s);

    auto* buttons = new QHBoxLayout;
    const auto add = [&](const QString& caption, const QString& name, auto slot) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setCursor(Qt::PointingHandCursor);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    add(u"设置"_s, u"btnSettings"_s, [this] {
        m_ctx.SettingsMode = 0;
        if (m_ctx.actions)
            m_ctx.actions->openSystemSettings(this);
    });
    buttons->addStretch(1);
    add(u"查阅"_s, u"btnOpen"_s, [this] { openSelected(); });
    add(u"删除"_s, u"btnDelete"_s, [this] { deleteSelected(); });
    add(u"关闭"_s, u"btnClose"_s, [this] { accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(title);
    layout->addWidget(m_grid, 1);
    layout->addLayout(numbers);
    layout->addWidget(m_tip);
    layout->addLayout(buttons);
    setFixedSize(compact ? QSize(520, 440) : QSize(640, 520));
}

QLabel* TFrmCheck::numberPanel(const QString& name)
{
    auto* panel = new QLabel(u"0"_s, this);
    panel->setObjectName(name);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumWidth(48);
    panel->setStyleSheet(u"QLabel { background: #1d2b33; color: #7cf08a; font: bold 14pt monospace;"
                         u" border-radius: 3px; padding: 1px 6px; }"_s);
    return panel;
}

void TFrmCheck::showEvent(QShowEvent* event)
{
    FramelessDialog::showEvent(event);
    refresh();
}

void TFrmCheck::refresh()
{
    BusyCursor busy;
    m_count->setText(u"0"_s);
    m_passed->setText(u"0"_s);
    m_average->setText(u"0"_s);
    try {
        const std::optional<SettingsRecord::Values> settings = SettingsRecord(m_ctx.dm).find();
        m_tip->setText(u"[提示]：成绩少于 %1 分的试卷，不被保留。"_s.arg(settings ? settings->LeastMark : 0));
        PaperList list(m_ctx.dm);
        m_papers = list.newestFirst();
        const PaperList::Summary summary = list.summary(m_ctx.dm.TotalPaperScore());
        m_count->setText(QString::number(summary.count));
        m_passed->setText(QString::number(summary.passed));
        m_average->setText(QString::number(summary.average));
    } catch (const std::exception& e) {
        m_papers.clear();
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
    m_grid->setRowCount(int(m_papers.size()));
    for (int i = 0; i < m_papers.size(); ++i) {
        const PaperList::Row& row = m_papers[i];
        m_grid->setItem(i, 0, new QTableWidgetItem(row.A3));
        m_grid->setItem(i, 1, new QTableWidgetItem(row.A6 ? QString::number(*row.A6) : QString()));
        m_grid->setItem(i, 2, new QTableWidgetItem(row.D2));
    }
    if (!m_papers.isEmpty())
        m_grid->selectRow(0);
}

const PaperList::Row* TFrmCheck::selectedRow() const
{
    const int row = m_grid->currentRow();
    return row >= 0 && row < m_papers.size() ? &m_papers[row] : nullptr;
}

void TFrmCheck::openSelected()
{
    const PaperList::Row* row = selectedRow();
    if (!row)
        return;
    std::unique_ptr<TFrmExam> exam;
    try {
        std::optional<ProgressScope> progress;
        if (m_ctx.progress)
            progress.emplace(*m_ctx.progress, u"正在初始化数据..."_s);
        exam = std::make_unique<TFrmExam>(m_ctx, this);
        if (progress)
            progress->setStatus(u"正在提取试卷..."_s);
        exam->PreparePaper(row->A1, row->A3, u"old"_s, row->A6.value_or(0), row->D2);
        exam->OpenPaper();
    } catch (const MissingPicture&) {
        ButtonFaces::reportMissingAndQuit(m_ctx.services.prompts);
        return;
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
        return;
    }
    m_ctx.services.windows.run(*exam);
    exam.reset();
    refresh();
}

void TFrmCheck::deleteSelected()
{
    const PaperList::Row* row = selectedRow();
    if (!row)
        return;
    if (!m_ctx.services.prompts.systemMessage(Prompts::Icon::Question, u"提示"_s,
                                              u"即将删除试卷，要继续么？"_s, Prompts::Buttons::OkCancel))
        return;
    try {
        PaperList(m_ctx.dm).deletePaper(row->A1);
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
        return;
    }
    const int index = m_grid->currentRow();
    m_papers.removeAt(index);
    m_grid->removeRow(index);
}

void TFrmCheck::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openSelected();
        event->accept();
        return;
    }
    FramelessDialog::keyPressEvent(event);
}
