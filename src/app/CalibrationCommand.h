#pragma once
// File > Print Calibration: the calibration dialog for the printer Print
// Setup chose, keeping the active label (when there is one) on its page.
class CChildFrame;
class QWidget;

namespace CalibrationCommand {
void Execute(CChildFrame* activeFrame, QWidget* parent);
}
