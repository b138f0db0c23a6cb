#include "QtPrinters.h"

#include <QPrinter>
#include <QPrinterInfo>

std::unique_ptr<QPrinter> QtPrinters::defaultPrinter()
{
    QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        // A system with printers but no default one prints on the first.
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty())
            return nullptr;
        printer = all.first();
    }
    return std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
}
