#include "AppTestFolder.h"
#include "TestContext.h"

#include "app/BackgroundMusic.h"
#include "app/MenuPlayer.h"
#include "app/TFrmStart.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class MainWindow : public ::testing::Test
{
protected:
    TestContext t;
    QString today() const { return t.clock.today().toString(Qt::ISODate); }
    AppContext& open()
    {
        installMenu(t.bank.programFolder());
        return t.open();
    }
};

// Layout mode and window size

struct ScreenCase
{
    QSize screen;
    QString layoutMode;
    QSize window;
};

void PrintTo(const ScreenCase& c, std::ostream* out)
{
    *out << c.screen.width() << "x" << c.screen.height();
}

class LayoutModeOfScreen : public ::testing::TestWithParam<ScreenCase>
{
};

TEST_P(LayoutModeOfScreen, FollowsWidth800OrHeight600)
{
    TestContext t;
    t.screen.screenSize = GetParam().screen;
    AppContext& ctx = t.open();
    TFrmStart window(ctx);
    EXPECT_TRUE(window.screenAccepted());
    EXPECT_EQ(ctx.LayoutMode, GetParam().layoutMode);
    EXPECT_EQ(window.size(), GetParam().window);
    EXPECT_EQ(ctx.isCompactLayout(), GetParam().layoutMode == u"800");
}

INSTANTIATE_TEST_SUITE_P(Screens, LayoutModeOfScreen,
                         ::testing::Values(ScreenCase{{1280, 1024}, u"1024"_s, {1024, 768}},
                                           ScreenCase{{800, 768}, u"800"_s, {800, 600}},
                                           ScreenCase{{1024, 600}, u"800"_s, {800, 600}},
                                           ScreenCase{{800, 600}, u"800"_s, {800, 600}},
                                           ScreenCase{{1024, 768}, u"1024"_s, {1024, 768}},
                                           ScreenCase{{1920, 1080}, u"1024"_s, {1024, 768}}));

TEST_F(MainWindow, AScreenNotAt96DpiIsRefusedWithItsMessage)
{
    t.screen.dpi = 144;
    AppContext& ctx = open();
    TFrmStart window(ctx);
    EXPECT_FALSE(window.screenAccepted());
    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_EQ(t.prompts.last().text, u"推荐您在小字体下使用本软件，请在设置后重新运行！"_s);
    EXPECT_EQ(t.prompts.last().icon, Prompts::Icon::Warning);
}

// The show step

TEST_F(MainWindow, ShowFillsTheScreenSetsTheMusicAndStartsTheMenu)
{
    t.screen.screenSize = QSize(1280, 1024);
    AppContext& ctx = open();
    ctx.MusicOn = 0;
    ctx.VolumeLevel = 3;
    TFrmStart window(ctx);
    window.FormShow();
    EXPECT_EQ(window.size(), QSize(1280, 1024));
    EXPECT_EQ(ctx.MusicOn, 1);
    EXPECT_EQ(ctx.VolumeLevel, 10);
    EXPECT_DOUBLE_EQ(t.sound.gain, 9.0 / 15.0);
    EXPECT_TRUE(t.sound.played.isEmpty()); // no tune until the user asks for one
    EXPECT_EQ(window.menu()->entries().size(), window.menu()->description().commands().size());
    EXPECT_TRUE(t.prompts.messages.isEmpty());
}

TEST_F(MainWindow, ShowLoadsTheAnswerTimesOfTheFirstSubjectInRowOrder)
{
    t.bank.type(1, 65, u"多项选择题"_s, 20, 2, 1.5)
        .type(1, 61, u"单项选择题"_s, 30, 1, 1.0)
        .type(1, 62, u"判断题"_s, 20, 1, 0.35)
        .type(3, 64, u"主观题"_s, 5, 10, 4.0);
    AppContext& ctx = open();
    TFrmStart window(ctx);
    window.FormShow();
    EXPECT_EQ(ctx.CurrentSubject, 1); // 0 is read as 1
    EXPECT_EQ(ctx.AnswerTimeTypes, (QVector<int>{65, 61, 62}));
    EXPECT_EQ(ctx.AnswerTimeIntervals, (QVector<int>{900, 600, 210}));
}

