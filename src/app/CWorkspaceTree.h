#pragma once
// What the two workspace tabs share: a headerless tree under one root item,
// rebuilt by Refresh(), acting on double-clicked items.
#include <QTreeWidget>

class CWorkspaceTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit CWorkspaceTree(QWidget* parent = nullptr);

    virtual void Refresh() = 0;
    QTreeWidgetItem* Root() const { return topLevelItemCount() ? topLevelItem(0) : nullptr; }

protected:
    // Empties the tree and adds the root item.
    QTreeWidgetItem* Restart(const QString& rootText);
    virtual void OnDoubleClick(QTreeWidgetItem* item) = 0;
};
