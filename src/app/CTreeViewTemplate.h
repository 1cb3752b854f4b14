#pragma once
// The workspace's "Templates" tab: one branch per category of the home
// folder's Templates folder. Double-clicking a template starts a new label.
#include "app/CWorkspaceTree.h"

class CTreeViewTemplate : public CWorkspaceTree
{
    Q_OBJECT
public:
    explicit CTreeViewTemplate(QWidget* parent = nullptr);

    void Refresh() override;
    static QString TemplatesFolder();

signals:
    // The template as "Category/File.cte", relative to the Templates folder.
    void templateChosen(const QString& relativePath);

private:
    void OnDoubleClick(QTreeWidgetItem* item) override;
};
