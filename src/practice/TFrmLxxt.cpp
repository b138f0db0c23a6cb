#include "TFrmLxxt.h"

#include "PulseStrip.h"
#include "question/AnswerPad.h"
#include "question/FaceButton.h"
#include "question/QuestionView.h"
#include "question/TFrmBj.h"
#include "question/TfrmAnswFagui.h"
#include "ui/ErrorPrompt.h"

#include "platform/Clock.h"
#include "platform/ModalRunner.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "store/AnswerPage.h"
#include "store/CodeSchemes.h"
#include "store/QuestionEdits.h"
#include "store/TDM1.h"
#include "ui/AppActions.h"
#include "ui/AppContext.h"
#include "ui/BusyCursor.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString FaceUp = u"voskup.bmp"_s;
const QString FaceDown = u"voskdw.bmp"_s;
const QString FaceRight = u"voskyes.bmp"_s;
const QString FaceWrong = u"voskno.bmp"_s;
const QString FaceRightDown = u"voskdw_r.bmp"_s;
const QString FaceWrongDown = u"voskdw_w.bmp"_s;

const QString RightVerdict = u"恭喜你，做对了！"_s;
const QString WrongVerdict = u"很遗憾，做错了，请继续努力！"_s;

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
    : FramelessDialog(ctx.services.screen, parent), m_ctx(ctx), m_variant(variant), m_set(ctx.dm),
      m_recorder(ctx.dm)
{
    BusyCursor busy;
    setWindowTitle(u"练习新题"_s);
    buildWindow();
    m_timeLimit.setObjectName(u"timeLimit"_s);
    connect(&m_timeLimit, &QTimer::timeout, this, &TFrmLxxt::timeLimitTick);
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &TFrmLxxt::clockTick);
    if (!m_faces.load(ctx.dm.ProgramFolder(), ButtonFaces::numberFaceFiles())) {
        m_fatal = true;
        busy.restore();
        ButtonFaces::reportMissingAndQuit(ctx.services.prompts);
    }
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

    auto* numbers = new QWidget(boards);
    auto* grid = new QGridLayout(numbers);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    m_numberGroup = new QButtonGroup(this);
    m_numberGroup->setExclusive(true);
    const QSize numberSize = compact ? QSize(36, 27) : QSize(44, 32);
    for (int i = 0; i < GroupSize; ++i) {
        auto* button = new FaceButton(QString::number(i + 1), numbers);
        button->setObjectName(u"numberButton"_s + QString::number(i + 1));
        button->setCheckable(true);
        button->setFixedSize(numberSize);
        m_numbers[size_t(i)] = button;
        m_numberGroup->addButton(button, i);
        grid->addWidget(button, i / 5, i % 5);
        connect(button, &FaceButton::clicked, this, [this, i] { numberPressed(i); });
    }

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
    column->addWidget(numbers, 0, Qt::AlignHCenter);
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
    // Editing a question belongs to a later version of the program.
    m_edit->setEnabled(false);
    m_edit->setVisible(m_variant.editButton);
    connect(m_previous, &QPushButton::clicked, this, &TFrmLxxt::previousQuestion);
    connect(m_next, &QPushButton::clicked, this, &TFrmLxxt::nextQuestion);
    connect(m_finish, &QPushButton::clicked, this, &TFrmLxxt::finishClicked);
    connect(m_note, &QPushButton::clicked, this, &TFrmLxxt::noteClicked);
    connect(m_answer, &QPushButton::clicked, this, &TFrmLxxt::answerClicked);
    connect(m_points, &QPushButton::clicked, this, &TFrmLxxt::pointsClicked);
    connect(m_discard, &QPushButton::clicked, this, &TFrmLxxt::discardClicked);
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
    if (m_fatal)
        return false;
    BusyCursor busy;
    if (!m_set.load(m_ctx.PracticeQuery))
        return false;
    ButtonFaces typeFaces;
    if (!typeFaces.load(m_ctx.dm.ProgramFolder(), ButtonFaces::typeFaceFiles())) {
        m_fatal = true;
        busy.restore();
        ButtonFaces::reportMissingAndQuit(m_ctx.services.prompts);
        return false;
    }
    const QPixmap up = typeFaces.face(u"vosktxup.bmp"_s);
    const QPixmap down = typeFaces.face(u"vosktxdw.bmp"_s);
    qDeleteAll(m_typeButtons);
    m_typeButtons.clear();
    addTypeButton(0, u"任意"_s, true, up, down);
    for (const PracticeSet::Type& type : m_set.types())
        addTypeButton(type.A1, type.B1, m_set.hasType(type.A1), up, down);
    return true;
}

