#pragma once

#include "MenuPlayerCheck.h"

// The menu player is a widget of this program: it runs wherever a window system does.
class MenuPlayerAvailability final : public MenuPlayerCheck
{
public:
    bool available() const override;
};
