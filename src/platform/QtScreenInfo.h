#pragma once

#include "ScreenInfo.h"

// The primary screen as Qt reports it.
class QtScreenInfo final : public ScreenInfo
{
public:
    QSize size() const override;
    int logicalDpiX() const override;
    QRect availableGeometry() const override;
};
