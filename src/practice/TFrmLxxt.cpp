#include "TFrmLxxt.h"

#include "PulseStrip.h"
#include "question/AnswerPad.h"
#include "question/FaceButton.h"
#include "question/NumberBoard.h"
#include "question/QuestionView.h"
#include "question/TFrmBj.h"
#include "question/TfrmAnswFagui.h"
#include "ui/ErrorPrompt.h"

#include "platform/Clock.h"
#include "platform/ModalRunner.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "store/AnswerPage.h"
#include "store/TDM1.h"
#include "ui/AppActions.h"
#include "ui/AppContext.h"
#include "ui/BusyCursor.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString NotSavedMessage = u"本题的答案没有保存，请稍后再试。原因：\n"_s;

bool citesPoints(const QuestionRecord& row)
{
    return !row.K[0].trimmed().isEmpty();
}

QLabel* boardHeading(const QString& text, QWidget* parent)
{
    auto* heading = new QLabel(text, parent);
    heading->setProperty("boardHeading", true);
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(u"QLabel { background: #2f6f8f; color: white; font-weight: bold;"
                           u" border-radius: 3px; padding: 2px; }"_s);
    return heading;
}

} // namespace

TFrmLxxt::TFrmLxxt(AppContext& ctx, QWidget* parent) : TFrmLxxt(ctx, Variant{}, parent) {}

TFrmLxxt::TFrmLxxt(AppContext& ctx, const Variant& variant, QWidget* parent)
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx), m_variant(variant),
      m_run(ctx.dm, ctx.services.clock, variant.policy)
{
    BusyCursor busy;
    ButtonFaces faces;
    faces.load(ctx.dm.ProgramFolder(), ButtonFaces::numberFaceFiles());
    setWindowTitle(u"练习新题"_s);
    buildWindow();
    m_board->setFaces(faces);
    m_timeLimit.setObjectName(u"timeLimit"_s);
    connect(&m_timeLimit, &QTimer::timeout, this, &TFrmLxxt::timeLimitTick);
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &TFrmLxxt::clockTick);
}

// ---- layout -------------------------------------------------------------------------------------

QPushButton* TFrmLxxt::makeButton(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void TFrmLxxt::buildWindow()
{
    const bool compact = m_ctx.isCompactLayout();
    m_view = new QuestionView(this);
    m_view->setCompact(compact);
    m_view->pad()->setFixedHeight(compact ? 52 : 62);
    m_questionLine = new QLabel(this);
    m_questionLine->setObjectName(u"questionLine"_s);
    m_questionLine->setStyleSheet(u"font-size: 12pt; font-weight: bold;"_s);
    m_redStatus = new QLabel(this);
    m_redStatus->setObjectName(u"statusRed"_s);
    m_redStatus->setStyleSheet(u"color: #c0392b;"_s);
    m_boldStatus = new QLabel(this);
    m_boldStatus->setObjectName(u"statusBold"_s);
    m_boldStatus->setStyleSheet(u"font-weight: bold;"_s);
    auto* questionRow = new QHBoxLayout;
    questionRow->setSpacing(18);
    questionRow->addWidget(m_questionLine);
    questionRow->addWidget(m_redStatus);
    questionRow->addWidget(m_boldStatus);
    questionRow->addStretch(1);

    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addLayout(questionRow);
    left->addWidget(m_view, 1);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(10);
    middle->addLayout(left, 1);
    middle->addWidget(buildBoards());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);
    layout->addWidget(buildTopBar());
    m_pulse = new PulseStrip(this);
    layout->addWidget(m_pulse);
    layout->addLayout(middle, 1);
    layout->addWidget(buildButtonRow());
    setFixedSize(compact ? QSize(792, 572) : QSize(1000, 712));
}

