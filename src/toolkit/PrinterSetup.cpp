#include "toolkit/PrinterSetup.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

CPrinterSetup& CPrinterSetup::Instance()
{
    static CPrinterSetup setup;
    return setup;
}

CPrinterSetup::CPrinterSetup() = default;
CPrinterSetup::~CPrinterSetup() = default;

QPrinter& CPrinterSetup::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without a printer the views show an 8.5 by 11 inch printable page:
        // the paper starts as that, all of it printable.
        if (!HasPrinter())
            m_printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    }
    return *m_printer;
}

bool CPrinterSetup::HasPrinter()
{
    if (m_hasPrinter < 0)
        m_hasPrinter = QPrinterInfo::availablePrinterNames().isEmpty() ? 0 : 1;
    return m_hasPrinter == 1;
}

bool CPrinterSetup::RunPageSetup(QWidget* parent)
{
    QPageSetupDialog dialog(&Printer(), parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_hasPrinter = -1; // a printer may have been added meanwhile
    m_paperChosen = m_paperChosen || accepted;
    return accepted;
}

void CPrinterSetup::Release()
{
    m_printer.reset();
    m_paperChosen = false;
}

std::optional<QSizeF> CPrinterSetup::DefaultPrintableMillimetres()
{
    // Without a printer, and until a paper is chosen for printing to a
    // file, the page is the standard 8.5 by 11 inches.
    if (!HasPrinter() && !m_paperChosen)
        return std::nullopt;
    return Printer().pageLayout().paintRect(QPageLayout::Millimeter).size();
}
