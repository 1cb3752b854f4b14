#include "app/CWorkspaceTree.h"

#include <QApplication>
#include <QStyle>

CWorkspaceTree::CWorkspaceTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { OnDoubleClick(item); });
}

QTreeWidgetItem* CWorkspaceTree::Restart(const QString& rootText)
{
    clear();
    auto* root = new QTreeWidgetItem(this, {rootText});
    root->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_DirHomeIcon));
    return root;
}
