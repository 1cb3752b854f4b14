#include "cd/dialogs/CddbCommands.h"

#include "cd/CddbError.h"
#include "cd/CddbSession.h"
#include "cd/CddbTexts.h"
#include "cd/dialogs/CCDDBDialog.h"
#include "cd/dialogs/CDialogCddbPrompts.h"
#include "platform/Prompter.h"

namespace CddbCommands {

bool ConnectToCddb(CCovermintDoc& document, QWidget* parent)
{
    CDialogCddbPrompts::Install();
    CCDDBDialog dialog(parent);
    dialog.SetTexts(StoredCddbTexts(document));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    StoreCddbTexts(document, dialog.Texts());
    return true;
}

void UpdateRegistration()
{
    CDialogCddbPrompts::Install();
    CCddbClient& client = CCddbSession::Instance().Client();
    try {
        if (client.UserRegistration(0))
            client.EditUserInfo(8);
        else
            client.UserRegistration(1);
    } catch (const CCddbError& e) {
        Prompter().ShowMessage(e.Message(), CPrompter::Icon::Error);
    }
}

void OpenMusicBrowser()
{
    CDialogCddbPrompts::Install();
    CCddbSession& session = CCddbSession::Instance();
    try {
        try {
            session.Client().OpenMusicBrowser(session.currentDisc ? &*session.currentDisc : nullptr, 0, 1);
        } catch (const CCddbError&) {
            session.Client().OpenMusicBrowser(nullptr, 0, 1);
        }
    } catch (const CCddbError& e) {
        Prompter().ShowMessage(e.Message(), CPrompter::Icon::Error);
    }
}

void Release()
{
    CCddbSession::Instance().Release();
}

} // namespace CddbCommands
