#include "TFrmStart.h"

#include "FeatureWindows.h"
#include "MenuPlayer.h"
#include "authoring/TFrmInPut.h"
#include "authoring/TfrmTedit.h"
#include "exam/MockExam.h"
#include "platform/ModalRunner.h"
#include "platform/Prompts.h"
#include "platform/ScreenInfo.h"
#include "platform/Shell.h"
#include "store/AutoBackup.h"
#include "store/CodeSchemes.h"
#include "store/StoreError.h"
#include "store/StudyLogTable.h"
#include "store/StudyPlanVerdict.h"
#include "store/TDM1.h"
#include "store/TypeTable.h"
#include "study/TFrmConfig.h"
#include "ui/AppContext.h"
#include "ui/BusyCursor.h"
#include "ui/ErrorPrompt.h"
#include "ui/GuardedSlot.h"

#include <QApplication>
#include <QCloseEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qint64 SecondsPerDay = 86400;

// The catalogue, the chart, the upgrade and the paper list arrive with their features.
void arrivesWithItsFeature(TFrmStart&) {}

} // namespace

TFrmStart::TFrmStart(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_ctx(ctx),
      m_music(ctx.services.sound, ctx.services.prompts)
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
    const auto browser = [](int subject) {
        return [subject](TFrmStart& w) {
            w.openChapterBrowser(subject);
        };
    };
    const auto settings = [](int mode) {
        return [mode](TFrmStart& w) {
            w.openSettings(mode);
        };
    };
    const auto exam = [](int subject) {
        return [subject](TFrmStart& w) {
            w.mnks(subject);
        };
    };
    const auto window = [](auto factory) {
        return [factory](TFrmStart& w) {
            w.runWindow(factory);
        };
    };
    const auto page = [](const QString& path) {
        return [path](TFrmStart& w) {
            w.openPage(path);
        };
    };
    static const QVector<Command> table = {
        {u"ksdg"_s, Busy::Yes, window(&FeatureWindows::catalogue)},
        {u"zsd"_s, Busy::Yes, window(&FeatureWindows::catalogue)},
        {u"lx"_s, Busy::Yes, browser(1)},
        {u"lx2"_s, Busy::Yes, browser(2)},
        {u"lx3"_s, Busy::Yes, browser(3)},
        {u"lx4"_s, Busy::Yes, browser(4)},
        {u"lx5"_s, Busy::Yes, browser(5)},
        {u"szjh"_s, Busy::Yes, window(&FeatureWindows::studyPlan)},
        {u"szks"_s, Busy::Yes, window(&FeatureWindows::examSettings)},
        {u"rz"_s, Busy::UntilCreated, window(&FeatureWindows::studyLog)},
        {u"tj"_s, Busy::Yes, window(&FeatureWindows::chart)},
        {u"sj"_s, Busy::No, arrivesWithItsFeature},
        {u"music"_s, Busy::No, settings(0)},
        {u"sztime"_s, Busy::No, settings(1)},
        {u"fg"_s, Busy::No, page(u"htm/法规汇编.htm"_s)},
        {u"lxfs"_s, Busy::No, page(u"htm/发行站及专业书店联系方式.htm"_s)},
        // The help is shipped as HTML pages.
        {u"help"_s, Busy::No, page(u"htm/help.htm"_s)},
        {u"about"_s, Busy::No, window(&FeatureWindows::about)},
        {u"quit"_s, Busy::No, &TFrmStart::quit},
        {u"cj"_s, Busy::Yes, window(&FeatureWindows::paperList)},
        {u"mnks"_s, Busy::No, exam(1)},
        {u"mnks2"_s, Busy::No, exam(2)},
        {u"mnks3"_s, Busy::No, exam(3)},
        {u"mnks4"_s, Busy::No, exam(4)},
        {u"mnks5"_s, Busy::No, exam(5)},
        // The past-exams page, reached from the menu by a word of our own.
        {u"lnst"_s, Busy::No, page(u"htm/lnst.htm"_s)},
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
        ErrorPrompt::show(m_ctx.services.prompts, e);
        return false;
    }
}

void TFrmStart::loadAnswerTimeTable()
{
    GuardedSlot::run(m_ctx.services.prompts, [&] {
        const QVector<TypeTable::Row> rows = TypeTable(m_ctx.dm, m_ctx.currentSubjectInUse()).rows();
        if (!rows.isEmpty())
            m_ctx.fillAnswerTimeTable(rows);
    });
}

void TFrmStart::startMenu()
{
    QString error;
    if (!m_menu->loadMovie(m_ctx.dm.ProgramFolder() + u"pic/menu.json"_s, &error)) {
        // Without its menu the program cannot be used.
        ErrorPrompt::show(m_ctx.services.prompts, error);
        Q_EMIT terminateRequested();
        return;
    }
    m_menu->play();
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
    // A backup that fails is told, and closing goes on: the bank is as it was.
    if (m_ctx.dm.successFlag() != 0) {
        if (const BackupResult backup = m_ctx.dm.autoBackup().atClose(); !backup.ok())
            ErrorPrompt::show(m_ctx.services.prompts, backup.error);
    }
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
    GuardedSlot::run(m_ctx.services.prompts, [&] { dispatch(command); });
}

void TFrmStart::dispatch(const QString& command)
{
    const QVector<Command>& table = commandTable();
    const auto found = std::find_if(table.cbegin(), table.cend(),
                                    [&](const Command& entry) { return entry.word == command; });
    if (found == table.cend())
        return;
    m_currentBusy = found->busy;
    found->action(*this);
}

void TFrmStart::runWindow(const std::function<std::unique_ptr<QDialog>(AppContext&, QWidget*)>& create)
{
    std::optional<BusyCursor> cursor;
    if (m_currentBusy != Busy::No)
        cursor.emplace();
    const std::unique_ptr<QDialog> window = create(m_ctx, this);
    if (!window)
        return;
    // The user works in the window with the normal cursor; its own busy steps show theirs.
    if (m_currentBusy == Busy::UntilCreated)
        cursor->restore();
    else if (cursor)
        cursor->restoreWhenShown(*window);
    m_ctx.services.windows.run(*window);
}

void TFrmStart::openPage(const QString& relativePath)
{
    m_ctx.services.shell.open(m_ctx.dm.ProgramFolder() + relativePath);
}

void TFrmStart::openChapterBrowser(int subject)
{
    m_ctx.BrowserSubject = subject;
    runWindow(&FeatureWindows::chapterBrowser);
}

void TFrmStart::openSettings(int mode)
{
    m_ctx.SettingsMode = mode;
    runWindow(&FeatureWindows::systemSettings);
}

void TFrmStart::mnks(int subject)
{
    MockExam::mnks(m_ctx, this, subject);
}

void TFrmStart::quit()
{
    const StudyPlanVerdict verdict = todaysStudyPlanVerdict(m_ctx.dm);
    if (verdict == StudyPlanVerdict::NoPlan)
        return;
    Prompts& prompts = m_ctx.services.prompts;
    bool leave = false;
    if (verdict == StudyPlanVerdict::Behind)
        leave = prompts.systemMessage(Prompts::Icon::Question, u"提示"_s,
                                      u"还未完成今日学习计划，要退出吗？"_s, Prompts::Buttons::OkCancel);
    else if (verdict == StudyPlanVerdict::Reached)
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
    m_music.PlayTune(path, on);
}

void TFrmStart::SetVolumeLevel(int level)
{
    m_music.SetVolumeLevel(level);
}

void TFrmStart::openSystemSettings(QWidget* owner)
{
    TFrmConfig::openMusicSettings(m_ctx, owner ? owner : this);
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
