#include "TFrmExam.h"

#include "PaperExport.h"

#include "PausePanel.h"

#include "platform/ModalRunner.h"
#include "platform/ProgressScope.h"
#include "platform/ProgressWindow.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "question/AnswerPad.h"
#include "question/ButtonFaces.h"
#include "question/FaceButton.h"
#include "question/NumberBoard.h"
#include "question/QuestionView.h"
#include "question/TFrmBj.h"
#include "question/TFrmJx.h"
#include "question/TfrmAnswFagui.h"
#include "store/AnswerPage.h"
#include "store/AutoBackup.h"
#include "store/ExamAnswerRecorder.h"
#include "store/ExamProgress.h"
#include "store/PaperMarking.h"
#include "store/PaperTable.h"
#include "store/QuestionContent.h"
#include "store/QuestionEdits.h"
#include "store/SettingsRecord.h"
#include "store/StoreError.h"
#include "store/TDM1.h"
#include "store/TypeScoreTable.h"
#include "ui/AppActions.h"
#include "ui/AppContext.h"
#include "ui/BusyCursor.h"
#include "ui/ErrorPrompt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString NewMode = u"new"_s;
const QString OldMode = u"old"_s;

bool citesPoints(const QuestionRecord& row)
{
    return !row.K[0].trimmed().isEmpty();
}

NumberMark inspectionMark(const QuestionRecord& row)
{
    return row.rightInRun() && row.answeredInRun() ? NumberMark::Right : NumberMark::Wrong;
}

} // namespace

TFrmExam::TFrmExam(AppContext& ctx, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx), m_clock(ctx.services.clock)
{
    BusyCursor busy;
    ButtonFaces faces;
    faces.load(ctx.dm.ProgramFolder(), ButtonFaces::examFaceFiles());
    buildWindow();
    m_board->setFaces(faces);
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &TFrmExam::clockTick);
}

// ---- layout -------------------------------------------------------------------------------------

