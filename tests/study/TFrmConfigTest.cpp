#include "TestContext.h"

#include "store/AutoBackup.h"
#include "study/TFrmConfig.h"
#include "study/ToggleSwitch.h"

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Three types of subject 1, and subject 3 with types of its own.
struct ConfigContext : TestContext
{
    ConfigContext()
    {
        bank.type(1, 61, u"单选题 "_s, 30, 1, 1)
            .type(1, 65, u"多选题"_s, 20, 2, 2)
            .type(1, 66, u"不定项"_s, 10, 2, 3);
        bank.type(3, 80, u"简答题"_s, 5, 10, 5).type(3, 81, u"计算题"_s, 2, 15, 8);
    }
    AppContext& open(int settingsMode, int subject = 0)
    {
        AppContext& ctx = TestContext::open();
        ctx.SettingsMode = settingsMode;
        ctx.CurrentSubject = subject;
        return ctx;
    }
    QString tune(const QString& name) const { return bank.programFolder() + u"sound/"_s + name + u".mid"_s; }
};

QDoubleSpinBox* timeBox(TFrmConfig& window, int line)
{
    return window.findChild<QDoubleSpinBox*>(u"Currencyedit%1"_s.arg(line));
}

ToggleSwitch* musicSwitch(TFrmConfig& window)
{
    return window.findChild<ToggleSwitch*>(u"RxSwitch1"_s);
}

QComboBox* tuneList(TFrmConfig& window)
{
    return window.findChild<QComboBox*>(u"FlatComboBox1"_s);
}

} // namespace

TEST(TFrmConfigTest, AnswerTimesAreSavedAndBecomeTheTimerIntervalsOnClose)
{
    ConfigContext t;
    AppContext& ctx = t.open(1);
    TFrmConfig window(ctx);
    window.applyAnswerTimeLayout();
    window.show();

    ASSERT_TRUE(timeBox(window, 3));
    EXPECT_FALSE(timeBox(window, 4));
    EXPECT_EQ(timeBox(window, 1)->value(), 1.0);
    EXPECT_EQ(window.findChild<QLabel*>(u"TypeName1"_s)->text(), u"单选题"_s);
    timeBox(window, 1)->setValue(1.5);
    timeBox(window, 2)->setValue(0.1);
    timeBox(window, 3)->setValue(30);
    QTest::mouseClick(window.findChild<QPushButton*>(u"epFocusButton3"_s), Qt::LeftButton);

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ctx.AnswerTimeTypes, (QVector<int>{61, 65, 66}));
    EXPECT_EQ(ctx.AnswerTimeIntervals, (QVector<int>{900, 60, 18000}));
    EXPECT_EQ(t.bank.text(u"SELECT group_concat(time, ' ') FROM (SELECT time FROM tab_tx1 ORDER BY rowid)"_s),
              u"1.5 0.1 30"_s);
    EXPECT_TRUE(t.prompts.messages.isEmpty());
}

TEST(TFrmConfigTest, AnswerTimesStayWithinTheirRangeWithOneDecimal)
{
    ConfigContext t;
    AppContext& ctx = t.open(1);
    TFrmConfig window(ctx);
    QDoubleSpinBox* box = timeBox(window, 1);
    EXPECT_EQ(box->decimals(), 1);
    box->setValue(45);
    EXPECT_EQ(box->value(), 30.0);
    box->setValue(0);
    EXPECT_EQ(box->value(), 0.1);
    EXPECT_EQ(box->text(), u"0.1"_s);
}

TEST(TFrmConfigTest, EditsTheTypesOfTheCurrentSubjectAndLeavesTheModuleBoundToThem)
{
    ConfigContext t;
    AppContext& ctx = t.open(1, 3);
    ctx.AnswerTimeTypes = {61, 65, 66};
    ctx.AnswerTimeIntervals = {600, 1200, 1800};
    {
        TFrmConfig window(ctx);
        window.applyAnswerTimeLayout();
        window.show();
        EXPECT_EQ(ctx.dm.typeTable(), u"tab_tx3"_s);
        ASSERT_TRUE(timeBox(window, 2));
        EXPECT_FALSE(timeBox(window, 3));
        timeBox(window, 2)->setValue(2.5);
        window.close();
    }
    EXPECT_EQ(ctx.AnswerTimeTypes, (QVector<int>{80, 81}));
    EXPECT_EQ(ctx.AnswerTimeIntervals, (QVector<int>{3000, 1500}));
    EXPECT_EQ(t.bank.text(u"SELECT time FROM tab_tx3 WHERE A1 = 81"_s), u"2.5"_s);
    EXPECT_EQ(t.bank.text(u"SELECT group_concat(time, ' ') FROM tab_tx1"_s), u"1 2 3"_s);
    EXPECT_EQ(ctx.dm.typeTable(), u"tab_tx3"_s);
}

TEST(TFrmConfigTest, SubjectZeroIsReadAsOneInEitherMode)
{
    for (int mode : {0, 1}) {
        ConfigContext t;
        AppContext& ctx = t.open(mode, 0);
        TFrmConfig window(ctx);
        EXPECT_EQ(ctx.CurrentSubject, 1) << mode;
    }
}

