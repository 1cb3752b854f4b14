#include "app/DocumentCommands.h"

#include "app/ReadDriveCommand.h"
#include "directory/CDirectorySegment.h"
#include "directory/dialogs/CDriveInfo.h"
#include "document/CCovermintDoc.h"
#include "document/dialogs/CLabelHeader.h"
#include "drawing/PrimitiveClipboard.h"
#include "platform/Prompter.h"
#include "toolkit/CommandIds.h"

#include <QAction>
#include <QMainWindow>

namespace DocumentCommands {

bool Handles(int id)
{
    switch (id) {
    case CommandId::Undo: case CommandId::Redo: case CommandId::SelectAll:
    case CommandId::Cut: case CommandId::Copy: case CommandId::Paste:
    case CommandId::LabelHeader: case CommandId::ClearCddbAndDirectory: case CommandId::ReadDrive:
    case CommandId::DirectoryInformation:
        return true;
    default:
        return false;
    }
}

bool IsEnabled(CCovermintDoc& document, int id)
{
    switch (id) {
    case CommandId::Undo:
        return document.CommandProcessor().CanUndo();
    case CommandId::Redo:
        return document.CommandProcessor().CanRedo();
    case CommandId::SelectAll:
        return document.Engine().HasPrimitives();
    case CommandId::Cut:
    case CommandId::Copy:
        return document.Engine().FirstSelected() != nullptr;
    case CommandId::Paste:
        return !PrimitiveClipboard::IsEmpty();
    default:
        return Handles(id);
    }
}

void Execute(CCovermintDoc& document, int id, QWidget* dialogParent)
{
    CDrawingEngine& engine = document.Engine();
    switch (id) {
    case CommandId::Undo:
        document.Undo();
        break;
    case CommandId::Redo:
        document.Redo();
        break;
    case CommandId::SelectAll:
        engine.SelectAll();
        break;
    case CommandId::Cut: {
        CEditRecorder record(engine, QStringLiteral("Cut"), CEditRecorder::Scope::OrderOnly);
        engine.Cut();
        record.Finish();
        break;
    }
    case CommandId::Copy:
        engine.Copy();
        break;
    case CommandId::Paste: {
        CEditRecorder record(engine, QStringLiteral("Paste"), CEditRecorder::Scope::OrderOnly);
        engine.Paste();
        record.Finish();
        break;
    }
    case CommandId::LabelHeader: {
        CLabelHeader dialog(document, dialogParent);
        dialog.exec();
        break;
    }
    case CommandId::ClearCddbAndDirectory:
        if (!Prompter().AskYesNo(QStringLiteral(
                "Are you sure you want clear all directory and CDDB information from this label?")))
            return;
        document.ClearDirectoryAndCddbData();
        break;
    case CommandId::DirectoryInformation:
        OpenDirectoryInformation(document, nullptr, dialogParent);
        return;
    case CommandId::ReadDrive: {
        auto* window = qobject_cast<QMainWindow*>(dialogParent);
        ReadDriveCommand::Execute(document, dialogParent, window ? window->statusBar() : nullptr);
        return;
    }
    default:
        return;
    }
    document.UpdateAllViews();
}

void UpdateText(CCovermintDoc& document, QAction& action)
{
    const CCommandProcessor& processor = document.CommandProcessor();
    const int id = action.data().toInt();
    if (id == CommandId::Undo)
        action.setText(processor.UndoText());
    else if (id == CommandId::Redo)
        action.setText(processor.RedoText());
}

void OpenDirectoryInformation(CCovermintDoc& document, CPrimitive* editedSegment, QWidget* dialogParent)
{
    DriveInfoOptions options;
    options.editedSegment = dynamic_cast<CDirectorySegment*>(editedSegment);
    CDriveInfo dialog(&document, options, dialogParent);
    dialog.exec();
}

} // namespace DocumentCommands
