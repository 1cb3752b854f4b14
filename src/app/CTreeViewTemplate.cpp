#include "app/CTreeViewTemplate.h"

#include "app/TemplateItems.h"
#include "document/CPreferences.h"

#include <QFileInfo>

CTreeViewTemplate::CTreeViewTemplate(QWidget* parent) : CWorkspaceTree(parent) {}

QString CTreeViewTemplate::TemplatesFolder()
{
    return CPreferences::Instance().HomeFolder() + QStringLiteral("Templates/");
}

void CTreeViewTemplate::Refresh()
{
    QTreeWidgetItem* root = Restart(QStringLiteral("Available Templates"));
    TemplateItems::Add(root, TemplatesFolder());
    root->setExpanded(true);
}

void CTreeViewTemplate::OnDoubleClick(QTreeWidgetItem* item)
{
    const QString relative = TemplateItems::RelativePath(item);
    if (!relative.isEmpty() && QFileInfo(TemplatesFolder() + relative).isFile())
        emit templateChosen(relative);
}
