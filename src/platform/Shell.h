#pragma once

#include <QString>

// Opens documents with the desktop's default application.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual void open(const QString& path) = 0;
    // The "show desktop" chord: the program's windows are minimised.
    virtual void showDesktop() = 0;
};
