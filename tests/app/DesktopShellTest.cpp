#include "platform/DesktopShell.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(DesktopShell, ShowDesktopMinimisesTheProgramsShownWindows)
{
    QWidget main;
    QWidget dialog;
    QWidget hidden;
    main.show();
    dialog.show();
    DesktopShell().showDesktop();
    EXPECT_TRUE(main.isMinimized());
    EXPECT_TRUE(dialog.isMinimized());
    EXPECT_FALSE(hidden.isVisible());
    EXPECT_FALSE(hidden.isMinimized());
}

} // namespace
