#include "AppTestFolder.h"
#include "TestContext.h"

#include "app/MenuPlayer.h"
#include "app/TFrmStart.h"
#include "study/TFrmConfig.h"

#include <QApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using Busy = TFrmStart::Busy;

bool waitCursorShows()
{
    return QApplication::overrideCursor() != nullptr &&
           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// Notes whether the wait cursor shows at the moment a window of one class is shown.
class ShowWatcher final : public QObject
{
public:
    explicit ShowWatcher(const QString& windowClass) : m_class(windowClass)
    {
        qApp->installEventFilter(this);
    }
    ~ShowWatcher() override { qApp->removeEventFilter(this); }
    bool busyAtShow = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show &&
            QString::fromLatin1(watched->metaObject()->className()) == m_class)
            busyAtShow = waitCursorShows();
        return false;
    }

private:
    QString m_class;
};

// What a command word does that a user can see.
struct WordCase
{
    QString word;
    Busy busy;
    QString window;   // the window class shown, empty for none
    QString page;     // the document opened, relative to the program folder
    int browser = 0;  // BrowserSubject afterwards, 0: unchanged
    int subject = -1; // CurrentSubject afterwards, -1: unchanged
    int settingsMode = -1;
};

void PrintTo(const WordCase& c, std::ostream* out)
{
    *out << '"' << c.word.toStdString() << '"';
}

const QVector<WordCase>& wordCases()
{
    static const QVector<WordCase> cases = {
        {u"ksdg"_s, Busy::Yes, u"TfrmLawsFaGui"_s, {}}, // knowledge-point catalogue
        {u"zsd"_s, Busy::Yes, u"TfrmLawsFaGui"_s, {}},  // the same
        {u"lx"_s, Busy::Yes, u"TFrmkmmc"_s, {}, 1},     // chapter browser
        {u"lx2"_s, Busy::Yes, u"TFrmkmmc"_s, {}, 2},
        {u"lx3"_s, Busy::Yes, u"TFrmkmmc"_s, {}, 3},
        {u"lx4"_s, Busy::Yes, u"TFrmkmmc"_s, {}, 4},
        {u"lx5"_s, Busy::Yes, u"TFrmkmmc"_s, {}, 5},
        {u"szjh"_s, Busy::Yes, u"TFrmplan"_s, {}},
        {u"szks"_s, Busy::Yes, u"TFrmEset"_s, {}},
        {u"rz"_s, Busy::UntilCreated, u"TFrmRz"_s, {}},
        {u"tj"_s, Busy::Yes, u"Tfrmchart"_s, {}},
        {u"sj"_s, Busy::No, {}, {}}, // upgrade: arrives with its feature
        {u"music"_s, Busy::No, u"TFrmConfig"_s, {}, 0, -1, 0},
        {u"sztime"_s, Busy::No, u"TFrmConfig"_s, {}, 0, -1, 1},
        {u"fg"_s, Busy::No, {}, u"htm/法规汇编.htm"_s},
        {u"lxfs"_s, Busy::No, {}, u"htm/发行站及专业书店联系方式.htm"_s},
        {u"help"_s, Busy::No, {}, u"htm/help.htm"_s},
        {u"about"_s, Busy::No, u"TFrmAbout"_s, {}},
        {u"quit"_s, Busy::No, {}, {}}, // tested on its own below
        {u"cj"_s, Busy::Yes, u"TFrmCheck"_s, {}},
        {u"mnks"_s, Busy::No, {}, {}, 0, 1},
        {u"mnks2"_s, Busy::No, {}, {}, 0, 2},
        {u"mnks3"_s, Busy::No, {}, {}, 0, 3},
        {u"mnks4"_s, Busy::No, {}, {}, 0, 4},
        {u"mnks5"_s, Busy::No, {}, {}, 0, 5},
        {u"lnst"_s, Busy::No, {}, u"htm/lnst.htm"_s},
    };
    return cases;
}

TEST(CommandTable, HoldsEveryWordInOrderWithItsCursor)
{
    const QVector<TFrmStart::Command>& table = TFrmStart::commandTable();
    ASSERT_EQ(table.size(), wordCases().size());
    for (qsizetype i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].word, wordCases()[i].word);
        EXPECT_EQ(table[i].busy, wordCases()[i].busy) << qPrintable(table[i].word);
    }
}

class CommandWord : public ::testing::TestWithParam<WordCase>
{
protected:
    TestContext t;
};

