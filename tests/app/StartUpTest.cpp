#include "AppTestFolder.h"
#include "BankFixture.h"
#include "FakeClock.h"
#include "FakeModalRunner.h"
#include "FakePrompts.h"
#include "FakeServices.h"

#include "app/MenuPlayer.h"
#include "app/StartUp.h"
#include "app/TFrmDlg.h"
#include "app/TFrmProgress.h"
#include "app/TFrmStart.h"
#include "store/AutoBackup.h"
#include "store/TDM1.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct StartUpRig
{
    BankFixture bank;
    QTemporaryDir noBank;
    QTemporaryDir dataHome;
    FakeSingleInstance singleInstance;
    FakeMenuPlayerCheck menuPlayer;
    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    FakeShell shell;
    FakeScreen screen;
    FakeModalRunner windows;
    FakePrompts prompts;
    bool bankReachable = true;
    int dataModulesMade = 0;

    StartUpRig() { installMenu(bank.programFolder()); }

    std::unique_ptr<StartUp> make(bool ownPrompts = false)
    {
        StartUpServices services{singleInstance, menuPlayer, clock, random, sound, shell, screen, windows};
        if (!ownPrompts)
            services.prompts = &prompts;
        const QString programFolder = bankReachable ? bank.programFolder() : noBank.path();
        return std::make_unique<StartUp>(
            services, BankLocation(programFolder, dataHome.path()),
            [this, programFolder](const QString& bankPath, const Clock& bankClock) {
                ++dataModulesMade;
                return std::make_unique<TDM1>(programFolder, bankPath, bankClock);
            });
    }
};

struct FailedCheck
{
    const char* name;
    std::function<void(StartUpRig&)> arrange;
    int exitCode;
    bool messageShown;
    Prompts::Icon icon;
    QString caption;
    QString text;
    int dataModulesMade;
};

void PrintTo(const FailedCheck& check, std::ostream* out)
{
    *out << check.name;
}

class StartUpChecks : public ::testing::TestWithParam<FailedCheck>
{
};

