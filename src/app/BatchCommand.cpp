#include "app/BatchCommand.h"

#include "app/CChildFrame.h"
#include "cd/dialogs/CBatchProcessing.h"
#include "toolkit/CommandIds.h"
#include "view/CCovermintView.h"

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
    CBatchProcessing dialog(frame.Document(), hooks, parent);
    dialog.exec();
}

} // namespace BatchCommand
