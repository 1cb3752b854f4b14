#include "view/LabelPrinting.h"

#include "document/CPreferences.h"
#include "export/CalibrationPage.h"
#include "export/PrintRendering.h"
#include "platform/Prompter.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// A PDF file is no printer: nothing to correct.
PrinterCalibration CalibrationOf(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return PrinterCalibration();
    return CPreferences::Instance().Calibration(printer.printerName()).value_or(PrinterCalibration());
}

} // namespace

QString CalibrationRefusal(CCovermintDoc& document, const QPrinter& printer)
{
    const PrinterCalibration calibration = CalibrationOf(printer);
    if (calibration.IsIdentity())
        return QString();
    return calibration.CheckFits(InkBox(document), PrintedPageSize(document));
}

bool PrintLabel(CCovermintDoc& document, QPrinter& printer, QString* refusal)
{
    if (const QString reason = CalibrationRefusal(document, printer); !reason.isEmpty()) {
        if (refusal)
            *refusal = reason;
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    RenderAsPrinted(document, painter, printer.resolution(), printer.resolution(), CalibrationOf(printer));
    return painter.end();
}

CPageTurnForLabel::CPageTurnForLabel(CCovermintDoc& document, QPrinter& printer)
    : m_printer(printer), m_before(printer.pageLayout().orientation())
{
    if (PrintsTurned(document))
        m_printer.setPageOrientation(QPageLayout::Landscape);
}

CPageTurnForLabel::~CPageTurnForLabel()
{
    m_printer.setPageOrientation(m_before);
}

bool PrintCalibrationPage(QPrinter& printer)
{
    const bool fullPage = printer.fullPage();
    printer.setFullPage(true);
    const QSizeF inches = printer.paperRect(QPrinter::Inch).size();
    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        CalibrationPage::Render(painter, (inches * 100).toSize(), printer.resolution(), printer.resolution(),
                                printer.printerName());
        printed = painter.end();
    }
    printer.setFullPage(fullPage);
    return printed;
}

void RunCalibrationTestPage(QPrinter& printer, const QString& printerName, QWidget* parent)
{
    if (!printerName.isEmpty() && !QPrinterInfo::printerInfo(printerName).isNull())
        printer.setPrinterName(printerName);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PrintCalibrationPage(printer))
        Prompter().ShowMessage(QObject::tr("Could not start print job."), CPrompter::Icon::Error);
}
