#include "FakePrompts.h"
#include "FakeServices.h"

#include "store/StoreError.h"
#include "ui/BusyCursor.h"
#include "ui/FramelessDialog.h"
#include "ui/GuardedSlot.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace {

bool waitCursorShows()
{
    return QApplication::overrideCursor() != nullptr &&
           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// Event handlers

struct FailureCase
{
    const char* name;
    std::function<void()> handler;
    QString shown; // empty: no message
};

void PrintTo(const FailureCase& c, std::ostream* out)
{
    *out << c.name;
}

class GuardedHandlers : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(GuardedHandlers, ShowWhatTheyThrowAsAnErrorAndLetNothingEscape)
{
    const FailureCase& c = GetParam();
    FakePrompts prompts;
    EXPECT_EQ(GuardedSlot::run(prompts, c.handler), c.shown.isEmpty());
    if (c.shown.isEmpty()) {
        EXPECT_TRUE(prompts.messages.isEmpty());
        return;
    }
    ASSERT_EQ(prompts.messages.size(), 1);
    const FakePrompts::Message& m = prompts.last();
    EXPECT_FALSE(m.system);
    EXPECT_EQ(m.title, u"错误"_s);
    EXPECT_EQ(m.text, c.shown);
    EXPECT_EQ(m.buttonSet, Prompts::ButtonSet::Ok);
    EXPECT_EQ(m.page, Prompts::Picture::Error);
    EXPECT_EQ(m.variant, Prompts::Variant::Plain);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GuardedHandlers,
    ::testing::Values(FailureCase{"Succeeds", [] {}, {}},
                      FailureCase{"StoreError", [] { throw StoreError(u"无法保存学习计划：磁盘已满。"_s); },
                                  u"无法保存学习计划：磁盘已满。"_s},
                      FailureCase{"StandardError", [] { throw std::runtime_error("数据库已锁定"); },
                                  u"数据库已锁定"_s},
                      FailureCase{"AnythingElse", [] { throw 42; }, u"发生错误！"_s}),
    [](const auto& p) { return std::string(p.param.name); });

// Placement

TEST(WindowPlacement, CentresAWindowInTheScreensDesktopArea)
{
    FakeScreen screen;
    screen.available = QRect(100, 40, 800, 600); // a panel above and to the left
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.resize(200, 100);
    WindowPlacement::centre(window, screen);
    EXPECT_EQ(window.frameGeometry().center(), screen.available.center());
    EXPECT_EQ(window.pos(), QPoint(400, 290));
}

TEST(WindowPlacement, AFeatureWindowIsCentredOnTheScreenItIsGiven)
{
    FakeScreen screen;
    screen.screenSize = QSize(1280, 1024);
    FramelessDialog window(screen);
    window.setFixedSize(300, 200);
    window.show();
    EXPECT_EQ(window.pos(), QPoint(490, 412));
    window.hide();
    // Dragged elsewhere, it stays there when shown again.
    window.move(10, 10);
    window.show();
    EXPECT_EQ(window.pos(), QPoint(10, 10));
}

// The busy cursor

TEST(BusyCursor, GivesTheCursorBackWhenItsWindowShows)
{
    ASSERT_FALSE(waitCursorShows());
    FakeScreen screen;
    BusyCursor busy;
    FramelessDialog window(screen);
    busy.restoreWhenShown(window);
    EXPECT_TRUE(waitCursorShows()); // while the window is being made
    window.show();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The window's own busy step shows its cursor and leaves the normal one behind.
    {
        BusyCursor step;
        EXPECT_TRUE(waitCursorShows());
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    window.hide();
}

TEST(BusyCursor, IsGivenBackOnceEvenWhenItsWindowNeverShows)
{
    FakeScreen screen;
    {
        BusyCursor busy;
        FramelessDialog window(screen);
        busy.restoreWhenShown(window);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