QWidget* TFrmLxxt::buildTopBar()
{
    auto* bar = new QWidget(this);
    auto* heading = boardHeading(u"提示板"_s, bar);
    heading->setFixedWidth(64);
    m_hintBoard = new QLabel(u"提示板"_s, bar);
    m_hintBoard->setObjectName(u"hintBoard"_s);
    m_hintBoard->setStyleSheet(u"QLabel { background: white; border: 1px solid #c9c1b0; border-radius: 3px;"
                               u" padding: 3px 8px; font-weight: bold; color: #2f6f8f; }"_s);
    m_hintBoard->setTextFormat(Qt::PlainText);
    m_settings = makeButton(u"设置"_s, u"btnSettings"_s);
    m_desktop = makeButton(u"桌面"_s, u"btnDesktop"_s);
    connect(m_settings, &QPushButton::clicked, this, &TFrmLxxt::settingsClicked);
    connect(m_desktop, &QPushButton::clicked, this, [this] { m_ctx.services.shell.showDesktop(); });
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    row->addWidget(heading);
    row->addWidget(m_hintBoard, 1);
    row->addWidget(m_settings);
    row->addWidget(m_desktop);
    return bar;
}

QWidget* TFrmLxxt::buildBoards()
{
    const bool compact = m_ctx.isCompactLayout();
    auto* boards = new QWidget(this);
    boards->setObjectName(u"boards"_s);
    boards->setFixedWidth(compact ? 214 : 252);

    m_typeBoard = new QWidget(boards);
    m_typeGrid = new QGridLayout(m_typeBoard);
    m_typeGrid->setContentsMargins(0, 0, 0, 0);
    m_typeGrid->setSpacing(4);
    m_typeGroup = new QButtonGroup(this);
    m_typeGroup->setExclusive(true);

    const QSize numberSize = compact ? QSize(36, 27) : QSize(44, 32);
    m_board = new NumberBoard(GroupSize, numberSize, u"numberButton"_s, boards);
    connect(m_board, &NumberBoard::pressed, this, &TFrmLxxt::numberPressed);

    m_groupInfo = new QLabel(boards);
    m_groupInfo->setObjectName(u"groupInfo"_s);
    m_groupShownLabel = new QLabel(boards);
    m_groupShownLabel->setObjectName(u"groupShown"_s);
    auto* info = new QHBoxLayout;
    info->addWidget(m_groupInfo);
    info->addStretch(1);
    info->addWidget(m_groupShownLabel);
    m_previousGroup = makeButton(u"<-上一组"_s, u"btnPreviousGroup"_s);
    m_nextGroup = makeButton(u"下一组->"_s, u"btnNextGroup"_s);
    connect(m_previousGroup, &QPushButton::clicked, this, &TFrmLxxt::previousGroup);
    connect(m_nextGroup, &QPushButton::clicked, this, &TFrmLxxt::nextGroup);
    auto* groupButtons = new QHBoxLayout;
    groupButtons->addWidget(m_previousGroup);
    groupButtons->addWidget(m_nextGroup);

    QWidget* timer = buildTimerCard(boards);

    auto* column = new QVBoxLayout(boards);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(compact ? 4 : 6);
    column->addWidget(boardHeading(u"题型指示板"_s, boards));
    column->addWidget(m_typeBoard);
    column->addSpacing(compact ? 2 : 6);
    column->addWidget(boardHeading(u"题目指示板"_s, boards));
    column->addWidget(m_board, 0, Qt::AlignHCenter);
    column->addLayout(info);
    column->addLayout(groupButtons);
    column->addStretch(1);
    column->addWidget(timer);
    return boards;
}

// The time gauge of the question shown and the clock of the whole run.
QWidget* TFrmLxxt::buildTimerCard(QWidget* parent)
{
    const bool compact = m_ctx.isCompactLayout();
    auto* card = new QFrame(parent);
    card->setObjectName(u"timerCard"_s);
    card->setStyleSheet(
        u"#timerCard { background: white; border: 1px solid #c9c1b0; border-radius: 4px; }"_s);
    m_gauge = new QProgressBar(card);
    m_gauge->setObjectName(u"timeGauge"_s);
    m_gauge->setAccessibleName(u"答题时间"_s);
    m_gauge->setOrientation(Qt::Vertical);
    m_gauge->setRange(0, GaugeSteps);
    m_gauge->setValue(0);
    m_gauge->setTextVisible(false);
    m_gauge->setFixedSize(14, compact ? 58 : 76);
    m_gauge->setStyleSheet(
        u"QProgressBar { border: 1px solid #c9c1b0; border-radius: 6px; background: #f6f3ec; }"
        u"QProgressBar::chunk { background: #2f6f8f; border-radius: 5px; }"_s);
    auto* gaugeCaption = new QLabel(u"本题时间"_s, card);
    auto* clockCaption = new QLabel(u"时钟"_s, card);
    m_clockLabel = new QLabel(u"0:00:00"_s, card);
    m_clockLabel->setObjectName(u"clockLabel"_s);
    m_clockLabel->setAccessibleName(u"时钟"_s);
    m_clockLabel->setStyleSheet(u"QLabel { font-size: 15pt; font-weight: bold; color: #2f6f8f; }"_s);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(gaugeCaption);
    texts->addStretch(1);
    texts->addWidget(clockCaption);
    texts->addWidget(m_clockLabel);
    auto* row = new QHBoxLayout(card);
    row->setContentsMargins(10, 8, 10, 8);
    row->setSpacing(12);
    row->addWidget(m_gauge);
    row->addLayout(texts, 1);
    return card;
}

