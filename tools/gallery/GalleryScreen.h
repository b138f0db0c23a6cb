#pragma once

#include "platform/ScreenInfo.h"

// The screen the gallery pretends to have; renderers may change its size.
class GalleryScreen final : public ScreenInfo
{
public:
    QSize size() const override { return screenSize; }
    int logicalDpiX() const override { return 96; }
    QRect availableGeometry() const override { return QRect(QPoint(0, 0), screenSize); }

    QSize screenSize{1024, 768};
};