TEST_F(MainWindow, AnEmptyTypeTableLeavesTheAnswerTimesAsTheyWere)
{
    AppContext& ctx = open();
    ctx.CurrentSubject = 4;
    ctx.AnswerTimeTypes = {61};
    ctx.AnswerTimeIntervals = {1234};
    TFrmStart window(ctx);
    window.FormShow();
    EXPECT_EQ(ctx.AnswerTimeTypes, QVector<int>{61});
    EXPECT_EQ(ctx.AnswerTimeIntervals, QVector<int>{1234});
}

TEST_F(MainWindow, AnAnswerTimeIsItsMinutesTimes600Truncated)
{
    AppContext& ctx = open();
    const std::pair<double, int> cases[] = {{1.0, 600}, {0.5, 300}, {1.2345, 740}, {4.1, 2460}};
    ctx.resizeAnswerTimeTable(1);
    for (const auto& [minutes, interval] : cases) {
        ctx.setAnswerTime(0, 61, minutes);
        EXPECT_EQ(ctx.answerTimeInterval(61), interval) << minutes; // 740.7 drops its fraction
    }
}

struct DayCase
{
    const char* name;
    int dayOffset;
    QString logged;
    bool ends;
};

void PrintTo(const DayCase& c, std::ostream* out)
{
    *out << c.name;
}

class TwentyFourHourRule : public ::testing::TestWithParam<DayCase>
{
};

