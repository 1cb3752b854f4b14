#include "app/FolderListing.h"

#include <QDir>
#include <algorithm>

namespace {

QStringList SortedNoCase(QStringList names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

} // namespace

namespace FolderListing {

bool EndsWithNoCase(const QString& text, const QString& suffix)
{
    return text.endsWith(suffix, Qt::CaseInsensitive);
}

QStringList Files(const QString& folder, const QString& suffix)
{
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        if (EndsWithNoCase(name, suffix))
            names << name;
    return SortedNoCase(names);
}

QStringList SubFolders(const QString& folder)
{
    return SortedNoCase(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot));
}

} // namespace FolderListing
