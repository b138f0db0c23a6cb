#include "DesktopShell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

void DesktopShell::open(const QString& path)
{
    // The result is ignored: a missing viewer is the desktop's business.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopShell::showDesktop()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible())
            window->showMinimized();
    }
}
