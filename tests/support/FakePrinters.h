#pragma once

#include "platform/Printers.h"

#include <QPrinter>

// A system whose default printer writes PDF to a file, or a system without printers.
class FakePrinters final : public Printers
{
public:
    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        ++asked;
        if (pdfFile.isEmpty())
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfFile);
        return printer;
    }

    QString pdfFile; // empty: no printer
    int asked = 0;
};
