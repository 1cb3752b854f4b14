#include "app/CTreeViewTemplate.h"

#include "app/TemplateItems.h"
#include "document/CPreferences.h"

#include <QApplication>
#include <QFileInfo>
#include <QStyle>

CTreeViewTemplate::CTreeViewTemplate(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::itemDoubleClicked, this, &CTreeViewTemplate::OnDoubleClick);
}

QString CTreeViewTemplate::TemplatesFolder()
{
    return CPreferences::Instance().HomeFolder() + QStringLiteral("Templates/");
}

void CTreeViewTemplate::Refresh()
{
    clear();
    auto* root = new QTreeWidgetItem(this, {QStringLiteral("Available Templates")});
    root->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_DirHomeIcon));
    TemplateItems::Add(root, TemplatesFolder());
    root->setExpanded(true);
}

void CTreeViewTemplate::OnDoubleClick(QTreeWidgetItem* item)
{
    const QString relative = TemplateItems::RelativePath(item);
    if (!relative.isEmpty() && QFileInfo(TemplatesFolder() + relative).isFile())
        emit templateChosen(relative);
}
