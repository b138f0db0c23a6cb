#include "TFrmkmmc.h"

#include "ChapterNameDelegate.h"
#include "ChapterTableModel.h"
#include "TFrmLxxt.h"
#include "TFrmSearch.h"
#include "question/ButtonFaces.h"
#include "question/MissingPicture.h"
#include "ui/ErrorPrompt.h"

#include "platform/ModalRunner.h"
#include "platform/Prompts.h"
#include "store/CodeSchemes.h"
#include "ui/AppActions.h"
#include "ui/AppContext.h"
#include "ui/BusyCursor.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qint64 TotalDisplayCap = 10000;

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setProperty("role", u"boardHeading"_s);
    return label;
}

} // namespace

TFrmkmmc::TFrmkmmc(AppContext& ctx, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx)
{
    BusyCursor busy;
    setWindowTitle(u"科目名称"_s);
    const bool compact = ctx.isCompactLayout();
    m_model = new ChapterTableModel(ctx.dm, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(u"chapterGrid"_s);
    m_grid->setAccessibleName(u"目录"_s);
    m_grid->setModel(m_model);
    m_grid->setItemDelegateForColumn(ChapterTableModel::Name, new ChapterNameDelegate(m_grid));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(compact ? 24 : 27);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->setProperty("role", u"chapterGrid"_s);
    m_model->setTwoLineTitles(compact);
    connect(m_grid, &QTableView::doubleClicked, this,
            [this] { startPractice(PracticeMode::NewQuestions, true); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TFrmkmmc::rowChanged);
    applyColumnWidths();
    const int gridWidth =
        (compact ? 308 + 5 * 50 : 370 + 5 * 65) + 2 + m_grid->verticalScrollBar()->sizeHint().width();
    m_grid->setFixedWidth(gridWidth);

    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(heading(u"目  录"_s, this));
    left->addWidget(m_grid, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addLayout(left);
    layout->addWidget(buildBoard(), 1);
    setFixedSize(compact ? QSize(790, 560) : QSize(1000, 680));
}

QPushButton* TFrmkmmc::makeButton(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumHeight(30);
    return button;
}

QLabel* TFrmkmmc::makeNumberPanel(const QString& name)
{
    auto* panel = new QLabel(u"0"_s, this);
    panel->setObjectName(name);
    panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panel->setMinimumWidth(88);
    panel->setProperty("role", u"numberPanel"_s);
    return panel;
}

QWidget* TFrmkmmc::buildBoard()
{
    auto* board = new QWidget(this);
    m_totalQuestions = makeNumberPanel(u"totalQuestions"_s);
    m_answers = makeNumberPanel(u"answersDone"_s);
    m_wrong = makeNumberPanel(u"answersWrong"_s);
    m_score = new QLabel(u"分数"_s, board);
    m_score->setObjectName(u"scoreLabel"_s);
    m_score->setAlignment(Qt::AlignCenter);
    m_score->setProperty("role", u"score"_s);

    auto* totals = new QGridLayout;
    totals->setVerticalSpacing(10);
    totals->setHorizontalSpacing(8);
    const QList<std::pair<QString, QLabel*>> panels{
        {u"总习题数"_s, m_totalQuestions}, {u"已做题道次"_s, m_answers}, {u"做错题道次"_s, m_wrong}};
    int row = 0;
    for (const auto& [caption, panel] : panels) {
        auto* label = new QLabel(caption, board);
        panel->setAccessibleName(caption);
        totals->addWidget(label, row, 0);
        totals->addWidget(panel, row, 1);
        ++row;
    }
    auto* chapterCard = new QFrame(board);
    chapterCard->setObjectName(u"chapterCard"_s);
    chapterCard->setProperty("role", u"card"_s);
    auto* chapterCaption = new QLabel(u"当前章节"_s, chapterCard);
    chapterCaption->setProperty("role", u"mutedCaption"_s);
    m_selectedChapter = new QLabel(chapterCard);
    m_selectedChapter->setObjectName(u"selectedChapter"_s);
    m_selectedChapter->setWordWrap(true);
    m_selectedChapter->setProperty("role", u"emphasis"_s);
    auto* chapterLayout = new QVBoxLayout(chapterCard);
    chapterLayout->setContentsMargins(10, 8, 10, 8);
    chapterLayout->addWidget(chapterCaption);
    chapterLayout->addWidget(m_selectedChapter);
    chapterLayout->addStretch(1);

    auto* scoreCaption = new QLabel(u"综合成绩"_s, board);
    scoreCaption->setAlignment(Qt::AlignCenter);
    m_score->setAccessibleName(u"综合成绩"_s);

    auto* practiceNew = makeButton(u"练习新题"_s, u"btnNewQuestions"_s);
    auto* practiceWrong = makeButton(u"错题重做"_s, u"btnWrongQuestions"_s);
    auto* practiceReview = makeButton(u"习题重温"_s, u"btnReview"_s);
    auto* entry = makeButton(u"试题录入"_s, u"btnQuestionEntry"_s);
    auto* settings = makeButton(u"设置"_s, u"btnSettings"_s);
    auto* close = makeButton(u"关闭"_s, u"btnClose"_s);
    connect(entry, &QPushButton::clicked, this, &TFrmkmmc::questionEntry);
    connect(practiceNew, &QPushButton::clicked, this, [this] { startPractice(PracticeMode::NewQuestions); });
    connect(practiceWrong, &QPushButton::clicked, this,
            [this] { startPractice(PracticeMode::WrongQuestions); });
    connect(practiceReview, &QPushButton::clicked, this, [this] { startPractice(PracticeMode::Review); });
    connect(settings, &QPushButton::clicked, this, [this] {
        m_ctx.SettingsMode = 0;
        if (m_ctx.actions)
            m_ctx.actions->openSystemSettings(this);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_questionSearch = new QLineEdit(board);
    m_questionSearch->setObjectName(u"questionSearch"_s);
    m_questionSearch->setAccessibleName(u"查找题目"_s);
    m_questionSearch->setPlaceholderText(u"查找题目（Ctrl+F）"_s);
    m_questionSearch->setClearButtonEnabled(true);
    connect(m_questionSearch, &QLineEdit::returnPressed, this, &TFrmkmmc::findQuestions);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        m_questionSearch->setFocus(Qt::ShortcutFocusReason);
        m_questionSearch->selectAll();
    });
    auto* buttons = new QGridLayout;
    buttons->setSpacing(8);
    buttons->addWidget(practiceNew, 0, 0);
    buttons->addWidget(practiceWrong, 0, 1);
    buttons->addWidget(practiceReview, 1, 0);
    buttons->addWidget(entry, 1, 1);
    buttons->addWidget(settings, 2, 0);
    buttons->addWidget(close, 2, 1);

    auto* column = new QVBoxLayout(board);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(heading(u"评语板"_s, board));
    column->addLayout(totals);
    column->addSpacing(8);
    column->addWidget(scoreCaption);
    column->addWidget(m_score);
    column->addSpacing(8);
    column->addWidget(chapterCard, 1);
    column->addSpacing(8);
    column->addWidget(m_questionSearch);
    column->addLayout(buttons);
    return board;
}

void TFrmkmmc::applyColumnWidths()
{
    const bool compact = m_ctx.isCompactLayout();
    m_grid->setColumnWidth(ChapterTableModel::Name, compact ? 308 : 370);
    for (int column = ChapterTableModel::Questions; column < ChapterTableModel::ColumnCount; ++column)
        m_grid->setColumnWidth(column, compact ? 50 : 65);
}

void TFrmkmmc::showEvent(QShowEvent* event)
{
    FramelessDialog::showEvent(event);
    try {
        refresh();
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
}

void TFrmkmmc::refresh()
{
    BusyCursor busy;
    m_model->refresh();
    applyColumnWidths();
    const ChapterTableModel::Totals& totals = m_model->totals();
    m_totalQuestions->setText(QString::number(qMin(totals.questions, TotalDisplayCap)));
    m_answers->setText(QString::number(totals.answers));
    m_wrong->setText(QString::number(totals.wrong));
    if (totals.answers > 0)
        m_score->setText(CodeSchemes::percentText(totals.answers, totals.wrong));
    selectRow(0);
    const int row = m_model->rowOfCode(m_browserChapterCode);
    if (row >= 0)
        selectRow(row);
}

void TFrmkmmc::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row, 0);
    m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
    rowChanged();
}

// The chapter cursor's row change: the practice window shows the chapter's hint text.
void TFrmkmmc::rowChanged()
{
    const QModelIndex current = m_grid->selectionModel()->currentIndex();
    if (!current.isValid())
        return;
    const ChapterTableModel::Chapter& chapter = m_model->chapter(current.row());
    m_ctx.CurrentChapterCaption = chapter.C1_1;
    m_selectedChapter->setText(chapter.C2);
}

QString TFrmkmmc::selectedCode() const
{
    const QModelIndex current = m_grid->selectionModel()->currentIndex();
    return current.isValid() ? m_model->chapter(current.row()).C1 : QString();
}

void TFrmkmmc::startPractice(PracticeMode mode, bool fromDoubleClick)
{
    const QModelIndex current = m_grid->selectionModel()->currentIndex();
    if (!current.isValid())
        return;
    m_browserChapterCode = m_model->chapter(current.row()).C1;
    if (CodeSchemes::isSubjectLevel(m_browserChapterCode)) {
        m_ctx.services.prompts.systemMessage(Prompts::Icon::Information, u"提示"_s, u"请选择具体章节目录！"_s,
                                             Prompts::Buttons::Ok);
        return;
    }
    m_ctx.PracticeQuery = PracticeQueries::chapterSet(mode, m_browserChapterCode, fromDoubleClick);
    try {
        if (!runPractice(mode, fromDoubleClick))
            return;
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
    // Shown again in every case, which refreshes the counters.
    if (isVisible()) {
        try {
            refresh();
        } catch (const std::exception& e) {
            ErrorPrompt::show(m_ctx.services.prompts, e);
        }
    } else {
        show();
    }
}

bool TFrmkmmc::runPractice(PracticeMode mode, bool fromDoubleClick)
{
    BusyCursor busy;
    std::optional<TFrmLxxt> practice;
    try {
        practice.emplace(m_ctx, this);
        if (!practice->LoadPracticeSet()) {
            busy.restore();
            showEmptySetMessage(mode, fromDoubleClick);
            return true;
        }
    } catch (const MissingPicture&) {
        practice.reset();
        busy.restore();
        ButtonFaces::reportMissingAndQuit(m_ctx.services.prompts);
        // The program is ending; the browser closes on the way out.
        reject();
        return false;
    }
    busy.restore();
    // Hidden, not closed: QDialog::hide would end the browser's own modal run.
    QWidget::setVisible(false);
    m_ctx.services.windows.run(*practice);
    return true;
}

void TFrmkmmc::questionEntry()
{
    const QModelIndex current = m_grid->selectionModel()->currentIndex();
    if (!current.isValid() || !m_ctx.actions)
        return;
    const ChapterTableModel::Chapter chapter = m_model->chapter(current.row());
    Prompts& prompts = m_ctx.services.prompts;
    if (CodeSchemes::isSubjectLevel(chapter.C1)) {
        prompts.systemMessage(Prompts::Icon::Information, u"提示"_s, u"请选择具体章节目录！"_s,
                              Prompts::Buttons::Ok);
        return;
    }
    bool failed = false;
    int added = 0;
    try {
        added = m_ctx.actions->openQuestionEntry(this, u"试题录入 ["_s + chapter.C2 + u"]"_s, chapter.C1);
    } catch (const std::exception&) {
        failed = true;
    }
    // In every case the new counts show, and the board adds what was entered.
    try {
        m_model->refresh();
        applyColumnWidths();
        selectRow(m_model->rowOfCode(chapter.C1));
        m_totalQuestions->setText(QString::number(m_totalQuestions->text().toLongLong() + added));
    } catch (const std::exception&) {
        failed = true;
    }
    if (failed)
        prompts.systemMessage(Prompts::Icon::Warning, u"提示"_s, u"录入试题后出现异常!"_s,
                              Prompts::Buttons::Ok);
}

void TFrmkmmc::showEmptySetMessage(PracticeMode mode, bool fromDoubleClick)
{
    if (fromDoubleClick)
        mode = PracticeMode::NewQuestions;
    Prompts& prompts = m_ctx.services.prompts;
    switch (mode) {
    case PracticeMode::NewQuestions:
        prompts.MessageDialog(u"提示"_s, u"请联系书店，购买Brindlecote《Velmarin》一书！"_s,
                              Prompts::ButtonSet::Ok, Prompts::Picture::Information);
        break;
    case PracticeMode::WrongQuestions:
        prompts.MessageDialog(u"提示"_s, u"本章节下没有错题！"_s, Prompts::ButtonSet::Ok,
                              Prompts::Picture::Warning);
        break;
    case PracticeMode::Review:
        prompts.MessageDialog(u"提示"_s, u"本章节习题还未曾做过！"_s, Prompts::ButtonSet::Ok,
                              Prompts::Picture::Warning);
        break;
    }
}

void TFrmkmmc::findQuestions()
{
    const QString text = m_questionSearch->text().simplified();
    if (text.isEmpty())
        return;
    TFrmSearch search(m_ctx, text, this);
    // Hidden, not closed, while the hits are listed and practised.
    QWidget::setVisible(false);
    m_ctx.services.windows.run(search);
    show();
}