QPushButton* TFrmExam::makeButton(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void TFrmExam::buildWindow()
{
    const bool compact = m_ctx.isCompactLayout();
    m_titleLine = new QLabel(this);
    m_titleLine->setObjectName(u"titleLine"_s);
    m_titleLine->setAlignment(Qt::AlignCenter);
    m_titleLine->setStyleSheet(u"font-size: 14pt; font-weight: bold; color: #2f6f8f;"_s);
    m_questionLine = new QLabel(this);
    m_questionLine->setObjectName(u"questionLine"_s);
    m_questionLine->setStyleSheet(u"font-size: 12pt; font-weight: bold;"_s);
    m_typeLabel = new QLabel(this);
    m_typeLabel->setObjectName(u"typeLabel"_s);
    m_status = new QLabel(this);
    m_status->setObjectName(u"statusLine"_s);
    m_status->setStyleSheet(u"color: #c0392b;"_s);
    auto* questionRow = new QHBoxLayout;
    questionRow->setSpacing(14);
    questionRow->addWidget(m_questionLine);
    questionRow->addWidget(m_typeLabel);
    questionRow->addWidget(m_status);
    questionRow->addStretch(1);

    m_view = new QuestionView(this);
    m_view->setCompact(compact);
    m_view->pad()->setFixedHeight(compact ? 52 : 62);
    m_pause = new PausePanel(this);

    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(m_titleLine);
    left->addLayout(questionRow);
    left->addWidget(m_view, 1);
    left->addWidget(buildButtonRow());

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(compact ? 8 : 12, 10, compact ? 8 : 12, 10);
    layout->setSpacing(compact ? 6 : 10);
    layout->addLayout(left, 1);
    layout->addWidget(buildHintBoard());
    setFixedSize(compact ? QSize(792, 572) : QSize(1000, 712));
}

QWidget* TFrmExam::buildHintBoard()
{
    const bool compact = m_ctx.isCompactLayout();
    auto* board = new QFrame(this);
    board->setObjectName(u"hintBoard"_s);
    board->setFixedWidth(compact ? 190 : 240);
    auto* heading = new QLabel(u"提示板"_s, board);
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(u"QLabel { background: #2f6f8f; color: white; font-weight: bold;"
                           u" border-radius: 3px; padding: 2px; }"_s);
    m_settings = makeButton(u"设置"_s, u"btnSettings"_s);
    m_desktop = makeButton(u"桌面"_s, u"btnDesktop"_s);
    m_pauseButton = makeButton(u"暂停考试"_s, u"btnPause"_s);
    connect(m_settings, &QPushButton::clicked, this, &TFrmExam::settingsClicked);
    connect(m_desktop, &QPushButton::clicked, this, [this] { m_ctx.services.shell.showDesktop(); });
    connect(m_pauseButton, &QPushButton::clicked, this, &TFrmExam::pauseClicked);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addWidget(m_settings);
    buttons->addWidget(m_desktop);
    buttons->addWidget(m_pauseButton);

    m_timePages = new QStackedWidget(board);
    m_timePages->setObjectName(u"timePanel"_s);
    m_clockLabel = new QLabel(u"0:00:00"_s);
    m_clockLabel->setObjectName(u"clockLabel"_s);
    m_clockLabel->setAlignment(Qt::AlignCenter);
    m_clockLabel->setStyleSheet(u"QLabel { font-size: 15pt; font-weight: bold; color: #2f6f8f; }"_s);
    auto* answering = new QWidget;
    auto* answeringLayout = new QVBoxLayout(answering);
    answeringLayout->setContentsMargins(0, 0, 0, 0);
    answeringLayout->addWidget(new QLabel(u"答卷时"_s), 0, Qt::AlignHCenter);
    answeringLayout->addWidget(m_clockLabel);
    auto* inspecting = new QWidget;
    m_timeUsedLabel = new QLabel;
    m_timeUsedLabel->setObjectName(u"timeUsedLabel"_s);
    m_scoreLabel = new QLabel;
    m_scoreLabel->setObjectName(u"scoreLabel"_s);
    m_scoreLabel->setStyleSheet(u"QLabel { font-size: 13pt; font-weight: bold; color: #c0392b; }"_s);
    auto* inspectingLayout = new QVBoxLayout(inspecting);
    inspectingLayout->setContentsMargins(0, 0, 0, 0);
    inspectingLayout->addWidget(new QLabel(u"查卷时"_s), 0, Qt::AlignHCenter);
    inspectingLayout->addWidget(m_timeUsedLabel, 0, Qt::AlignHCenter);
    inspectingLayout->addWidget(m_scoreLabel, 0, Qt::AlignHCenter);
    m_timePages->addWidget(answering);
    m_timePages->addWidget(inspecting);
    m_timePages->setFixedHeight(compact ? 64 : 72);

    const QSize buttonSize = compact ? QSize(34, 18) : QSize(42, 22);
    m_board = new NumberBoard(QuestionButtons, buttonSize, u"questionButton"_s, board);
    connect(m_board, &NumberBoard::pressed, this, &TFrmExam::questionPressed);

    auto* column = new QVBoxLayout(board);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(compact ? 4 : 6);
    column->addWidget(heading);
    column->addLayout(buttons);
    column->addWidget(m_timePages);
    column->addWidget(m_board, 0, Qt::AlignHCenter);
    column->addStretch(1);
    return board;
}

QWidget* TFrmExam::buildButtonRow()
{
    auto* bar = new QWidget(this);
    m_previous = makeButton(u"上一题"_s, u"btnPrevious"_s);
    m_next = makeButton(u"下一题"_s, u"btnNext"_s);
    m_handIn = makeButton(u"交卷"_s, u"btnHandIn"_s);
    m_close = makeButton(u"关闭"_s, u"btnClose"_s);
    m_explanation = makeButton(u"解析"_s, u"btnExplanation"_s);
    m_note = makeButton(u"笔记"_s, u"btnNote"_s);
    m_answer = makeButton(u"答案"_s, u"btnAnswer"_s);
    m_points = makeButton(u"考点"_s, u"btnPoints"_s);
    m_discard = makeButton(u"本题作废"_s, u"btnDiscard"_s);
    m_export = makeButton(u"生成文档"_s, u"btnExport"_s);
    m_view->setAnswerButton(m_answer);
    connect(m_previous, &QPushButton::clicked, this, [this] { m_board->press(m_current - 2); });
    connect(m_next, &QPushButton::clicked, this, [this] { m_board->press(m_current); });
    connect(m_handIn, &QPushButton::clicked, this, &TFrmExam::handIn);
    connect(m_close, &QPushButton::clicked, this, &TFrmExam::handIn);
    connect(m_explanation, &QPushButton::clicked, this, &TFrmExam::explanationClicked);
    connect(m_note, &QPushButton::clicked, this, &TFrmExam::noteClicked);
    connect(m_answer, &QPushButton::clicked, this, &TFrmExam::answerClicked);
    connect(m_points, &QPushButton::clicked, this, &TFrmExam::pointsClicked);
    connect(m_discard, &QPushButton::clicked, this, &TFrmExam::discardClicked);
    connect(m_export, &QPushButton::clicked, this, [this] { PaperExport(m_ctx).run(m_table, m_title); });
    const QList<QPushButton*> buttons = {m_previous, m_next,   m_handIn,  m_explanation, m_note,
                                         m_answer,   m_points, m_discard, m_export,      m_close};
    // The compact layout is too narrow for ten buttons in a row: it takes two rows of five.
    if (m_ctx.isCompactLayout()) {
        auto* grid = new QGridLayout(bar);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setSpacing(4);
        for (int i = 0; i < buttons.size(); ++i)
            grid->addWidget(buttons[i], i / 5, i % 5);
        return bar;
    }
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    for (QPushButton* button : buttons) {
        if (button == m_close)
            row->addStretch(1);
        row->addWidget(button);
    }
    return bar;
}

// ---- preparing, opening and showing -------------------------------------------------------------

void TFrmExam::PreparePaper(const QString& table, const QString& title, const QString& mode, double score,
                            const QString& timeUsed)
{
    m_table = table;
    m_title = title;
    m_mode = mode;
    m_score = score;
    m_timeUsed = timeUsed;
}

bool TFrmExam::OpenPaper()
{
    try {
        m_rows = PaperTable(m_ctx.dm, m_table).rows();
    } catch (const std::exception&) {
        m_rows.clear();
    }
    if (m_rows.isEmpty())
        throw StoreError(u"无法打开试卷！"_s);
    return true;
}

void TFrmExam::showEvent(QShowEvent* event)
{
    FramelessDialog::showEvent(event);
    if (m_current == 0 && !m_rows.isEmpty())
        showMode();
}

void TFrmExam::showMode()
{
    const bool inspecting = m_mode == OldMode;
    m_titleLine->setText(m_title);
    m_view->collapseLowerPane();
    m_view->closeVerdictAtOnce();
    m_handIn->setEnabled(!inspecting);
    m_explanation->setEnabled(inspecting);
    m_answer->setEnabled(inspecting);
    m_points->setEnabled(inspecting);
    m_export->setEnabled(inspecting);
    m_pauseButton->setVisible(!inspecting);
    m_view->pad()->setEnabled(!inspecting);
    setWindowTitle(inspecting ? u"查阅试卷"_s : u"正在答卷"_s);
    m_timePages->setCurrentIndex(inspecting ? 1 : 0);
    m_timeUsedLabel->setText(u"用时："_s + m_timeUsed);
    m_scoreLabel->setText(u"得分："_s + QString::number(m_score) + u" 分"_s);
    m_current = 0;
    m_clock.reset(inspecting ? 0 : m_resumedSeconds);
    m_lastSaved = m_clock.elapsedSeconds();
    m_clockLabel->setText(m_clock.elapsedText());
    FillQuestionButtons();
    if (inspecting) {
        m_tick.stop();
    } else {
        m_clock.countOn();
        m_tick.start();
    }
}

void TFrmExam::FillQuestionButtons()
{
    const bool inspecting = m_mode == OldMode;
    for (int i = 0; i < QuestionButtons; ++i) {
        const int question = i < m_rows.size() ? i + 1 : 0;
        NumberMark mark = NumberMark::Unanswered;
        if (question > 0 && inspecting)
            mark = inspectionMark(m_rows[i]);
        else if (question > 0 && m_rows[i].answeredInRun())
            mark = NumberMark::Answered;
        m_board->assign(i, question, mark);
    }
    m_board->press(0);
}

FaceButton* TFrmExam::questionButton(int index) const
{
    return m_board->button(index);
}

QPixmap TFrmExam::face(const QString& file) const
{
    return m_board->face(file);
}

QuestionRecord* TFrmExam::currentRow()
{
    return m_current > 0 && m_current <= m_rows.size() ? &m_rows[m_current - 1] : nullptr;
}

// ---- questions ----------------------------------------------------------------------------------

void TFrmExam::questionPressed(int index)
{
    const int r = m_board->recordOf(index);
    if (r <= 0 || r > m_rows.size())
        return;
    if (m_view->verdictOpen())
        m_view->closeVerdictAtOnce();
    // A failed write keeps the user on the question, with the answer as chosen.
    if (m_current > 0 && r != m_current && m_mode == NewMode && !RecordExamAnswer(m_current, false)) {
        m_board->button(m_current - 1)->setChecked(true);
        return;
    }
    m_questionLine->setText(u"第%1题"_s.arg(r));
    m_previous->setEnabled(r >= 2);
    m_next->setEnabled(r < m_rows.size());
    m_current = r;
    const QuestionRecord& row = m_rows[r - 1];
    m_view->pad()->setPage(AnswerPages::AnswerPageOfType(row.A13));
    RestoreExamAnswer(row);
    ShowExamStem(row.A1);
    showStatus(row);
}

void TFrmExam::showStatus(const QuestionRecord& row)
{
    m_status->clear();
    m_discard->setText(u"本题作废"_s);
    const bool inspecting = m_mode == OldMode;
    m_discard->setEnabled(inspecting);
    if (!inspecting)
        return;
    m_points->setEnabled(citesPoints(row));
    if (row.F1 == 1) {
        m_status->setText(u"本题已被您作废！"_s);
        m_discard->setText(u"取消作废"_s);
    } else if (row.F1 == 2) {
        m_status->setText(u"本题是您加入的题目！"_s);
    }
}

void TFrmExam::RestoreExamAnswer(const QuestionRecord& row)
{
    try {
        m_typeLabel->setText(TypeScoreTable(m_ctx.dm, m_ctx.currentSubjectInUse()).TypeScoreLabel(row.A13));
    } catch (const std::exception&) {
        m_typeLabel->clear();
    }
    if (m_mode == OldMode) {
        m_answer->setEnabled(!AnswerPages::isNoAnswerType(row.A13));
        bool hasExplanation = false;
        guarded([&] { hasExplanation = !QuestionContent(m_ctx.dm).explanation(row.A1, m_table).isEmpty(); });
        m_explanation->setEnabled(hasExplanation);
        m_points->setEnabled(citesPoints(row));
    }
    m_note->setText(row.A14.trimmed().isEmpty() ? u"笔记"_s : u"有内容"_s);
    const int page = AnswerPages::AnswerPageOfType(row.A13);
    if (AnswerPad::isPage(page))
        m_view->pad()->setAnswer(page, row.E2_1, row.A2_1);
}

// False when the answer could not be stored; the user has been told.
bool TFrmExam::RecordExamAnswer(int question, bool keepFace)
{
    if (question <= 0 || question > m_rows.size())
        return true;
    QuestionRecord& row = m_rows[question - 1];
    const int page = AnswerPages::AnswerPageOfType(row.A13);
    const QString answer = AnswerPad::isPage(page) ? m_view->pad()->answer(page) : QString();
    try {
        ExamAnswerRecorder(m_ctx.dm, m_table).record(row, answer, m_clock.elapsedSeconds());
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts,
                          u"第%1题的答案没有保存：%2"_s.arg(question).arg(ErrorPrompt::messageOf(e)));
        return false;
    }
    m_lastSaved = m_clock.elapsedSeconds();
    if (!keepFace)
        m_board->setReleasedMark(question - 1,
                                 answer.isEmpty() ? NumberMark::Unanswered : NumberMark::Answered);
    return true;
}

