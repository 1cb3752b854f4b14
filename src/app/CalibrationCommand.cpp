#include "app/CalibrationCommand.h"

#include "app/CChildFrame.h"
#include "document/dialogs/CPrinterCalibrationDlg.h"
#include "export/PrintRendering.h"
#include "toolkit/PrinterSetup.h"
#include "view/LabelPrinting.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace CalibrationCommand {

void Execute(CChildFrame* activeFrame, QWidget* parent)
{
    QPrinter& printer = CPrinterSetup::Instance().Printer();
    CPrinterCalibrationDlg dialog(
        QPrinterInfo::availablePrinterNames(), printer.printerName(),
        [&printer, parent](const QString& name) { RunCalibrationTestPage(printer, name, parent); }, parent);
    if (activeFrame)
        dialog.SetLabelToKeepOnPage(InkBox(activeFrame->Document()), PrintedPageSize(activeFrame->Document()));
    dialog.exec();
}

} // namespace CalibrationCommand
