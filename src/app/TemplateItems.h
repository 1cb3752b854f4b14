#pragma once
// Fills a tree with the template categories and, under each, its template
// files: used by the Templates tab and the new-label dialog.
#include <QString>

class QTreeWidgetItem;

namespace TemplateItems {

// Adds one item per category under parent.
void Add(QTreeWidgetItem* parent, const QString& templatesFolder);
// "Category/File.cte" for a template item; empty for anything else.
QString RelativePath(const QTreeWidgetItem* item);

} // namespace TemplateItems
