#include "TFrmStart.h"

#include "FeatureWindows.h"
#include "MenuPlayer.h"
#include "TFrmAbout.h"
#include "authoring/TFrmInPut.h"
#include "authoring/TfrmTedit.h"
#include "platform/ModalRunner.h"
#include "platform/Prompts.h"
#include "platform/ScreenInfo.h"
#include "platform/Shell.h"
#include "platform/SoundDevice.h"
#include "store/CodeSchemes.h"
#include "store/SqlGuard.h"
#include "store/StudyLogTable.h"
#include "store/TDM1.h"
#include "store/TypeTable.h"
#include "ui/AppContext.h"
#include "ui/BusyCursor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QVBoxLayout>

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qint64 SecondsPerDay = 86400;

} // namespace

TFrmStart::TFrmStart(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_ctx(ctx)
{
    setObjectName(u"TFrmStart"_s);
    setWindowTitle(u"Velmarin"_s);
    m_menu = new MenuPlayer(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_menu);
    connect(m_menu, &MenuPlayer::FSCommand, this, &TFrmStart::ShockwaveFlash1FSCommand);
    m_previousActions = m_ctx.actions;
    m_ctx.actions = this;
    FormCreate();
}

TFrmStart::~TFrmStart()
{
    if (m_ctx.actions == this)
        m_ctx.actions = m_previousActions;
}

const QVector<TFrmStart::Command>& TFrmStart::commandTable()
{
    static const QVector<Command> table = {
        {u"ksdg"_s, Busy::Yes, &TFrmStart::openCatalogue},
        {u"zsd"_s, Busy::Yes, &TFrmStart::openCatalogue},
        {u"lx"_s, Busy::Yes, &TFrmStart::practiceSubject1},
        {u"lx2"_s, Busy::Yes, &TFrmStart::practiceSubject2},
        {u"lx3"_s, Busy::Yes, &TFrmStart::practiceSubject3},
        {u"lx4"_s, Busy::Yes, &TFrmStart::practiceSubject4},
        {u"lx5"_s, Busy::Yes, &TFrmStart::practiceSubject5},
        {u"szjh"_s, Busy::Yes, &TFrmStart::openStudyPlan},
        {u"szks"_s, Busy::Yes, &TFrmStart::openExamSettings},
        {u"rz"_s, Busy::UntilCreated, &TFrmStart::openStudyLog},
        {u"tj"_s, Busy::Yes, &TFrmStart::openChart},
        {u"sj"_s, Busy::No, &TFrmStart::openUpgrade},
        {u"music"_s, Busy::No, &TFrmStart::openMusicSettings},
        {u"sztime"_s, Busy::No, &TFrmStart::openAnswerTimeSettings},
        {u"fg"_s, Busy::No, &TFrmStart::openRegulations},
        {u"lxfs"_s, Busy::No, &TFrmStart::openContacts},
        {u"help"_s, Busy::No, &TFrmStart::openHelp},
        {u"about"_s, Busy::No, &TFrmStart::openAbout},
        {u"quit"_s, Busy::No, &TFrmStart::quit},
        {u"cj"_s, Busy::Yes, &TFrmStart::openPaperList},
        {u"mnks"_s, Busy::No, &TFrmStart::mockExam1},
        {u"mnks2"_s, Busy::No, &TFrmStart::mockExam2},
        {u"mnks3"_s, Busy::No, &TFrmStart::mockExam3},
        {u"mnks4"_s, Busy::No, &TFrmStart::mockExam4},
        {u"mnks5"_s, Busy::No, &TFrmStart::mockExam5},
        // The past-exams page, reached from the menu by a word of our own.
        {u"lnst"_s, Busy::No, &TFrmStart::openPastExams},
    };
    return table;
}

QString TFrmStart::layoutModeFor(const QSize& screen)
{
    return screen.width() == 800 || screen.height() == 600 ? u"800"_s : u"1024"_s;
}

QSize TFrmStart::windowSizeFor(const QString& layoutMode)
{
    return layoutMode == u"800" ? QSize(800, 600) : QSize(1024, 768);
}

int TFrmStart::answerTimeInterval(double minutes)
{
    return TypeTable::intervalOf(minutes);
}

int TFrmStart::clampVolumeLevel(int level)
{
    return std::clamp(level, 1, 16);
}

quint32 TFrmStart::volumeValueOf(int level)
{
    return quint32(clampVolumeLevel(level) - 1) * 0x11111111u;
}

double TFrmStart::gainOfVolume(quint32 value)
{
    return double(value) / double(0xFFFFFFFFu);
}

// Creation

void TFrmStart::FormCreate()
{
    if (!IsNormalDpi()) {
        m_ctx.services.prompts.systemMessage(Prompts::Icon::Warning, u"提示"_s,
                                             u"推荐您在小字体下使用本软件，请在设置后重新运行！"_s,
                                             Prompts::Buttons::Ok);
        return;
    }
    m_screenAccepted = true;
    m_ctx.LayoutMode = layoutModeFor(m_ctx.services.screen.size());
    resize(windowSizeFor(m_ctx.LayoutMode));
}

bool TFrmStart::IsNormalDpi() const
{
    return m_ctx.services.screen.logicalDpiX() == 96;
}

// Show

void TFrmStart::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFrmStart::FormShow()
{
    const bool dayIsFull = studiedADayToday();
    const QSize screen = m_ctx.services.screen.size();
    setGeometry(QRect(QPoint(0, 0), screen));
    m_ctx.MusicOn = 1;
    m_ctx.VolumeLevel = 10;
    SetVolumeLevel(10);
    loadAnswerTimeTable();
    startMenu();
    if (dayIsFull)
        Q_EMIT terminateRequested();
}

bool TFrmStart::studiedADayToday()
{
    try {
        const auto today = StudyLogTable(m_ctx.dm).day(m_ctx.dm.todayText());
        return today && CodeSchemes::ParseDuration(today->D1) / SecondsPerDay >= 1;
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
        return false;
    }
}

void TFrmStart::loadAnswerTimeTable()
{
    try {
        const QVector<TypeTable::Row> rows = TypeTable(m_ctx.dm, m_ctx.currentSubjectInUse()).rows();
        if (rows.isEmpty())
            return;
        m_ctx.AnswerTimeTypes.resize(rows.size());
        m_ctx.AnswerTimeIntervals.resize(rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            m_ctx.AnswerTimeTypes[i] = rows[i].A1;
            m_ctx.AnswerTimeIntervals[i] = answerTimeInterval(rows[i].time);
        }
    } catch (const StoreError& e) {
        showError(e.message());
    }
}

void TFrmStart::startMenu()
{
    QString error;
    if (!m_menu->loadMovie(m_ctx.dm.ProgramFolder() + u"pic/menu.json"_s, &error)) {
        // Without its menu the program cannot be used.
        showError(error);
        Q_EMIT terminateRequested();
        return;
    }
    m_menu->play();
}

void TFrmStart::showError(const QString& text)
{
    m_ctx.services.prompts.MessageDialog(u"错误"_s, text, 1, 2, u"NO"_s);
}

void TFrmStart::bringToFront()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    // The window the user was working in stays on top of the menu.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal->isMinimized())
            modal->setWindowState(modal->windowState() & ~Qt::WindowMinimized);
        modal->raise();
        modal->activateWindow();
    }
}

