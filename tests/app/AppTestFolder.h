#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// The program folder of a test gets the menu description the program ships.
inline void installMenu(const QString& programFolder)
{
    QDir(programFolder).mkpath(QStringLiteral("pic"));
    const QString target = QDir(programFolder).filePath(QStringLiteral("pic/menu.json"));
    QFile::remove(target);
    QFile::copy(QStringLiteral(VELMARIN_TEST_MENU_FILE), target);
}