TEST(TFrmConfigTest, AFailedSaveKeepsTheLinesSavedBeforeIt)
{
    ConfigContext t;
    t.bank.exec(u"CREATE TRIGGER tx1_read_only BEFORE UPDATE ON tab_tx1 WHEN NEW.A1 = 65"
                u" BEGIN SELECT RAISE(ABORT, 'read-only'); END"_s);
    AppContext& ctx = t.open(1);
    TFrmConfig window(ctx);
    timeBox(window, 1)->setValue(1.5);
    timeBox(window, 2)->setValue(4);
    timeBox(window, 3)->setValue(6);
    window.show();

    window.close();

    ASSERT_EQ(t.prompts.messages.size(), 1);
    const FakePrompts::Message& message = t.prompts.last();
    EXPECT_FALSE(message.system);
    EXPECT_EQ(message.title, u"错误"_s);
    EXPECT_EQ(message.text, u"保存设置失败！"_s);
    EXPECT_EQ(message.buttonSet, Prompts::ButtonSet::Ok);
    EXPECT_EQ(message.page, Prompts::Picture::Error);
    EXPECT_EQ(message.variant, Prompts::Variant::Plain);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(t.bank.text(u"SELECT group_concat(time, ' ') FROM (SELECT time FROM tab_tx1 ORDER BY rowid)"_s),
              u"1.5 2 3"_s);
    ASSERT_EQ(ctx.AnswerTimeTypes.size(), 3);
    EXPECT_EQ(ctx.AnswerTimeTypes[0], 61);
    EXPECT_EQ(ctx.AnswerTimeIntervals[0], 900);
}

TEST(TFrmConfigTest, MusicModeClosesWithoutTouchingTheAnswerTimes)
{
    ConfigContext t;
    AppContext& ctx = t.open(0);
    ctx.AnswerTimeTypes = {61};
    ctx.AnswerTimeIntervals = {600};
    TFrmConfig window(ctx);
    EXPECT_FALSE(timeBox(window, 1));
    window.show();
    window.close();
    EXPECT_EQ(ctx.AnswerTimeIntervals, QVector<int>{600});
    EXPECT_EQ(t.bank.text(u"SELECT group_concat(time, ' ') FROM tab_tx1"_s), u"1 2 3"_s);
}

TEST(TFrmConfigTest, OpensWithMusicOnAndNoTuneChosenWithoutPlaying)
{
    ConfigContext t;
    AppContext& ctx = t.open(0);
    TFrmConfig window(ctx);
    EXPECT_TRUE(musicSwitch(window)->isChecked());
    EXPECT_EQ(tuneList(window)->currentIndex(), -1);
    QStringList tunes;
    for (int i = 0; i < tuneList(window)->count(); ++i)
        tunes.append(tuneList(window)->itemText(i));
    EXPECT_EQ(tunes,
              (QStringList{u"乐曲01"_s, u"乐曲02"_s, u"乐曲03"_s, u"乐曲04"_s, u"乐曲05"_s, u"乐曲06"_s}));
    EXPECT_TRUE(t.actions.tunes.isEmpty());
}

TEST(TFrmConfigTest, ATuneChosenWithMusicOffPlaysWhenMusicIsSwitchedOn)
{
    ConfigContext t;
    AppContext& ctx = t.open(0);
    TFrmConfig window(ctx);
    window.show();

    QTest::mouseClick(musicSwitch(window), Qt::LeftButton);
    EXPECT_EQ(ctx.MusicOn, 0);
    tuneList(window)->setCurrentIndex(2);
    EXPECT_EQ(ctx.TuneFile, t.tune(u"乐曲03"_s));
    EXPECT_EQ(t.actions.tunes.last(), u"off "_s + t.tune(u"乐曲03"_s));

    QTest::mouseClick(musicSwitch(window), Qt::LeftButton);
    EXPECT_EQ(ctx.MusicOn, 1);
    EXPECT_EQ(t.actions.tunes.last(), u"on "_s + t.tune(u"乐曲03"_s));
    EXPECT_FALSE(t.actions.tunes.filter(u"on "_s).size() > 1);
}

TEST(TFrmConfigTest, ATuneChosenWithMusicOnStartsAtOnce)
{
    ConfigContext t;
    AppContext& ctx = t.open(0);
    TFrmConfig window(ctx);
    tuneList(window)->setCurrentIndex(4);
    EXPECT_EQ(t.actions.tunes, QStringList{u"on "_s + t.tune(u"乐曲05"_s)});
}

TEST(TFrmConfigTest, SwitchingMusicOnWithoutATunePlaysTheFirstTune)
{
    ConfigContext t;
    AppContext& ctx = t.open(0);
    TFrmConfig window(ctx);
    window.show();
    musicSwitch(window)->setFocus();
    QTest::keyClick(musicSwitch(window), Qt::Key_Space);
    QTest::keyClick(musicSwitch(window), Qt::Key_Space);
    EXPECT_EQ(ctx.MusicOn, 1);
    EXPECT_EQ(ctx.TuneFile, t.tune(u"乐曲01"_s));
    EXPECT_EQ(t.actions.tunes.last(), u"on "_s + t.tune(u"乐曲01"_s));
}

