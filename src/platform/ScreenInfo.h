#pragma once

#include <QRect>
#include <QSize>

class ScreenInfo
{
public:
    virtual ~ScreenInfo() = default;
    virtual QSize size() const = 0;
    virtual int logicalDpiX() const = 0;
    // The desktop area windows are centred in (the screen less its panels).
    virtual QRect availableGeometry() const = 0;
};
