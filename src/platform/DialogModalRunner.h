#pragma once

#include "ModalRunner.h"

class DialogModalRunner final : public ModalRunner
{
public:
    int run(QDialog& dialog) override;
};