QWidget* TFrmLxxt::buildButtonRow()
{
    auto* bar = new QWidget(this);
    m_previous = makeButton(u"上一题"_s, u"btnPrevious"_s);
    m_next = makeButton(u"下一题"_s, u"btnNext"_s);
    m_finish = makeButton(u"完成"_s, u"btnFinish"_s);
    m_note = makeButton(u"笔记"_s, u"btnNote"_s);
    m_answer = makeButton(u"答案"_s, u"btnAnswer"_s);
    m_points = makeButton(u"考点"_s, u"btnPoints"_s);
    m_discard = makeButton(m_variant.discardCaption, u"btnDiscard"_s);
    m_edit = makeButton(u"修改本题"_s, u"btnEdit"_s);
    m_close = makeButton(u"关闭"_s, u"btnClose"_s);
    m_view->setAnswerButton(m_answer);
    giveShortcut(*m_finish, QKeySequence(Qt::CTRL | Qt::Key_Return));
    giveShortcut(*m_answer, QKeySequence(Qt::CTRL | Qt::Key_D));
    giveShortcut(*m_note, QKeySequence(Qt::CTRL | Qt::Key_B));
    m_edit->setVisible(m_variant.editButton);
    connect(m_previous, &QPushButton::clicked, this, &TFrmLxxt::previousQuestion);
    connect(m_next, &QPushButton::clicked, this, &TFrmLxxt::nextQuestion);
    connect(m_finish, &QPushButton::clicked, this, &TFrmLxxt::finishClicked);
    connect(m_note, &QPushButton::clicked, this, &TFrmLxxt::noteClicked);
    connect(m_answer, &QPushButton::clicked, this, &TFrmLxxt::answerClicked);
    connect(m_points, &QPushButton::clicked, this, &TFrmLxxt::pointsClicked);
    connect(m_discard, &QPushButton::clicked, this, &TFrmLxxt::discardClicked);
    connect(m_edit, &QPushButton::clicked, this, &TFrmLxxt::editClicked);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(m_ctx.isCompactLayout() ? 5 : 8);
    for (QPushButton* button : {m_previous, m_next, m_finish, m_note, m_answer, m_points, m_discard, m_edit})
        row->addWidget(button);
    row->addStretch(1);
    row->addWidget(m_close);
    return bar;
}

void TFrmLxxt::addTypeButton(int type, const QString& caption, bool enabled, const QPixmap& up,
                             const QPixmap& down)
{
    auto* button = new FaceButton(caption, m_typeBoard);
    button->setObjectName(u"typeButton"_s + QString::number(type));
    button->setProperty("typeId", type);
    button->setCheckable(true);
    button->setEnabled(enabled);
    button->setFaces(up, down);
    button->setToolTip(caption);
    button->setFixedHeight(m_ctx.isCompactLayout() ? 24 : 28);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    const int index = int(m_typeButtons.size());
    m_typeGrid->addWidget(button, index / 2, index % 2);
    m_typeGroup->addButton(button);
    m_typeButtons.append(button);
    connect(button, &FaceButton::clicked, this, [this, button] { typePressed(button); });
}

// ---- loading, opening and closing ---------------------------------------------------------------

bool TFrmLxxt::LoadPracticeSet()
{
    BusyCursor busy;
    if (!m_run.load(m_ctx.PracticeQuery))
        return false;
    ButtonFaces typeFaces;
    typeFaces.load(m_ctx.dm.ProgramFolder(), ButtonFaces::typeFaceFiles());
    const QPixmap up = typeFaces.face(u"vosktxup.bmp"_s);
    const QPixmap down = typeFaces.face(u"vosktxdw.bmp"_s);
    qDeleteAll(m_typeButtons);
    m_typeButtons.clear();
    addTypeButton(0, u"任意"_s, true, up, down);
    PracticeSet& set = m_run.set();
    for (const PracticeSet::Type& type : set.types())
        addTypeButton(type.A1, type.B1, set.hasType(type.A1), up, down);
    return true;
}

