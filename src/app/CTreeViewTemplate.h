#pragma once
// The workspace's "Templates" tab: one branch per category of the home
// folder's Templates folder. Double-clicking a template starts a new label.
#include <QTreeWidget>

class CTreeViewTemplate : public QTreeWidget
{
    Q_OBJECT
public:
    explicit CTreeViewTemplate(QWidget* parent = nullptr);

    void Refresh();
    QTreeWidgetItem* Root() const { return topLevelItemCount() ? topLevelItem(0) : nullptr; }
    static QString TemplatesFolder();

signals:
    // The template as "Category/File.cte", relative to the Templates folder.
    void templateChosen(const QString& relativePath);

private:
    void OnDoubleClick(QTreeWidgetItem* item);
};
