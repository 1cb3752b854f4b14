#pragma once
// The default printer's printable area, behind an interface so that core code
// does not depend on Qt's print support. The window installs the real source.
#include <QSize>
#include <QSizeF>
#include <optional>

class CPrinterInfoSource
{
public:
    virtual ~CPrinterInfoSource() = default;
    // Printable width and height in millimetres, or nothing without a printer.
    virtual std::optional<QSizeF> DefaultPrintableMillimetres() = 0;
};

// Installs a source (not owned); nullptr means "no printer".
void SetPrinterInfoSource(CPrinterInfoSource* source);

// Label units (0.01 inch) of the default printer's printable area, each side
// millimetres / 0.254 truncated; 850 x 1100 without a printer.
QSize DefaultPrinterPageSize();

// The page size last computed by any document, shared by the views.
QSize CurrentPageSize();
void PublishPageSize(QSize size);
