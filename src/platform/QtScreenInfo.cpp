#include "QtScreenInfo.h"

#include <QGuiApplication>
#include <QScreen>

QSize QtScreenInfo::size() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

int QtScreenInfo::logicalDpiX() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchX()) : 96;
}

QRect QtScreenInfo::availableGeometry() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size());
}
