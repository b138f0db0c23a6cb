#pragma once

#include "platform/ModalRunner.h"

// Windows that a rendered window opens are not run: the gallery only paints.
class GalleryModalRunner final : public ModalRunner
{
public:
    int run(QDialog&) override { return 0; }
};
