#include "app/CTreeViewLabel.h"

#include "app/FolderListing.h"
#include "document/CPreferences.h"
#include "platform/Prompter.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QStyle>

CTreeViewLabel::CTreeViewLabel(QWidget* parent) : CWorkspaceTree(parent) {}

QString CTreeViewLabel::LabelsFolder()
{
    return CPreferences::Instance().HomeFolder() + QStringLiteral("Labels/");
}

void CTreeViewLabel::Refresh()
{
    QTreeWidgetItem* root = Restart(QStringLiteral("Created Labels"));
    const QIcon labelIcon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    for (const QString& name : FolderListing::Files(LabelsFolder(), FolderListing::kLabelSuffix)) {
        auto* item = new QTreeWidgetItem(root, {name});
        item->setIcon(0, labelIcon);
    }
    root->setExpanded(true);
}

void CTreeViewLabel::OnDoubleClick(QTreeWidgetItem* item)
{
    if (item && item->parent() && FolderListing::EndsWithNoCase(item->text(0), FolderListing::kLabelSuffix))
        emit openRequested(LabelsFolder() + item->text(0));
}

void CTreeViewLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        DeleteSelected();
        return;
    }
    CWorkspaceTree::keyPressEvent(event);
}

void CTreeViewLabel::DeleteSelected()
{
    QTreeWidgetItem* item = currentItem();
    if (!item || !Prompter().AskYesNo(QStringLiteral("Are you sure you want to delete this label?")))
        return;
    const QString path = LabelsFolder() + item->text(0);
    if (m_isOpen && m_isOpen(path)) {
        Prompter().ShowMessage(QStringLiteral("Please close this label before deleting it."));
        return;
    }
    if (!QFile::remove(path)) {
        Prompter().ShowMessage(QStringLiteral("Could not delete file."));
        return;
    }
    delete item;
}