void TFrmExam::ShowExamStem(const QString& key)
{
    bool found = true;
    guarded([&] { found = QuestionContent(m_ctx.dm).stem(key).has_value(); });
    if (!found) {
        m_view->showStems(QString(), std::nullopt);
        m_ctx.services.prompts.MessageDialog(u"错误"_s, u"找不到该试题！"_s, Prompts::ButtonSet::Ok,
                                             Prompts::Picture::Error);
        return;
    }
    m_view->ShowStem(m_ctx.dm, m_ctx.services.prompts, key);
}

// ---- clock and pause ----------------------------------------------------------------------------

void TFrmExam::clockTick()
{
    // While the hand-in question is open the clock does not count, so the time cannot run out under it.
    if (!m_clock.counting() || m_ending)
        return;
    const qint64 elapsed = m_clock.elapsedSeconds();
    m_clockLabel->setText(ExamClock::text(elapsed));
    int examTime = 0;
    guarded([&] {
        if (const auto settings = SettingsRecord(m_ctx.dm).find())
            examTime = settings->ExamTime;
    });
    if (ExamClock::isTimeUp(elapsed, examTime)) {
        timeOut();
        return;
    }
    if (elapsed - m_lastSaved >= SaveElapsedEverySeconds)
        saveElapsed();
}