void TFrmLxxt::showEvent(QShowEvent* event)
{
    FramelessDialog::showEvent(event);
    if (!m_opened && !m_fatal && !m_typeButtons.isEmpty()) {
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
    m_currentRecNo = 0;
    m_typeButtons.first()->click();
    m_runStart = m_ctx.services.clock.now();
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
    if (!m_opened || m_finished)
        return;
    m_finished = true;
    BusyCursor busy;
    m_clock.stop();
    m_timeLimit.stop();
    m_pulse->stop();
    const QString elapsed = elapsedText();
    if (m_currentRecNo > 0)
        RecordAnswer(m_currentRecNo, RecordMode::Silent);
    guarded([&] { m_ctx.dm.CloseStudyRun(elapsed); });
}

void TFrmLxxt::setHintBoardText(const QString& text)
{
    m_hintBoard->setText(text);
}

// ---- types, groups and questions ----------------------------------------------------------------

void TFrmLxxt::typePressed(FaceButton* button)
{
    if (m_currentRecNo > 0) {
        RecordAnswer(m_currentRecNo, RecordMode::Silent);
        m_currentRecNo = 0;
    }
    const int type = button->property("typeId").toInt();
    if (m_variant.subjectiveLabelFollowsType)
        m_view->pad()->setSubjectiveLabel(type == 0 ? u"主观"_s : button->text().left(2));
    m_set.applyTypeFilter(type);
    if (m_set.count() == 0) {
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
    FillNumberButtons(GroupKind::First, m_set.count());
}

void TFrmLxxt::FillNumberButtons(GroupKind kind, int total)
{
    const int g = m_groupShown;
    switch (kind) {
    case GroupKind::First:
        m_groups = (total + GroupSize - 1) / GroupSize;
        m_groupShown = 1;
        m_groupStart = 1;
        m_groupCount = qMin(total, GroupSize);
        m_previousGroup->setEnabled(false);
        m_nextGroup->setEnabled(m_groups > 1);
        break;
    case GroupKind::Previous:
        m_groupStart = (g - 2) * GroupSize + 1;
        m_groupShown = g - 1;
        m_groupCount = GroupSize;
        break;
    case GroupKind::Next:
        m_groupStart = g * GroupSize + 1;
        m_groupShown = g + 1;
        m_groupCount = total < g * GroupSize + GroupSize ? total - g * GroupSize : GroupSize;
        break;
    }
    m_groupInfo->setText(u"共%1组%2道题"_s.arg(m_groups).arg(total));
    m_groupShownLabel->setText(u"第%1组"_s.arg(m_groupShown));
    for (int i = 0; i < GroupSize; ++i) {
        FaceButton* button = m_numbers[size_t(i)];
        if (i < m_groupCount) {
            const int recNo = m_groupStart + i;
            const QuestionRecord& row = m_set.record(recNo);
            button->setEnabled(true);
            m_buttonRecord[size_t(i)] = recNo;
            button->setFaces(releasedFaceOf(row), pressedFaceOf(row));
        } else {
            button->setEnabled(false);
            m_buttonRecord[size_t(i)] = 0;
            button->setFaces(m_faces.face(FaceUp), m_faces.face(FaceDown));
        }
    }
    m_numbers[0]->click();
}

void TFrmLxxt::numberPressed(int index)
{
    const int recNo = m_buttonRecord[size_t(index)];
    if (!m_set.contains(recNo))
        return;
    m_boldStatus->clear();
    if (m_view->verdictOpen()) {
        m_answer->setText(u"答案"_s);
        m_view->closeVerdictAtOnce();
    }
    m_previous->setEnabled(recNo > 1);
    m_next->setEnabled(recNo < m_set.count());
    ShowQuestion(m_currentRecNo, recNo);
    showStatus(m_set.record(recNo));
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

void TFrmLxxt::ShowQuestion(int from, int to)
{
    RecordAnswer(from, RecordMode::Move);
    m_currentRecNo = to;
    const QuestionRecord& row = m_set.record(to);
    const int appearance = row.E3 >= 1 ? row.E3 + 1 : 1;
    m_questionLine->setText(u"第%1题（第%2次出现）"_s.arg(to - m_groupStart + 1).arg(appearance));
    m_view->pad()->setPage(AnswerPages::AnswerPageOfType(row.A13));
    RestoreAnswerControls();
    m_view->ShowStem(m_ctx.dm, m_ctx.services.prompts, row.A1);
    if (inGroupShown(to))
        m_numbers[size_t(buttonIndexOf(to))]->setPressedFace(pressedFaceOf(row));
    startTimeLimit(row.A13);
}

void TFrmLxxt::previousQuestion()
{
    const int p = m_currentRecNo - 1;
    if (p >= m_groupStart && p >= 1) {
        m_numbers[size_t(buttonIndexOf(p))]->click();
    } else if (m_groupShown >= 2) {
        m_nextGroup->setEnabled(true);
        m_previousGroup->setEnabled(m_groupShown > 2);
        FillNumberButtons(GroupKind::Previous, m_set.count());
    }
}

void TFrmLxxt::nextQuestion()
{
    const int q = m_currentRecNo + 1;
    if (q <= m_groupStart + m_groupCount - 1) {
        m_numbers[size_t(buttonIndexOf(q))]->click();
    } else if (m_groupShown < m_groups) {
        m_previousGroup->setEnabled(true);
        m_nextGroup->setEnabled(m_groups - m_groupShown > 1);
        FillNumberButtons(GroupKind::Next, m_set.count());
    }
}

void TFrmLxxt::previousGroup()
{
    if (m_groupShown < 2)
        return;
    m_nextGroup->setEnabled(true);
    m_previousGroup->setEnabled(m_groupShown > 2);
    FillNumberButtons(GroupKind::Previous, m_set.count());
}

void TFrmLxxt::nextGroup()
{
    if (m_groupShown >= m_groups)
        return;
    m_previousGroup->setEnabled(true);
    m_nextGroup->setEnabled(m_groups - m_groupShown > 1);
    FillNumberButtons(GroupKind::Next, m_set.count());
}

// ---- answers ------------------------------------------------------------------------------------

bool TFrmLxxt::RecordAnswer(int recNo, RecordMode mode)
{
    if (!m_set.contains(recNo))
        return false;
    QuestionRecord& row = m_set.record(recNo);
    const QString answer = m_view->pad()->answer();
    try {
        // A question left without an answer only needs its run answer cleared, when it has one.
        if (!answer.isEmpty() || !row.E2_1.isEmpty())
            m_recorder.record(row, answer);
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
        return false;
    }
    const bool shown = inGroupShown(recNo);
    if (!answer.isEmpty()) {
        if (mode == RecordMode::Check) {
            m_points->setEnabled(citesPoints(row));
            if (shown)
                m_numbers[size_t(buttonIndexOf(recNo))]->setPressedFace(pressedFaceOf(row));
            m_answer->setEnabled(!AnswerPages::isNoAnswerType(row.A13));
        } else if (mode == RecordMode::Move && shown) {
            m_numbers[size_t(buttonIndexOf(recNo))]->setReleasedFace(releasedFaceOf(row));
        }
        return true;
    }
    if (mode == RecordMode::Check) {
        if (shown)
            m_numbers[size_t(buttonIndexOf(recNo))]->setPressedFace(pressedFaceOf(row));
        m_ctx.services.prompts.MessageDialog(u"提示"_s, u"请先做出答案！"_s, Prompts::ButtonSet::Ok,
                                             Prompts::Picture::Warning);
    } else if (mode == RecordMode::Move && shown) {
        m_numbers[size_t(buttonIndexOf(recNo))]->setReleasedFace(m_faces.face(FaceUp));
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
    if (m_currentRecNo >= 1)
        RecordAnswer(m_currentRecNo, RecordMode::Check);
}

// The verdict is the recorder's rule: right exactly when the answer on the page equals A2.
void TFrmLxxt::answerClicked()
{
    const QuestionRecord* row = currentRecord();
    if (m_view->verdictOpen() || !row) {
        m_answer->setText(u"答案"_s);
        m_view->slideVerdict(false);
        return;
    }
    AnswerPad* pad = m_view->pad();
    const QString mine = pad->answer();
    m_view->setVerdict(mine == row->A2 ? RightVerdict : WrongVerdict,
                       AnswerPad::shownAnswer(pad->page(), mine),
                       AnswerPad::shownAnswer(pad->page(), row->A2));
    m_answer->setText(u"返回"_s);
    m_view->slideVerdict(true);
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
    QuestionRecord* row = currentRecord();
    if (!row)
        return;
    guarded([&] {
        QuestionEdits edits(m_ctx.dm);
        if (m_discard->text() == m_variant.discardCaption) {
            edits.discard(*row);
            m_redStatus->setText(u"本题已被您作废！"_s);
            m_discard->setText(u"取消作废"_s);
        } else {
            edits.undiscard(*row);
            m_redStatus->setText(u"本题曾被作废，现已被您取消！"_s);
            m_discard->setText(m_variant.discardCaption);
        }
    });
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
    if (QuestionRecord* row = currentRecord())
        guarded([&] { QuestionEdits(m_ctx.dm).markTimedOut(*row); });
}

int TFrmLxxt::gaugeValue() const
{
    return m_gauge->value();
}

void TFrmLxxt::clockTick()
{
    m_clockLabel->setText(elapsedText());
}

QString TFrmLxxt::elapsedText() const
{
    if (!m_runStart.isValid())
        return u"0:00:00"_s;
    return CodeSchemes::FormatDuration(qMax<qint64>(0, m_runStart.secsTo(m_ctx.services.clock.now())));
}

void TFrmLxxt::keyPressEvent(QKeyEvent* event)
{
    if (m_opened && m_view->handleKey(*event, m_previous, m_next)) {
        event->accept();
        return;
    }
    // A stray Escape does not end the run; "关闭" does.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    FramelessDialog::keyPressEvent(event);
}

// ---- helpers ------------------------------------------------------------------------------------

bool TFrmLxxt::inGroupShown(int recNo) const
{
    return recNo >= m_groupStart && recNo <= m_groupStart + m_groupCount - 1;
}

int TFrmLxxt::buttonIndexOf(int recNo) const
{
    return recNo % GroupSize == 0 ? GroupSize - 1 : recNo % GroupSize - 1;
}

QPixmap TFrmLxxt::releasedFaceOf(const QuestionRecord& row) const
{
    if (!row.answeredInRun())
        return m_faces.face(FaceUp);
    return m_faces.face(row.rightInRun() ? FaceRight : FaceWrong);
}

QPixmap TFrmLxxt::pressedFaceOf(const QuestionRecord& row) const
{
    if (!row.answeredInRun())
        return m_faces.face(FaceDown);
    return m_faces.face(row.rightInRun() ? FaceRightDown : FaceWrongDown);
}

QuestionRecord* TFrmLxxt::currentRecord()
{
    return m_set.contains(m_currentRecNo) ? &m_set.record(m_currentRecNo) : nullptr;
}

template <class Work> void TFrmLxxt::guarded(Work&& work)
{
    try {
        work();
    } catch (const std::exception& e) {
        ErrorPrompt::show(m_ctx.services.prompts, e);
    }
}
