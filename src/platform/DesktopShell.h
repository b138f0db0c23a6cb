#pragma once

#include "Shell.h"

// Documents open in the desktop's default application.
class DesktopShell final : public Shell
{
public:
    bool open(const QString& path) override;
    void showDesktop() override;
};