void TFrmLxxt::showEvent(QShowEvent* event)
{
    FramelessDialog::showEvent(event);
    if (!m_opened && !m_typeButtons.isEmpty()) {
        m_opened = true;
        openRun();
    }
}

void TFrmLxxt::openRun()
{
    BusyCursor busy;
    m_gauge->setValue(0);
    m_points->show();
    m_view->collapseLowerPane();
    m_view->closeVerdictAtOnce();
    if (m_variant.hintFromChapter)
        setHintBoardText(m_ctx.CurrentChapterCaption);
    m_run.setCurrent(0);
    m_typeButtons.first()->click();
    m_run.start();
    m_clockLabel->setText(u"0:00:00"_s);
    m_clock.start();
    m_pulse->start();
    m_points->setEnabled(false);
}

void TFrmLxxt::done(int result)
{
    finishRun();
    FramelessDialog::done(result);
}

// Closing is never refused: the last answer is recorded and the run's time goes into today's log.
void TFrmLxxt::finishRun()
{
    if (!m_run.stop())
        return;
    BusyCursor busy;
    m_clock.stop();
    m_timeLimit.stop();
    m_pulse->stop();
    if (m_run.current() > 0)
        RecordAnswer(m_run.current(), RecordMode::Silent);
    guarded([&] {
        if (const QString backupProblem = m_run.writeStudyLog(); !backupProblem.isEmpty())
            ErrorPrompt::show(m_ctx.services.prompts, backupProblem);
    });
}

void TFrmLxxt::setHintBoardText(const QString& text)
{
    m_hintBoard->setText(text);
}

// ---- types, groups and questions ----------------------------------------------------------------

void TFrmLxxt::typePressed(FaceButton* button)
{
    if (m_run.current() > 0) {
        RecordAnswer(m_run.current(), RecordMode::Silent);
        m_run.setCurrent(0);
    }
    const int type = button->property("typeId").toInt();
    if (m_variant.subjectiveLabelFollowsType)
        m_view->pad()->setSubjectiveLabel(type == 0 ? u"主观"_s : button->text().left(2));
    PracticeSet& set = m_run.set();
    set.applyTypeFilter(type);
    if (set.count() == 0) {
        button->setEnabled(false);
        if (m_pressedType && m_pressedType != button) {
            m_pressedType->click();
        } else {
            m_typeGroup->setExclusive(false);
            button->setChecked(false);
            m_typeGroup->setExclusive(true);
        }
        return;
    }
    m_pressedType = button;
    m_groups.reset(set.count());
    FillNumberButtons();
}

// The group shown onto the number buttons; its first question is shown.
void TFrmLxxt::FillNumberButtons()
{
    m_previousGroup->setEnabled(m_groups.hasPrevious());
    m_nextGroup->setEnabled(m_groups.hasNext());
    m_groupInfo->setText(m_groups.summary());
    m_groupShownLabel->setText(m_groups.shownCaption());
    for (int i = 0; i < GroupSize; ++i) {
        const int recNo = m_groups.recordAt(i);
        m_board->assign(i, recNo,
                        recNo > 0 ? m_run.markOf(m_run.set().record(recNo)) : NumberMark::Unanswered);
    }
    m_board->press(0);
}

void TFrmLxxt::numberPressed(int index)
{
    const int recNo = m_board->recordOf(index);
    PracticeSet& set = m_run.set();
    if (!set.contains(recNo))
        return;
    m_boldStatus->clear();
    if (m_view->verdictOpen())
        m_view->closeVerdictAtOnce();
    if (!ShowQuestion(m_run.current(), recNo))
        return;
    m_previous->setEnabled(recNo > 1);
    m_next->setEnabled(recNo < set.count());
    showStatus(set.record(recNo));
}

