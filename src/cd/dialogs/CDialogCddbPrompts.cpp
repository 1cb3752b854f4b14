#include "cd/dialogs/CDialogCddbPrompts.h"

#include "cd/CddbSession.h"
#include "cd/dialogs/CDiscChooserDialog.h"
#include "cd/dialogs/CDiscEditorDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QInputDialog>

int CDialogCddbPrompts::ChooseDisc(const std::vector<CCddbDisc>& matches)
{
    CDiscChooserDialog chooser(matches, QApplication::activeWindow());
    return chooser.exec() == QDialog::Accepted ? chooser.Choice() : -1;
}

int CDialogCddbPrompts::EditDisc(CCddbDisc& disc, int flags)
{
    CCddbDisc copy = disc;
    CDiscEditorDialog editor(copy, flags, QApplication::activeWindow());
    if (editor.exec() != QDialog::Accepted)
        return 0;
    disc = copy;
    return editor.Flags();
}

QString CDialogCddbPrompts::AskEmail(const QString& current)
{
    bool ok = false;
    const QString email = QInputDialog::getText(
        QApplication::activeWindow(), QStringLiteral("CDDB Registration"),
        QStringLiteral("CDDB sites ask who is using them.\nYour e-mail address:"), QLineEdit::Normal, current, &ok);
    return ok ? email : QString();
}

bool CDialogCddbPrompts::OpenUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

void CDialogCddbPrompts::Install()
{
    static CDialogCddbPrompts prompts;
    CCddbSession::Instance().SetPrompts(&prompts);
}
