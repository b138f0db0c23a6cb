#pragma once

#include "Printers.h"

// The printers the print system (CUPS) knows.
class QtPrinters final : public Printers
{
public:
    std::unique_ptr<QPrinter> defaultPrinter() override;
};
