#pragma once
// Read Drive: reads the preferences' label drive into a directory record of
// the document, showing the path being read in the status bar; Esc cancels.
class CCovermintDoc;
class QStatusBar;
class QWidget;

namespace ReadDriveCommand {

// status: where the progress is shown (may be null).
void Execute(CCovermintDoc& document, QWidget* dialogParent, QStatusBar* status);

} // namespace ReadDriveCommand