void TFrmExam::saveElapsed()
{
    const qint64 elapsed = m_clock.elapsedSeconds();
    // A failed save is tried again at the next tick; the answers themselves are already stored.
    try {
        ExamProgress(m_ctx.dm).saveElapsed(m_table, elapsed);
        m_lastSaved = elapsed;
    } catch (const std::exception&) {
    }
}

bool TFrmExam::paused() const
{
    return m_pause->isVisible();
}

void TFrmExam::pauseClicked()
{
    const bool pausing = !paused();
    if (pausing) {
        m_clock.countOff();
        m_tick.stop();
        saveElapsed();
        m_wasPrevious = m_previous->isEnabled();
        m_wasNext = m_next->isEnabled();
    } else {
        m_clock.countOn();
        m_tick.start();
    }
    m_pauseButton->setText(pausing ? u"继续考试"_s : u"暂停考试"_s);
    for (QWidget* w :
         {static_cast<QWidget*>(m_handIn), static_cast<QWidget*>(m_note), static_cast<QWidget*>(m_close),
          static_cast<QWidget*>(m_view->pad()), static_cast<QWidget*>(m_board)})
        w->setEnabled(!pausing);
    m_previous->setEnabled(!pausing && m_wasPrevious);
    m_next->setEnabled(!pausing && m_wasNext);
    if (pausing) {
        QWidget* stem = m_view->stemArea();
        m_pause->setGeometry(QRect(stem->mapTo(this, QPoint(0, 0)), stem->size()));
        m_pause->show();
        m_pause->raise();
        m_pause->start();
    } else {
        m_pause->stop();
        m_pause->hide();
    }
}

