#pragma once
// The process-wide printer that Print Setup edits, and the page-size source
// that reports its printable area to the documents.
#include "platform/PrinterInfo.h"

#include <memory>

class QPrinter;
class QWidget;

class CPrinterSetup final : public CPrinterInfoSource
{
public:
    static CPrinterSetup& Instance();

    // Made on first use: creating a printer asks the print system.
    QPrinter& Printer();
    // Whether any printer is installed; looked up once.
    bool HasPrinter();
    // The standard page setup dialog; true when the user confirmed.
    bool RunPageSetup(QWidget* parent);
    // Drops the printer while the application still exists.
    void Release();

    std::optional<QSizeF> DefaultPrintableMillimetres() override;

private:
    CPrinterSetup();
    ~CPrinterSetup() override;

    std::unique_ptr<QPrinter> m_printer;
    int m_hasPrinter = -1; // not looked up yet
};
