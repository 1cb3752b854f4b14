#pragma once
// The Edit menu's commands on a label document: undo and redo, the clipboard,
// Select All, the label header, clearing the CDDB and directory data, reading
// the label drive and the directory information dialog.
class CCovermintDoc;
class CPrimitive;
class QAction;
class QWidget;

namespace DocumentCommands {

bool Handles(int commandId);
bool IsEnabled(CCovermintDoc& document, int commandId);
void Execute(CCovermintDoc& document, int commandId, QWidget* dialogParent);
// Undo and Redo name what they would undo ("&Undo Move").
void UpdateText(CCovermintDoc& document, QAction& action);
// The directory information dialog, editing the double-clicked directory
// segment when there is one.
void OpenDirectoryInformation(CCovermintDoc& document, CPrimitive* editedSegment, QWidget* dialogParent);

} // namespace DocumentCommands
