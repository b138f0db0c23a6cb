#pragma once

#include <QSize>

class ScreenInfo
{
public:
    virtual ~ScreenInfo() = default;
    virtual QSize size() const = 0;
    virtual int logicalDpiX() const = 0;
};
