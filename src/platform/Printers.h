#pragma once

#include <memory>

class QPrinter;

// The system's printers, so that tests can print to a file instead.
class Printers
{
public:
    virtual ~Printers() = default;

    // A printer on the system's default printer for one job, or null when the system knows no printer.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;
};
