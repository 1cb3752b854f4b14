#pragma once
// Printing and preview: one page, the label at its physical size through
// the same path as export (RenderAsPrinted), moved and scaled as the
// printer's calibration says, on the page turned for a label wider than it.
#include <QPageLayout>
#include <QString>

class CCovermintDoc;
class QPrinter;
class QWidget;

// Prints one page on the printer (a real printer or a PDF file); false when
// the job could not start or the printer's calibration would push the label
// off the page (refusal, when given, says why then).
bool PrintLabel(CCovermintDoc& document, QPrinter& printer, QString* refusal = nullptr);

// Why the printer's calibration cannot print this label, or empty.
QString CalibrationRefusal(CCovermintDoc& document, const QPrinter& printer);

// Turns the printer's page to landscape while it lives when the label
// needs it, so that the print dialog and preview show the page as it prints.
class CPageTurnForLabel
{
public:
    CPageTurnForLabel(CCovermintDoc& document, QPrinter& printer);
    ~CPageTurnForLabel();
    CPageTurnForLabel(const CPageTurnForLabel&) = delete;
    CPageTurnForLabel& operator=(const CPageTurnForLabel&) = delete;

private:
    QPrinter& m_printer;
    QPageLayout::Orientation m_before;
};

// The calibration test page on the printer, from the paper's corner.
bool PrintCalibrationPage(QPrinter& printer);
// Print dialog, then the test page on the printer named (or the current one).
void RunCalibrationTestPage(QPrinter& printer, const QString& printerName, QWidget* parent);
