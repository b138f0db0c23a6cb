#pragma once

#include <QString>

// Opens documents with the desktop's default application.
class Shell
{
public:
    virtual ~Shell() = default;
    // False when the desktop found no application to open it with.
    virtual bool open(const QString& path) = 0;
    // The "show desktop" chord: the program's windows are minimised.
    virtual void showDesktop() = 0;
};