void TFrmLxxt::showStatus(const QuestionRecord& row)
{
    m_redStatus->clear();
    m_discard->setText(m_variant.discardCaption);
    if (row.F1 == 1) {
        m_redStatus->setText(u"本题已被您作废！"_s);
        m_discard->setText(u"取消作废"_s);
    } else if (row.F1 == 2) {
        m_redStatus->setText(u"本题是您加入的题目！"_s);
    }
    if (m_variant.editButton && row.ecount != 0)
        m_boldStatus->setText(u"本题被您修改过"_s);
}

bool TFrmLxxt::ShowQuestion(int from, int to)
{
    RecordAnswer(from, RecordMode::Move);
    if (m_recordFailed) {
        // The user stays on the question, the answer still chosen; its button is pressed again.
        if (const int index = m_groups.indexOf(from); index >= 0 && m_board->button(index))
            m_board->button(index)->setChecked(true);
        return false;
    }
    m_run.setCurrent(to);
    const QuestionRecord& row = m_run.set().record(to);
    const int appearance = row.E3 >= 1 ? row.E3 + 1 : 1;
    m_questionLine->setText(u"第%1题（第%2次出现）"_s.arg(to - m_groups.start() + 1).arg(appearance));
    m_view->pad()->setPage(AnswerPages::AnswerPageOfType(row.A13));
    RestoreAnswerControls();
    m_view->ShowStem(m_ctx.dm, m_ctx.services.prompts, row.A1);
    refreshPressedFace(to);
    startTimeLimit(row.A13);
    return true;
}

void TFrmLxxt::previousQuestion()
{
    step(m_groups.stepBack(m_run.current()));
}

void TFrmLxxt::nextQuestion()
{
    step(m_groups.stepOn(m_run.current()));
}

void TFrmLxxt::previousGroup()
{
    if (m_groups.previous())
        FillNumberButtons();
}

void TFrmLxxt::nextGroup()
{
    if (m_groups.next())
        FillNumberButtons();
}

void TFrmLxxt::step(QuestionGroups::Step step)
{
    if (step.kind == QuestionGroups::Step::Press)
        m_board->press(step.index);
    else if (step.kind == QuestionGroups::Step::NewGroup)
        FillNumberButtons();
}

// ---- answers ------------------------------------------------------------------------------------

bool TFrmLxxt::RecordAnswer(int recNo, RecordMode mode)
{
    PracticeRun::Recorded recorded = PracticeRun::Recorded::Skipped;
    m_recordFailed = false;
    try {
        recorded = m_run.record(recNo, m_view->pad()->answer(), mode);
    } catch (const std::exception& e) {
        m_recordFailed = true;
        ErrorPrompt::show(m_ctx.services.prompts, NotSavedMessage + ErrorPrompt::messageOf(e));
        return false;
    }
    if (recorded == PracticeRun::Recorded::Skipped)
        return false;
    const QuestionRecord& row = m_run.set().record(recNo);
    if (mode == RecordMode::Check) {
        refreshPressedFace(recNo);
        if (recorded == PracticeRun::Recorded::Answer) {
            m_points->setEnabled(citesPoints(row));
            m_answer->setEnabled(!AnswerPages::isNoAnswerType(row.A13));
        } else {
            m_ctx.services.prompts.MessageDialog(u"提示"_s, u"请先做出答案！"_s, Prompts::ButtonSet::Ok,
                                                 Prompts::Picture::Warning);
        }
    } else if (mode == RecordMode::Move && m_groups.contains(recNo)) {
        m_board->setReleasedMark(m_groups.indexOf(recNo), m_run.markOf(row));
    }
    return true;
}

void TFrmLxxt::RestoreAnswerControls()
{
    const QuestionRecord* row = currentRecord();
    if (!row)
        return;
    const bool noAnswer = AnswerPages::isNoAnswerType(row->A13);
    if (noAnswer) {
        m_answer->setEnabled(false);
    } else {
        m_answer->setEnabled(true);
        m_points->setEnabled(false);
    }
    if (!row->E2_1.isEmpty()) {
        m_points->setEnabled(citesPoints(*row));
        m_answer->setEnabled(!noAnswer);
    } else {
        m_points->setEnabled(false);
        m_answer->setEnabled(false);
    }
    m_note->setText(row->A14.trimmed().isEmpty() ? u"笔记"_s : u"有内容"_s);
    AnswerPad* pad = m_view->pad();
    pad->setAnswer(pad->page(), row->E2_1, row->A2_1);
}