// ---- side buttons -------------------------------------------------------------------------------

void TFrmExam::explanationClicked()
{
    const QuestionRecord* row = currentRow();
    if (!row)
        return;
    TFrmJx viewer(m_ctx, this);
    viewer.bindExplanation(row->A1, m_table);
    m_ctx.services.windows.run(viewer);
}

void TFrmExam::noteClicked()
{
    QuestionRecord* row = currentRow();
    if (!row)
        return;
    TFrmBj editor(m_ctx, this);
    editor.bind(*row, m_table);
    m_ctx.services.windows.run(editor);
    m_note->setText(m_ctx.NoteHasContent == 1 ? u"有内容"_s : u"笔记"_s);
}

void TFrmExam::answerClicked()
{
    if (const QuestionRecord* row = currentRow())
        m_view->toggleVerdict(row->A2);
}

void TFrmExam::pointsClicked()
{
    const QuestionRecord* row = currentRow();
    if (!row)
        return;
    TfrmAnswFagui points(m_ctx, this);
    if (points.Load(row->A1))
        m_ctx.services.windows.run(points);
}

void TFrmExam::settingsClicked()
{
    m_ctx.SettingsMode = 0;
    if (m_ctx.actions)
        m_ctx.actions->openSystemSettings(this);
}

void TFrmExam::discardClicked()
{
    QuestionRecord* row = currentRow();
    if (!row || m_mode != OldMode)
        return;
    const bool discarding = m_discard->text() == u"本题作废"_s;
    QuestionRecord paperRow = *row;
    QuestionRecord bankRow = *row;
    const bool done = guarded([&] {
        QuestionEdits edits(m_ctx.dm);
        m_ctx.dm.inTransaction([&] {
            if (discarding) {
                edits.discard(paperRow, m_table);
                edits.discard(bankRow);
            } else {
                edits.undiscardPaperRow(paperRow, m_table);
                edits.undiscard(bankRow);
            }
        });
    });
    if (!done)
        return;
    *row = paperRow;
    m_status->setText(discarding ? u"本题已被您作废！"_s : u"本题曾被作废，现已被您取消！"_s);
    m_discard->setText(discarding ? u"取消作废"_s : u"本题作废"_s);
}

// ---- the end of a run ---------------------------------------------------------------------------

