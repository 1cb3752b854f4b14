#include "app/ReadDriveCommand.h"

#include "directory/CDirectoryBrowserCallback.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "directory/dialogs/CSegmentPickerDlg.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "document/DriveReading.h"
#include "platform/Prompter.h"
#include "toolkit/ReadProgress.h"

#include <QStatusBar>

namespace {

CDocumentDirectoryInformation* ChooseTarget(CCovermintDoc& document, QWidget* dialogParent)
{
    if (CDocumentDirectoryInformation* target = DriveReading::TargetWithoutChoice(document))
        return target;
    CSegmentPickerDlg picker(document.SegmentNames(), &document.Engine(), dialogParent);
    if (picker.exec() != QDialog::Accepted)
        return nullptr;
    return document.FindDirectoryInformation(picker.SelectedName());
}

} // namespace

namespace ReadDriveCommand {

void Execute(CCovermintDoc& document, QWidget* dialogParent, QStatusBar* status)
{
    const QString drive = CPreferences::Instance().LabelDrive();
    CDiskInformation disk;
    int result = ReadOk;
    {
        CWaitCursor wait;
        CUiReadProgress progress([status](const QString& path) {
            if (status)
                status->showMessage(path);
        });
        CScopedProgressCallback installed(progress);
        result = DriveReading::Read(drive, document.DisplaySettings().dirDepth, disk);
    }
    if (result == ReadCancelled)
        return;
    if (result != ReadOk) {
        Prompter().ShowMessage(DriveReading::FailureMessage(drive, result), CPrompter::Icon::Warning);
        return;
    }
    if (CDocumentDirectoryInformation* target = ChooseTarget(document, dialogParent)) {
        CWaitCursor wait;
        DriveReading::Store(document, *target, disk);
    }
    document.UpdateAllViews();
}

} // namespace ReadDriveCommand