void TFrmLxxt::finishClicked()
{
    if (m_run.current() >= 1)
        RecordAnswer(m_run.current(), RecordMode::Check);
}

void TFrmLxxt::answerClicked()
{
    if (const QuestionRecord* row = currentRecord())
        m_view->toggleVerdict(row->A2);
    else if (m_view->verdictOpen())
        m_view->slideVerdict(false);
}

void TFrmLxxt::noteClicked()
{
    QuestionRecord* row = currentRecord();
    if (!row)
        return;
    TFrmBj editor(m_ctx, this);
    editor.bind(*row);
    m_ctx.services.windows.run(editor);
    m_note->setText(m_ctx.NoteHasContent == 1 ? u"有内容"_s : u"笔记"_s);
}

void TFrmLxxt::pointsClicked()
{
    const QuestionRecord* row = currentRecord();
    if (!row)
        return;
    TfrmAnswFagui points(m_ctx, this);
    if (points.Load(row->A1))
        m_ctx.services.windows.run(points);
    if (!isVisible())
        show();
}

void TFrmLxxt::discardClicked()
{
    if (!currentRecord())
        return;
    guarded([&] {
        if (m_discard->text() == m_variant.discardCaption) {
            m_run.discard();
            m_redStatus->setText(u"本题已被您作废！"_s);
            m_discard->setText(u"取消作废"_s);
        } else {
            m_run.undiscard();
            m_redStatus->setText(u"本题曾被作废，现已被您取消！"_s);
            m_discard->setText(m_variant.discardCaption);
        }
    });
}

// The time limit waits while the question is edited and goes on however the editing ends.
void TFrmLxxt::editClicked()
{
    QuestionRecord* row = currentRecord();
    if (!row || !m_ctx.actions)
        return;
    const bool timing = m_timeLimit.isActive();
    m_timeLimit.stop();
    guarded([&] {
        if (m_ctx.actions->openQuestionEditing(this, *row))
            m_boldStatus->setText(u"本题被您修改过"_s);
    });
    // A limit that had already run out is not announced a second time.
    if (timing)
        m_timeLimit.start();
}

void TFrmLxxt::settingsClicked()
{
    m_ctx.SettingsMode = 0;
    if (m_ctx.actions)
        m_ctx.actions->openSystemSettings(this);
}

// ---- timers and keys ----------------------------------------------------------------------------

void TFrmLxxt::startTimeLimit(int type)
{
    m_gauge->setValue(0);
    m_timeLimit.setInterval(qMax(1, m_ctx.answerTimeInterval(type)));
    m_timeLimit.start();
}

// The gauge fills in 100 ticks; the tick after that ends the time for the question.
void TFrmLxxt::timeLimitTick()
{
    if (m_gauge->value() < GaugeSteps) {
        m_gauge->setValue(m_gauge->value() + 1);
        return;
    }
    m_timeLimit.stop();
    m_ctx.services.prompts.MessageDialog(u"提示"_s, u"到时间了"_s, Prompts::ButtonSet::Ok,
                                         Prompts::Picture::Warning);
    guarded([&] { m_run.markTimedOut(); });
}

int TFrmLxxt::gaugeValue() const
{
    return m_gauge->value();
}

void TFrmLxxt::clockTick()
{
    m_clockLabel->setText(elapsedText());
}

void TFrmLxxt::keyPressEvent(QKeyEvent* event)
{
    if (m_opened && m_view->handleKey(*event, m_previous, m_next)) {
        event->accept();
        return;
    }
    FramelessDialog::keyPressEvent(event);
}

// A stray Escape does not end the run; "关闭" does.
void TFrmLxxt::escapePressed() {}

// The caption stays as it is; the tooltip tells the key.
void TFrmLxxt::giveShortcut(QPushButton& button, const QKeySequence& keys)
{
    button.setShortcut(keys);
    button.setToolTip(button.text() + u"（"_s + keys.toString(QKeySequence::NativeText) + u"）"_s);
}

// ---- helpers ------------------------------------------------------------------------------------

void TFrmLxxt::refreshPressedFace(int recNo)
{
    if (m_groups.contains(recNo))
        m_board->setPressedMark(m_groups.indexOf(recNo), m_run.markOf(m_run.set().record(recNo)));
}

template <class Work> void TFrmLxxt::guarded(Work&& work)
{
    try {
        work();
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
}
