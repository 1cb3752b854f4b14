#include "app/TemplateItems.h"

#include "app/FolderListing.h"

#include <QApplication>
#include <QDir>
#include <QStyle>
#include <QTreeWidgetItem>

namespace TemplateItems {

void Add(QTreeWidgetItem* parent, const QString& templatesFolder)
{
    QStyle* style = QApplication::style();
    QIcon category = style->standardIcon(QStyle::SP_DirClosedIcon);
    category.addPixmap(style->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16, 16), QIcon::Selected);
    const QIcon file = style->standardIcon(QStyle::SP_FileIcon);
    const QDir folder(templatesFolder);
    for (const QString& name : FolderListing::SubFolders(templatesFolder)) {
        auto* categoryItem = new QTreeWidgetItem(parent, {name});
        categoryItem->setIcon(0, category);
        for (const QString& templateName :
             FolderListing::Files(folder.filePath(name), FolderListing::kTemplateSuffix)) {
            auto* item = new QTreeWidgetItem(categoryItem, {templateName});
            item->setIcon(0, file);
        }
    }
}

QString RelativePath(const QTreeWidgetItem* item)
{
    if (!item || !item->parent() || item->childCount() > 0 ||
        !FolderListing::EndsWithNoCase(item->text(0), FolderListing::kTemplateSuffix))
        return {};
    return item->parent()->text(0) + QLatin1Char('/') + item->text(0);
}

} // namespace TemplateItems