// Close

void TFrmStart::closeEvent(QCloseEvent* event)
{
    try {
        m_ctx.dm.close();
    } catch (...) {
        // Closing always goes on.
    }
    event->accept();
    Q_EMIT closed();
}

// Commands

void TFrmStart::ShockwaveFlash1FSCommand(const QString& command, const QString&)
{
    try {
        dispatch(command);
    } catch (const StoreError& e) {
        showError(e.message());
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
}

void TFrmStart::dispatch(const QString& command)
{
    const QVector<Command>& table = commandTable();
    const auto found = std::find_if(table.cbegin(), table.cend(),
                                    [&](const Command& entry) { return entry.word == command; });
    if (found == table.cend())
        return;
    m_currentBusy = found->busy;
    (this->*found->action)();
}

void TFrmStart::runWindow(const std::function<std::unique_ptr<QDialog>()>& create)
{
    std::optional<BusyCursor> cursor;
    if (m_currentBusy != Busy::No)
        cursor.emplace();
    const std::unique_ptr<QDialog> window = create();
    if (!window)
        return;
    if (m_currentBusy == Busy::UntilCreated)
        cursor->restore();
    m_ctx.services.windows.run(*window);
}

void TFrmStart::openPage(const QString& relativePath)
{
    m_ctx.services.shell.open(m_ctx.dm.ProgramFolder() + relativePath);
}

void TFrmStart::openCatalogue()
{
    // TfrmLawsFaGui arrives with the knowledge-point catalogue.
}

void TFrmStart::practiceSubject1()
{
    openChapterBrowser(1);
}

void TFrmStart::practiceSubject2()
{
    openChapterBrowser(2);
}

void TFrmStart::practiceSubject3()
{
    openChapterBrowser(3);
}

void TFrmStart::practiceSubject4()
{
    openChapterBrowser(4);
}

void TFrmStart::practiceSubject5()
{
    openChapterBrowser(5);
}

void TFrmStart::openChapterBrowser(int subject)
{
    m_ctx.BrowserSubject = subject;
    runWindow([this] { return FeatureWindows::chapterBrowser(m_ctx, this); });
}

void TFrmStart::openStudyPlan()
{
    runWindow([this] { return FeatureWindows::studyPlan(m_ctx, this); });
}

void TFrmStart::openExamSettings()
{
    runWindow([this] { return FeatureWindows::examSettings(m_ctx, this); });
}

void TFrmStart::openStudyLog()
{
    runWindow([this] { return FeatureWindows::studyLog(m_ctx, this); });
}

void TFrmStart::openChart()
{
    // Tfrmchart arrives with the statistics chart.
}

void TFrmStart::openUpgrade()
{
    // Tfrmstxz arrives with the question-bank upgrade.
}

void TFrmStart::openMusicSettings()
{
    m_ctx.SettingsMode = 0;
    runWindow([this] { return FeatureWindows::systemSettings(m_ctx, this); });
}

void TFrmStart::openAnswerTimeSettings()
{
    m_ctx.SettingsMode = 1;
    runWindow([this] { return FeatureWindows::systemSettings(m_ctx, this); });
}

void TFrmStart::openRegulations()
{
    openPage(u"htm/法规汇编.htm"_s);
}

void TFrmStart::openContacts()
{
    openPage(u"htm/发行站及专业书店联系方式.htm"_s);
}

void TFrmStart::openPastExams()
{
    openPage(u"htm/lnst.htm"_s);
}

void TFrmStart::openHelp()
{
    // The help is shipped as HTML pages.
    openPage(u"htm/help.htm"_s);
}

void TFrmStart::openAbout()
{
    runWindow([this] { return std::make_unique<TFrmAbout>(m_ctx, this); });
}

void TFrmStart::openPaperList()
{
    // TFrmCheck arrives with the paper list.
}

void TFrmStart::mockExam1()
{
    mnks(1);
}

void TFrmStart::mockExam2()
{
    mnks(2);
}

void TFrmStart::mockExam3()
{
    mnks(3);
}

void TFrmStart::mockExam4()
{
    mnks(4);
}

void TFrmStart::mockExam5()
{
    mnks(5);
}

void TFrmStart::mnks(int subject)
{
    // Paper generation and the exam window (TFrmExam) arrive with the mock exam; the
    // subject is set again when that window returns, since the exam may switch it.
    m_ctx.CurrentSubject = subject;
}

void TFrmStart::quit()
{
    const auto plan = sqlGuarded([&] {
        auto& read = m_ctx.dm.prepared(u"SELECT coalesce(PlanMark, 0), coalesce(PlanAmount, 0),"
                                       u" coalesce(PlanTime, 0) FROM tab_plan ORDER BY rowid LIMIT 1"_s);
        std::array<int, 3> values{0, 0, 0};
        if (read.executeStep()) {
            for (int i = 0; i < 3; ++i)
                values[i] = read.getColumn(i).getInt();
        }
        read.reset();
        return values;
    });
    std::pair<qint64, qint64> today{0, 0}; // answers recorded, whole minutes studied
    if (const auto day = StudyLogTable(m_ctx.dm).day(m_ctx.dm.todayText()))
        today = {day->A2.toLongLong(), CodeSchemes::ParseDuration(day->D1) / 60};
    const int planMark = plan[0];
    qint64 reached = 0;
    qint64 planned = 0;
    if (planMark == 0) {
        reached = today.first;
        planned = plan[1];
    } else if (planMark == 1) {
        reached = today.second;
        planned = plan[2];
    } else {
        return;
    }
    Prompts& prompts = m_ctx.services.prompts;
    bool leave = false;
    if (reached < planned)
        leave = prompts.systemMessage(Prompts::Icon::Question, u"提示"_s,
                                      u"还未完成今日学习计划，要退出吗？"_s, Prompts::Buttons::OkCancel);
    else if (reached == planned)
        leave = prompts.systemMessage(Prompts::Icon::Information, u"提示"_s, u"恭喜完成今日学习计划！"_s,
                                      Prompts::Buttons::Ok);
    else
        leave = prompts.systemMessage(Prompts::Icon::Information, u"提示"_s,
                                      u"超额完成学习计划，要注意休息呦！"_s, Prompts::Buttons::Ok);
    if (leave)
        close();
}

// Background music

void TFrmStart::PlayTune(const QString& path, bool on)
{
    SoundDevice& sound = m_ctx.services.sound;
    if (!sound.hasOutput()) {
        m_ctx.services.prompts.MessageDialog(u"提示"_s, u"没发现声卡！"_s, 1, 1, u"NO"_s);
        return;
    }
    if (!on) {
        sound.stop();
        return;
    }
    sound.stop();
    QString reason;
    if (!sound.play(path, &reason))
        m_ctx.services.prompts.MessageDialog(u"提示"_s, u"无法播放背景音乐！"_s, 1, 1, u"NO"_s);
}

void TFrmStart::SetVolumeLevel(int level)
{
    m_ctx.services.sound.setGain(gainOfVolume(volumeValueOf(level)));
}

void TFrmStart::openSystemSettings(QWidget* owner)
{
    m_ctx.SettingsMode = 0;
    const std::unique_ptr<QDialog> window = FeatureWindows::systemSettings(m_ctx, owner ? owner : this);
    if (window)
        m_ctx.services.windows.run(*window);
}

int TFrmStart::openQuestionEntry(QWidget* owner, const QString& caption, const QString& chapterCode)
{
    const std::unique_ptr<TFrmInPut> window =
        FeatureWindows::questionEntry(m_ctx, owner ? owner : this, caption, chapterCode);
    m_ctx.services.windows.run(*window);
    return window->savedCount();
}

bool TFrmStart::openQuestionEditing(QWidget* owner, QuestionRecord& question)
{
    const std::unique_ptr<TfrmTedit> window =
        FeatureWindows::questionEditing(m_ctx, owner ? owner : this, question);
    return m_ctx.services.windows.run(*window) == QDialog::Accepted;
}