TEST(TFrmConfigTest, EachFaceShowsOnlyItsPartAndNothingLiesOutsideTheWindow)
{
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        ConfigContext t;
        AppContext& ctx = t.open(mode);
        TFrmConfig window(ctx);
        if (mode == 1)
            window.applyAnswerTimeLayout();
        window.show();

        EXPECT_EQ(window.height(), TFrmConfig::scaled(mode == 1 ? 170 : 100));
        EXPECT_EQ(musicSwitch(window)->isVisible(), mode == 0);
        EXPECT_EQ(tuneList(window)->isVisible(), mode == 0);
        EXPECT_EQ(window.findChild<QScrollArea*>(u"ScrollBox1"_s)->isVisible(), mode == 1);
        for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible()) {
                EXPECT_TRUE(window.rect().contains(child->geometry())) << qPrintable(child->objectName());
            }
        }
        const QWidget* close = window.findChild<QPushButton*>(u"epFocusButton3"_s);
        EXPECT_TRUE(close->isVisible());
        if (mode == 1) {
            EXPECT_GT(close->y(), window.findChild<QScrollArea*>(u"ScrollBox1"_s)->geometry().bottom());
        }
    }
}

TEST(TFrmConfigTest, OpenMusicSettingsRunsTheMusicFace)
{
    ConfigContext t;
    AppContext& ctx = t.open(1);
    bool musicMode = false;
    t.windows.on(u"TFrmConfig"_s, [&](QDialog& dialog) {
        musicMode = !static_cast<TFrmConfig&>(dialog).isAnswerTimeMode();
        dialog.reject();
    });
    TFrmConfig::openMusicSettings(ctx, nullptr);
    EXPECT_EQ(t.windows.shown, QStringList{u"TFrmConfig"_s});
    EXPECT_TRUE(musicMode);
    EXPECT_EQ(ctx.SettingsMode, 0);
}

TEST(TFrmConfigTest, ATypeTableThatCannotBeReadIsReportedAndLeavesTheTimesAlone)
{
    ConfigContext t;
    t.bank.exec(u"DROP TABLE tab_tx1"_s);
    AppContext& ctx = t.open(1);
    ctx.AnswerTimeTypes = {61};
    ctx.AnswerTimeIntervals = {900};
    TFrmConfig window(ctx);
    window.show();
    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_EQ(t.prompts.last().title, u"错误"_s);

    window.close();
    EXPECT_EQ(t.prompts.messages.size(), 1);
    EXPECT_EQ(ctx.AnswerTimeIntervals, QVector<int>{900});
}

TEST(TFrmConfigTest, TheAnswerTimeLayoutLeavesTheMusicFaceAlone)
{
    ConfigContext t;
    AppContext& ctx = t.open(0);
    TFrmConfig window(ctx);
    window.applyAnswerTimeLayout();
    window.show();
    EXPECT_TRUE(musicSwitch(window)->isVisible());
    EXPECT_TRUE(window.rect().contains(window.findChild<QPushButton*>(u"epFocusButton3"_s)->geometry()));
}

TEST(TFrmConfigTest, ARestoredBackupReplacesTheBankOnlyAfterTheConfirmationNamingIt)
{
    for (const bool confirmed : {true, false}) {
        SCOPED_TRACE(confirmed ? "confirmed" : "cancelled");
        ConfigContext t;
        AppContext& ctx = t.open(0);
        ASSERT_EQ(ctx.dm.TotalPaperScore(), 90);
        ASSERT_TRUE(ctx.dm.autoBackup().atClose().ok());
        t.bank.exec(u"UPDATE tab_tx1 SET B2 = 0"_s);
        ASSERT_EQ(ctx.dm.TotalPaperScore(), 0);
        const BackupFile backup = ctx.dm.autoBackup().backups().list().first();
        t.windows.on(u"TFrmBackups"_s, [](QDialog& picker) { picker.accept(); });
        t.prompts.answer(confirmed ? 1 : 2);
        TFrmConfig window(ctx);

        QTest::mouseClick(window.findChild<QPushButton*>(u"restoreBackupButton"_s), Qt::LeftButton);

        ASSERT_GE(t.prompts.messages.size(), 1);
        EXPECT_TRUE(t.prompts.messages.first().text.contains(backup.takenText()));
        EXPECT_TRUE(t.prompts.messages.first().text.contains(ctx.dm.bankPath()));
        EXPECT_EQ(ctx.dm.successFlag(), 1);
        EXPECT_EQ(ctx.dm.TotalPaperScore(), confirmed ? 90 : 0);
        if (confirmed) {
            ASSERT_EQ(t.prompts.messages.size(), 2);
            EXPECT_EQ(t.prompts.last().text, u"已恢复 "_s + backup.takenText() + u" 的备份。"_s);
        } else {
            EXPECT_EQ(t.prompts.messages.size(), 1);
        }
    }
}