TEST_P(CommandWord, ReachesItsAction)
{
    const WordCase& c = GetParam();
    // A paper worth 100, so that the exam settings accept the stored lowest score.
    t.bank.type(1, 61, u"单项选择题"_s, 100, 1, 1.0);
    AppContext& ctx = t.open();
    ctx.BrowserSubject = 9;
    ctx.CurrentSubject = 2;
    ctx.SettingsMode = 7;
    TFrmStart window(ctx);
    ShowWatcher watcher(c.window);
    bool busyWhileOpen = true;
    bool answerTimeFace = false;
    if (!c.window.isEmpty()) {
        t.windows.on(c.window, [&](QDialog& dialog) {
            busyWhileOpen = waitCursorShows();
            if (auto* settings = qobject_cast<TFrmConfig*>(&dialog))
                answerTimeFace = settings->isAnswerTimeMode();
            dialog.reject();
        });
    }

    window.ShockwaveFlash1FSCommand(c.word, u"ignored"_s);

    EXPECT_EQ(t.windows.shown, c.window.isEmpty() ? QStringList() : QStringList{c.window});
    EXPECT_EQ(t.shell.opened,
              c.page.isEmpty() ? QStringList() : QStringList{t.bank.programFolder() + c.page});
    EXPECT_EQ(ctx.BrowserSubject, c.browser == 0 ? 9 : c.browser);
    EXPECT_EQ(ctx.CurrentSubject, c.subject == -1 ? 2 : c.subject);
    EXPECT_EQ(ctx.SettingsMode, c.settingsMode == -1 ? 7 : c.settingsMode);
    if (!c.window.isEmpty()) {
        // A busy word's window appears under the wait cursor; the user then works in it with the normal one.
        EXPECT_EQ(watcher.busyAtShow, c.busy == Busy::Yes);
        EXPECT_FALSE(busyWhileOpen);
    }
    if (c.word == u"sztime") {
        EXPECT_TRUE(answerTimeFace);
    }
    // The normal cursor is back once the command is done.
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    if (c.word.startsWith(u"mnks")) {
        // The bank has no questions to draw a paper from.
        EXPECT_EQ(t.prompts.texts(), QStringList{u"没有发现题目！"_s});
    } else if (c.word != u"quit") {
        EXPECT_TRUE(t.prompts.messages.isEmpty()) << qPrintable(t.prompts.texts().join(u'|'));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWord, CommandWord, ::testing::ValuesIn(wordCases()),
                         [](const auto& p) { return p.param.word.toStdString(); });

TEST(CommandWords, ThatAreNotInTheTableDoNothing)
{
    for (const QString& word : {u"LX"_s, u"Quit"_s, u"lx "_s, u" lx"_s, u"lx6"_s, QString(), u"mnks6"_s}) {
        TestContext t;
        AppContext& ctx = t.open();
        TFrmStart window(ctx);
        QSignalSpy closed(&window, &TFrmStart::closed);
        const int browser = ctx.BrowserSubject;
        window.ShockwaveFlash1FSCommand(word, {});
        EXPECT_TRUE(t.windows.shown.isEmpty()) << qPrintable(word);
        EXPECT_TRUE(t.shell.opened.isEmpty()) << qPrintable(word);
        EXPECT_TRUE(t.prompts.messages.isEmpty()) << qPrintable(word);
        EXPECT_EQ(ctx.BrowserSubject, browser);
        EXPECT_EQ(ctx.CurrentSubject, 0);
        EXPECT_EQ(closed.count(), 0);
    }
}

TEST(CommandWords, AreSentByTheMenu)
{
    TestContext t;
    installMenu(t.bank.programFolder());
    AppContext& ctx = t.open();
    TFrmStart window(ctx);
    window.FormShow();
    window.menu()->FSCommand(u"help"_s, {});
    EXPECT_EQ(t.shell.opened, QStringList{t.bank.programFolder() + u"htm/help.htm"_s});
}

TEST(CommandWords, ADataErrorIsShownAndTheMenuStaysUsable)
{
    TestContext t;
    AppContext& ctx = t.open();
    TFrmStart window(ctx);
    t.bank.exec(u"DROP TABLE tab_plan"_s);
    window.ShockwaveFlash1FSCommand(u"quit"_s, {});
    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_EQ(t.prompts.last().title, u"错误"_s);
    EXPECT_EQ(t.prompts.last().buttonSet, Prompts::ButtonSet::Ok);
    EXPECT_EQ(t.prompts.last().page, Prompts::Picture::Error);
    EXPECT_EQ(t.prompts.last().variant, Prompts::Variant::Plain);
    window.ShockwaveFlash1FSCommand(u"help"_s, {});
    EXPECT_EQ(t.shell.opened.size(), 1);
}

// "quit": today's log against the study plan

struct QuitCase
{
    const char* name;
    int planMark;
    int planAmount;
    int planTime;
    int answersToday; // -1: no log row today
    QString timeToday;
    QString text; // empty: no message
    Prompts::Icon icon;
    Prompts::Buttons buttons;
};

void PrintTo(const QuitCase& c, std::ostream* out)
{
    *out << c.name;
}

class QuitComparison : public ::testing::TestWithParam<QuitCase>
{
};

TEST_P(QuitComparison, ShowsItsMessageAndClosesOnOk)
{
    const QuitCase& c = GetParam();
    TestContext t;
    t.bank.exec(u"UPDATE tab_plan SET PlanMark = ?, PlanAmount = ?, PlanTime = ?"_s,
                {c.planMark, c.planAmount, c.planTime});
    const QString today = t.clock.today().toString(Qt::ISODate);
    t.bank.logDay(t.clock.today().addDays(-1).toString(Qt::ISODate), 500, 0, 500, 0, u"9:00:00"_s);
    if (c.answersToday >= 0)
        t.bank.logDay(today, c.answersToday, 0, c.answersToday, 0, c.timeToday);
    AppContext& ctx = t.open();
    TFrmStart window(ctx);
    QSignalSpy closed(&window, &TFrmStart::closed);

    window.ShockwaveFlash1FSCommand(u"quit"_s, {});

    if (c.text.isEmpty()) {
        EXPECT_TRUE(t.prompts.messages.isEmpty());
        EXPECT_EQ(closed.count(), 0);
        return;
    }
    ASSERT_EQ(t.prompts.messages.size(), 1);
    const FakePrompts::Message& m = t.prompts.last();
    EXPECT_TRUE(m.system);
    EXPECT_EQ(m.title, u"提示"_s);
    EXPECT_EQ(m.text, c.text);
    EXPECT_EQ(m.icon, c.icon);
    EXPECT_EQ(m.buttons, c.buttons);
    EXPECT_EQ(closed.count(), 1); // the fake answers OK
    EXPECT_EQ(ctx.dm.successFlag(), 0);
}

const QString Behind = u"还未完成今日学习计划，要退出吗？"_s;
const QString Done = u"恭喜完成今日学习计划！"_s;
const QString Beyond = u"超额完成学习计划，要注意休息呦！"_s;
constexpr auto Ask = Prompts::Icon::Question;
constexpr auto Tell = Prompts::Icon::Information;
constexpr auto OkCancel = Prompts::Buttons::OkCancel;
constexpr auto Ok = Prompts::Buttons::Ok;

INSTANTIATE_TEST_SUITE_P(
    Plans, QuitComparison,
    ::testing::Values(QuitCase{"NoLogPlanZero", 0, 0, 0, -1, {}, Done, Tell, Ok},
                      QuitCase{"NoLogPositivePlan", 0, 5, 0, -1, {}, Behind, Ask, OkCancel},
                      QuitCase{"NoLogByTime", 1, 0, 20, -1, {}, Behind, Ask, OkCancel},
                      QuitCase{"AmountBehind", 0, 50, 0, 49, u"5:00:00"_s, Behind, Ask, OkCancel},
                      QuitCase{"AmountMet", 0, 50, 0, 50, {}, Done, Tell, Ok},
                      QuitCase{"AmountBeyond", 0, 50, 0, 51, {}, Beyond, Tell, Ok},
                      QuitCase{"TimeMetWithSeconds", 1, 0, 30, 10, u"0:30:59"_s, Done, Tell, Ok},
                      QuitCase{"TimeBehind", 1, 0, 30, 900, u"0:29:59"_s, Behind, Ask, OkCancel},
                      QuitCase{"TimeBeyond", 1, 0, 30, 0, u"00:31:00"_s, Beyond, Tell, Ok},
                      QuitCase{"TimeOfHours", 1, 0, 90, 0, u"1:30:00"_s, Done, Tell, Ok},
                      QuitCase{"OtherPlanMark", 2, 0, 0, -1, {}, {}, Tell, Ok}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Quit, CancelKeepsTheProgramRunning)
{
    TestContext t;
    t.bank.exec(u"UPDATE tab_plan SET PlanMark = 0, PlanAmount = 10"_s);
    AppContext& ctx = t.open();
    TFrmStart window(ctx);
    QSignalSpy closed(&window, &TFrmStart::closed);
    t.prompts.answer(0);
    window.ShockwaveFlash1FSCommand(u"quit"_s, {});
    EXPECT_EQ(t.prompts.last().text, Behind);
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(ctx.dm.successFlag(), 1);
}

} // namespace
