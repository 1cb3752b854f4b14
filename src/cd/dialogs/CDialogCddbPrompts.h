#pragma once
// The CDDB client's questions answered by the window: the disc chooser, the
// disc editor, an e-mail question and the web browser.
#include "cd/CCddbClient.h"

class QWidget;

class CDialogCddbPrompts final : public ICddbPrompts
{
public:
    int ChooseDisc(const std::vector<CCddbDisc>& matches) override;
    int EditDisc(CCddbDisc& disc, int flags) override;
    QString AskEmail(const QString& current) override;
    bool OpenUrl(const QUrl& url) override;

    // Installs one for the process's CDDB session, once.
    static void Install();
};