TEST_P(StartUpChecks, EndStartUpWithTheirOneMessage)
{
    const FailedCheck& check = GetParam();
    StartUpRig rig;
    check.arrange(rig);
    auto startUp = rig.make();

    EXPECT_FALSE(startUp->prepare());
    EXPECT_EQ(startUp->exitCode(), check.exitCode);
    if (check.messageShown) {
        ASSERT_EQ(rig.prompts.messages.size(), 1);
        const FakePrompts::Message& message = rig.prompts.last();
        EXPECT_TRUE(message.system);
        EXPECT_EQ(message.icon, check.icon);
        EXPECT_EQ(message.title, check.caption);
        EXPECT_EQ(message.text.section(u'\n', 0, 0), check.text);
        EXPECT_EQ(message.buttons, Prompts::Buttons::Ok);
    } else {
        EXPECT_TRUE(rig.prompts.messages.isEmpty());
    }
    EXPECT_EQ(rig.dataModulesMade, check.dataModulesMade);
    // Nothing else opens: no main window, no shared windows, no feature window.
    EXPECT_EQ(startUp->mainWindow(), nullptr);
    EXPECT_EQ(startUp->progressWindow(), nullptr);
    EXPECT_EQ(startUp->messageDialog(), nullptr);
    EXPECT_TRUE(rig.windows.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    EachCheck, StartUpChecks,
    ::testing::Values(FailedCheck{"EarlierInstance",
                                  [](StartUpRig& r) { r.singleInstance.earlier = true; },
                                  StartUp::Finished,
                                  false,
                                  Prompts::Icon::Information,
                                  {},
                                  {},
                                  0},
                      FailedCheck{"NoMenuPlayer", [](StartUpRig& r) { r.menuPlayer.isAvailable = false; },
                                  StartUp::CheckFailed, true, Prompts::Icon::Warning, u"提示"_s,
                                  u"请安装Flash6插件文件！"_s, 0},
                      FailedCheck{"NoDatabase",
                                  [](StartUpRig& r) {
                                      r.bankReachable = false;
                                      QDir(r.noBank.path()).mkpath(u"data"_s);
                                  },
                                  StartUp::CheckFailed, true, Prompts::Icon::Critical, u"错误"_s,
                                  u"无法连接数据库！"_s, 1},
                      FailedCheck{"ScreenNotAt96Dpi", [](StartUpRig& r) { r.screen.dpi = 120; },
                                  StartUp::CheckFailed, true, Prompts::Icon::Warning, u"提示"_s,
                                  u"推荐您在小字体下使用本软件，请在设置后重新运行！"_s, 1}),
    [](const auto& p) { return std::string(p.param.name); });

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Garbage over the header, with no journal to repair it: SQLite refuses the file as damaged.
void damage(const QString& bank)
{
    QFile::remove(bank + u"-wal"_s);
    QFile::remove(bank + u"-shm"_s);
    QFile file(bank);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write(QByteArray(100, '\x5a'));
}

TEST(StartUp, ABankThatCannotOpenShowsItsPathAndReasonOnASecondLine)
{
    StartUpRig rig;
    rig.bankReachable = false;
    QDir(rig.noBank.path()).mkpath(u"data"_s);
    auto startUp = rig.make();
    EXPECT_FALSE(startUp->prepare());
    ASSERT_EQ(rig.prompts.messages.size(), 1);
    const QStringList lines = rig.prompts.last().text.split(u'\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], u"无法连接数据库！"_s);
    EXPECT_TRUE(lines[1].contains(QDir::toNativeSeparators(TDM1::bankPathIn(rig.noBank.path()))))
        << lines[1].toStdString();
}

struct DamagedStart
{
    const char* name;
    bool withBackup;
    int answer; // 1 restores, 0 declines
    bool starts;
};

void PrintTo(const DamagedStart& c, std::ostream* out)
{
    *out << c.name;
}

class DamagedBankAtStart : public ::testing::TestWithParam<DamagedStart>
{
};

TEST_P(DamagedBankAtStart, IsRestoredOnlyWithConsentAndNeverLost)
{
    const DamagedStart& c = GetParam();
    StartUpRig rig;
    const QString bank = rig.bank.bankPath();
    if (c.withBackup) {
        TDM1 dm(rig.bank.programFolder(), rig.clock);
        ASSERT_TRUE(dm.autoBackup().atClose().ok());
    }
    damage(bank);
    const QByteArray damaged = bytesOf(bank);
    rig.prompts.answer(c.answer);
    auto startUp = rig.make();

    EXPECT_EQ(startUp->prepare(), c.starts);
    ASSERT_FALSE(rig.prompts.messages.isEmpty());
    EXPECT_TRUE(rig.prompts.messages.first().text.startsWith(u"题库文件已损坏"_s));
    EXPECT_EQ(rig.prompts.messages.first().buttons,
              c.withBackup ? Prompts::Buttons::OkCancel : Prompts::Buttons::Ok);
    if (c.starts) {
        EXPECT_EQ(startUp->context()->dm.successFlag(), 1);
        bool kept = false;
        for (const QString& name : QFileInfo(bank).dir().entryList(QDir::Files))
            kept = kept || (name != QFileInfo(bank).fileName() &&
                            bytesOf(QFileInfo(bank).dir().filePath(name)) == damaged);
        EXPECT_TRUE(kept) << "the damaged file is kept beside the bank";
    } else {
        EXPECT_EQ(rig.dataModulesMade, 0);
        EXPECT_EQ(bytesOf(bank), damaged) << "nothing is touched";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedBankAtStart,
                         ::testing::Values(DamagedStart{"RestoredFromTheNewestBackup", true, 1, true},
                                           DamagedStart{"RestoreDeclined", true, 0, false},
                                           DamagedStart{"NoBackup", false, 1, false}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(StartUp, AnEarlierInstanceIsAskedBeforeAnythingElseAndNotListenedFor)
{
    StartUpRig rig;
    rig.singleInstance.earlier = true;
    rig.menuPlayer.isAvailable = false;
    auto startUp = rig.make();
    EXPECT_FALSE(startUp->prepare());
    EXPECT_EQ(startUp->exitCode(), StartUp::Finished);
    EXPECT_TRUE(rig.prompts.messages.isEmpty());
    EXPECT_FALSE(rig.singleInstance.raise);
}

TEST(StartUp, CreatesTheMainWindowAndTheSharedWindowsHidden)
{
    StartUpRig rig;
    rig.screen.screenSize = QSize(1280, 1024);
    auto startUp = rig.make();

    ASSERT_TRUE(startUp->prepare());
    EXPECT_EQ(QCoreApplication::applicationName(), u"Velmarin"_s);
    ASSERT_NE(startUp->mainWindow(), nullptr);
    ASSERT_NE(startUp->progressWindow(), nullptr);
    ASSERT_NE(startUp->messageDialog(), nullptr);
    EXPECT_FALSE(startUp->progressWindow()->isVisible());
    EXPECT_FALSE(startUp->messageDialog()->isVisible());
    AppContext* ctx = startUp->context();
    ASSERT_NE(ctx, nullptr);
    EXPECT_EQ(ctx->actions, startUp->mainWindow());
    EXPECT_EQ(ctx->LayoutMode, u"1024"_s);
    EXPECT_EQ(startUp->mainWindow()->size(), QSize(1024, 768));
    EXPECT_TRUE(rig.prompts.messages.isEmpty());
    EXPECT_TRUE(bool(rig.singleInstance.raise));
}

TEST(StartUp, ALaterStartRaisesTheMinimisedMainWindow)
{
    StartUpRig rig;
    auto startUp = rig.make();
    ASSERT_TRUE(startUp->prepare());
    TFrmStart* main = startUp->mainWindow();
    main->showMinimized();
    ASSERT_TRUE(main->isMinimized());

    rig.singleInstance.raise();

    EXPECT_FALSE(main->isMinimized());
    EXPECT_TRUE(main->isVisible());
    main->hide();
}

TEST(StartUp, OwnPromptsShowTheSharedMessageDialog)
{
    StartUpRig rig;
    auto startUp = rig.make(true);
    ASSERT_TRUE(startUp->prepare());
    rig.windows.on(u"TFrmDlg"_s, [](QDialog& dialog) { dialog.done(2); });

    EXPECT_EQ(startUp->prompts().MessageDialog(u"提示"_s, u"要退出吗？"_s, Prompts::ButtonSet::OkCancel,
                                               Prompts::Picture::Warning),
              2);
    EXPECT_EQ(rig.windows.shown, QStringList{u"TFrmDlg"_s});
    EXPECT_EQ(startUp->messageDialog()->windowTitle(), u"提示"_s);
}

TEST(StartUp, ADayOfStudyAlreadyLoggedEndsTheProgramOnceItIsShown)
{
    StartUpRig rig;
    rig.bank.logDay(rig.clock.today().toString(Qt::ISODate), 10, 1, 10, 1, u"24:00:05"_s);
    auto startUp = rig.make();
    ASSERT_TRUE(startUp->prepare());

    EXPECT_EQ(startUp->exec(), StartUp::Finished);

    // The show step ran to its end (the menu started), then the window closed and the connection with it.
    EXPECT_FALSE(startUp->mainWindow()->isVisible());
    EXPECT_FALSE(startUp->mainWindow()->menu()->entries().isEmpty());
    EXPECT_EQ(startUp->context()->dm.successFlag(), 0);
    EXPECT_TRUE(rig.prompts.messages.isEmpty());
}

} // namespace
