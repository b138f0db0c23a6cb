#include "FakeServices.h"
#include "TestContext.h"

#include "app/TFrmAbout.h"
#include "app/TFrmProgress.h"
#include "platform/ProgressScope.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace {

const FakeScreen Screen;

QString label(const TFrmProgress& window)
{
    return window.findChild<QLabel*>(u"Label1"_s)->text();
}

TEST(ProgressWindow, StartsHiddenWaitingAndBusy)
{
    TFrmProgress window(Screen, QString{});
    EXPECT_EQ(window.windowTitle(), u"进度条"_s);
    EXPECT_EQ(window.size(), QSize(358, 63));
    EXPECT_EQ(label(window), u"请等待..."_s);
    EXPECT_EQ(window.findChild<QLabel*>(u"Label1"_s)->pos(), QPoint(16, 20));
    EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);
    EXPECT_FALSE(window.isVisible());
}

TEST(ProgressWindow, ShowsTheStatusWhileWorkingAndHidesAfterwards)
{
    TFrmProgress window(Screen, QString{});
    QWidget hiddenForTheWork;
    window.begin(u"正在判卷..."_s);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(label(window), u"正在判卷..."_s);
    window.setStatus(u"正在整理数据..."_s);
    EXPECT_EQ(label(window), u"正在整理数据..."_s);
    window.end(&hiddenForTheWork);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(hiddenForTheWork.isVisible());
    // The label keeps the last text until the next caller sets its own.
    EXPECT_EQ(label(window), u"正在整理数据..."_s);
}

TEST(ProgressScope, HidesThePanelHoweverTheWorkEnds)
{
    TFrmProgress window(Screen, QString{});
    QWidget owner;
    try {
        ProgressScope progress(window, u"正在建立数据表..."_s, &owner);
        EXPECT_TRUE(window.isVisible());
        throw std::runtime_error("failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(owner.isVisible());
}

TEST(AboutWindow, HasItsCaptionABorderAndOneCloseButton)
{
    TestContext t;
    AppContext& ctx = t.open();
    TFrmAbout about(ctx);
    EXPECT_EQ(about.windowTitle(), u"关于"_s);
    EXPECT_FALSE(about.windowFlags() & Qt::FramelessWindowHint);
    const QList<QPushButton*> buttons = about.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.first()->text(), u"关 闭"_s);
    about.show();
    buttons.first()->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

} // namespace
