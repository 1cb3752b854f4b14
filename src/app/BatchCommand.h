#pragma once
// Batch Update: the batch processing dialog on the active label, printing
// through its view.
class CChildFrame;
class QWidget;

namespace BatchCommand {
void Execute(CChildFrame& frame, QWidget* parent);
}
