#include "app/BatchCommand.h"

#include "app/CChildFrame.h"
#include "cd/dialogs/CBatchProcessing.h"
#include "directory/dialogs/CDriveInfo.h"
#include "toolkit/CommandIds.h"
#include "view/CCovermintView.h"

#include <QApplication>
#include <QPointer>

namespace BatchCommand {

void Execute(CChildFrame& frame, QWidget* parent)
{
    QPointer<CCovermintView> view = &frame.View();
    CBatchProcessing::Hooks hooks;
    hooks.print = [view] {
        if (view)
            view->OnCommand(CommandId::Print);
    };
    hooks.directoryDialog = [&document = frame.Document()](const QString& drive) {
        DriveInfoOptions options;
        options.batchDrive = drive;
        CDriveInfo dialog(&document, options, QApplication::activeModalWidget());
        return dialog.exec() == QDialog::Accepted;
    };
    CBatchProcessing dialog(frame.Document(), hooks, parent);
    dialog.exec();
}

} // namespace BatchCommand
