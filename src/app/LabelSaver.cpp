#include "app/LabelSaver.h"

#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "document/SaveNameRules.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

bool CLabelSaver::Save(CCovermintDoc& document)
{
    if (SaveNeedsNewName(document.PathName()))
        return SaveAs(document);
    return SaveUnder(document, document.PathName());
}

bool CLabelSaver::SaveAs(CCovermintDoc& document)
{
    QString proposal = document.PathName();
    if (proposal.isEmpty())
        proposal = ProposedSaveName(document.Title(), CPreferences::Instance().HomeFolder());
    // Folder and name apart: the dialog misreads a whole path given as the selection.
    const QFileInfo proposed(proposal);
    QFileDialog dialog(m_parent, QStringLiteral("Save As"), proposed.absolutePath(),
                       QStringLiteral("Labels (*.cla);;Templates (*.cte)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("cla"));
    dialog.selectFile(proposed.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return SaveUnder(document, dialog.selectedFiles().constFirst());
}

bool CLabelSaver::SaveUnder(CCovermintDoc& document, const QString& chosenPath)
{
    const QString written = document.DoSave(chosenPath, true);
    if (written.isEmpty())
        return false;
    document.SetTitle(QFileInfo(written).fileName());
    emit documentSaved(written);
    return true;
}

bool CLabelSaver::QueryClose(CCovermintDoc& document)
{
    if (!document.IsModified())
        return true;
    const QMessageBox::StandardButton answer =
        QMessageBox::question(m_parent, QStringLiteral("Covermint"),
                              QStringLiteral("Save changes to %1?").arg(document.Title()),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer == QMessageBox::No || Save(document);
}