TEST_P(TwentyFourHourRule, EndsTheProgramAfterTheShowStep)
{
    TestContext t;
    installMenu(t.bank.programFolder());
    t.bank.logDay(t.clock.today().addDays(GetParam().dayOffset).toString(Qt::ISODate), 3, 0, 3, 0,
                  GetParam().logged);
    AppContext& ctx = t.open();
    TFrmStart window(ctx);
    QSignalSpy ending(&window, &TFrmStart::terminateRequested);
    window.FormShow();
    EXPECT_EQ(ending.count(), GetParam().ends ? 1 : 0);
    // The rest of the step runs either way.
    EXPECT_EQ(ctx.VolumeLevel, 10);
    EXPECT_FALSE(window.menu()->entries().isEmpty());
    EXPECT_TRUE(t.prompts.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(LoggedToday, TwentyFourHourRule,
                         ::testing::Values(DayCase{"JustUnder", 0, u"23:59:59"_s, false},
                                           DayCase{"Exactly", 0, u"24:00:00"_s, true},
                                           DayCase{"Beyond", 0, u"30:15:00"_s, true},
                                           DayCase{"NoTime", 0, QString(), false},
                                           DayCase{"Yesterday", -1, u"30:00:00"_s, false}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(MainWindow, AMissingMenuIsAnErrorThatEndsTheProgram)
{
    AppContext& ctx = t.open(); // no pic/menu.json
    TFrmStart window(ctx);
    QSignalSpy ending(&window, &TFrmStart::terminateRequested);
    window.FormShow();
    EXPECT_EQ(ending.count(), 1);
    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_EQ(t.prompts.last().title, u"错误"_s);
    EXPECT_EQ(t.prompts.last().buttonSet, Prompts::ButtonSet::Ok);
    EXPECT_EQ(t.prompts.last().page, Prompts::Picture::Error);
}

TEST_F(MainWindow, ClosingClosesTheConnection)
{
    AppContext& ctx = open();
    TFrmStart window(ctx);
    QSignalSpy closed(&window, &TFrmStart::closed);
    window.close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(ctx.dm.successFlag(), 0);
}

TEST_F(MainWindow, GivesBackTheActionsItReplacedWhenItGoes)
{
    AppContext& ctx = open();
    {
        TFrmStart window(ctx);
        EXPECT_EQ(ctx.actions, &window);
    }
    EXPECT_EQ(ctx.actions, &t.actions);
}

// Background music

struct VolumeCase
{
    int level;
    quint32 value;
    double gain;
};

void PrintTo(const VolumeCase& c, std::ostream* out)
{
    *out << "level " << c.level;
}

class VolumeLevels : public ::testing::TestWithParam<VolumeCase>
{
};

TEST_P(VolumeLevels, AreClampedAndBecomeTheSynthGain)
{
    TestContext t;
    AppContext& ctx = t.open();
    TFrmStart window(ctx);
    window.SetVolumeLevel(GetParam().level);
    EXPECT_EQ(BackgroundMusic::volumeValueOf(GetParam().level), GetParam().value);
    EXPECT_DOUBLE_EQ(t.sound.gain, GetParam().gain);
}

INSTANTIATE_TEST_SUITE_P(Levels, VolumeLevels,
                         ::testing::Values(VolumeCase{-5, 0u, 0.0}, VolumeCase{0, 0u, 0.0},
                                           VolumeCase{1, 0u, 0.0}, VolumeCase{2, 0x11111111u, 1.0 / 15.0},
                                           VolumeCase{10, 0x99999999u, 9.0 / 15.0},
                                           VolumeCase{16, 0xFFFFFFFFu, 1.0},
                                           VolumeCase{20, 0xFFFFFFFFu, 1.0}));

TEST_F(MainWindow, PlayTunePlaysTheFileOnceOrStopsIt)
{
    AppContext& ctx = open();
    TFrmStart window(ctx);
    window.PlayTune(u"/x/sound/乐曲02.mid"_s, true);
    EXPECT_EQ(t.sound.played, QStringList{u"/x/sound/乐曲02.mid"_s});
    EXPECT_TRUE(t.sound.playing);
    window.PlayTune(u"/x/sound/乐曲02.mid"_s, false);
    EXPECT_FALSE(t.sound.playing);
    EXPECT_EQ(t.sound.played.size(), 1);
    EXPECT_TRUE(t.prompts.messages.isEmpty());
}

struct TuneFailure
{
    const char* name;
    bool output;
    bool playable;
    bool on;
    QString text;
};

void PrintTo(const TuneFailure& c, std::ostream* out)
{
    *out << c.name;
}

class PlayTuneFailures : public ::testing::TestWithParam<TuneFailure>
{
};

TEST_P(PlayTuneFailures, ShowTheirNoticeAndTheProgramGoesOn)
{
    TestContext t;
    AppContext& ctx = t.open();
    t.sound.output = GetParam().output;
    t.sound.playable = GetParam().playable;
    TFrmStart window(ctx);
    window.PlayTune(u"/x/sound/乐曲01.mid"_s, GetParam().on);
    ASSERT_EQ(t.prompts.messages.size(), 1);
    const FakePrompts::Message& m = t.prompts.last();
    EXPECT_FALSE(m.system);
    EXPECT_EQ(m.title, u"提示"_s);
    EXPECT_EQ(m.text, GetParam().text);
    EXPECT_EQ(m.buttonSet, Prompts::ButtonSet::Ok);
    EXPECT_EQ(m.page, Prompts::Picture::Warning);
    EXPECT_EQ(m.variant, Prompts::Variant::Plain);
    EXPECT_TRUE(t.sound.played.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, PlayTuneFailures,
                         ::testing::Values(TuneFailure{"NoOutputOn", false, true, true, u"没发现声卡！"_s},
                                           TuneFailure{"NoOutputOff", false, true, false, u"没发现声卡！"_s},
                                           TuneFailure{"Unplayable", true, false, true,
                                                       u"无法播放背景音乐！"_s}),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
