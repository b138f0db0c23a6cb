#include "DesktopShell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

bool DesktopShell::open(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopShell::showDesktop()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible())
            window->showMinimized();
    }
}