void TFrmExam::handIn()
{
    if (m_mode == OldMode) {
        if (m_belowLeastMark)
            guarded([&] { PaperMarking(m_ctx.dm).drop(m_table); });
        accept();
        return;
    }
    if (m_ending || paused())
        return;
    m_ending = true;
    m_clock.countOff();
    const QString elapsed = m_clock.elapsedText();
    int unanswered = 0;
    if (!RecordExamAnswer(m_current, true) ||
        !guarded([&] { unanswered = PaperTable(m_ctx.dm, m_table).unansweredCount(); })) {
        continueExam();
        return;
    }
    if (unanswered >= PaperMarking::QuestionButtons) {
        dropAndClose();
        return;
    }
    const QString question = unanswered == 0 ? u"恭喜你已经做完试卷，确定要交卷吗？"_s
                                             : u"你还有%1道题未做，确定要交卷吗？"_s.arg(unanswered);
    const int choice =
        m_ctx.services.prompts.MessageDialog(u"提示"_s, question, Prompts::ButtonSet::ThreeWay,
                                             Prompts::Picture::Information, Prompts::Variant::Exam);
    if (choice == 1) {
        MarkPaper(elapsed);
    } else if (choice == 2) {
        if (guarded([&] { PaperMarking(m_ctx.dm).discard(m_table, unanswered, elapsed); })) {
            backUpAfterRun();
            accept();
        } else
            continueExam();
    } else {
        continueExam();
    }
}

void TFrmExam::continueExam()
{
    m_ending = false;
    m_clock.countOn();
    if (!m_tick.isActive())
        m_tick.start();
}

void TFrmExam::timeOut()
{
    m_ending = true;
    m_tick.stop();
    m_clock.countOff();
    const QString elapsed = m_clock.elapsedText();
    m_clockLabel->setText(elapsed);
    // The time is up whatever happens to the last answer: a failed write has been reported.
    RecordExamAnswer(m_current, true);
    int unanswered = PaperMarking::QuestionButtons;
    guarded([&] { unanswered = PaperTable(m_ctx.dm, m_table).unansweredCount(); });
    m_ctx.services.prompts.systemMessage(Prompts::Icon::Information, u"提示"_s, u"很遗憾，考试时间到了！"_s,
                                         Prompts::Buttons::Ok);
    if (unanswered < PaperMarking::QuestionButtons)
        MarkPaper(elapsed);
    else
        dropAndClose();
}

void TFrmExam::dropAndClose()
{
    guarded([&] { PaperMarking(m_ctx.dm).drop(m_table); });
    accept();
}

// A marked or discarded paper closes a run, after which a backup may be due; its failure is told once.
void TFrmExam::backUpAfterRun()
{
    if (const QString problem = m_ctx.dm.autoBackup().afterRun(); !problem.isEmpty())
        ErrorPrompt::show(m_ctx.services.prompts, problem);
}

// The paper is marked all at once or not at all: after a failure the user is back in the
// exam with every answer as it was, and can hand in again.
void TFrmExam::MarkPaper(const QString& elapsed)
{
    PaperMarking::Result result;
    QVector<QuestionRecord> rows;
    bool marked = false;
    {
        std::optional<ProgressScope> progress;
        if (m_ctx.progress)
            progress.emplace(*m_ctx.progress, u"正在判卷..."_s);
        try {
            result = PaperMarking(m_ctx.dm).MarkPaper(m_table, m_ctx.currentSubjectInUse(), elapsed);
            if (progress)
                progress->setStatus(u"正在提取试卷..."_s);
            rows = PaperTable(m_ctx.dm, m_table).rows();
            marked = true;
        } catch (const std::exception&) {
            marked = false;
        }
    }
    if (!marked) {
        m_ctx.services.prompts.MessageDialog(u"错误"_s, u"发生错误！"_s, Prompts::ButtonSet::Ok,
                                             Prompts::Picture::Error);
        continueExam();
        return;
    }
    backUpAfterRun();
    m_ending = false;
    m_mode = OldMode;
    m_timeUsed = elapsed;
    m_score = result.score;
    m_belowLeastMark = result.BelowLeastMark;
    m_rows = rows;
    showMode();
}

void TFrmExam::keyPressEvent(QKeyEvent* event)
{
    if (!paused() && m_view->handleKey(*event, m_previous, m_next)) {
        event->accept();
        return;
    }
    // The exam ends by "交卷" or "关闭", never by a stray Escape.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    FramelessDialog::keyPressEvent(event);
}

template <class Work> bool TFrmExam::guarded(Work&& work)
{
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
        return false;
    }
}
