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
    // The standard page setup dialog; true when the user confirmed. From
    // then on its paper is the documents' page, printer or not.
    bool RunPageSetup(QWidget* parent);
    // Drops the printer and the chosen paper while the application still exists.
    void Release();

    std::optional<QSizeF> DefaultPrintableMillimetres() override;

private:
    CPrinterSetup();
    ~CPrinterSetup() override;

    std::unique_ptr<QPrinter> m_printer;
    int m_hasPrinter = -1; // not looked up yet
    bool m_paperChosen = false; // in a confirmed page setup
};
