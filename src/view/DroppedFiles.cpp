#include "view/DroppedFiles.h"

#include "drawing/PictureReader.h"

#include <QStringList>

DropKind ClassifyDroppedFile(const QString& path)
{
    if (path.size() >= 6 && HasPictureSuffix(path))
        return DropKind::Image;
    const auto endsWith = [&](const char* suffix) {
        return path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
    };
    if (endsWith(".cte") || endsWith(".cla"))
        return DropKind::Document;
    return DropKind::Unknown;
}

QString ImageFileFilter()
{
    QStringList patterns;
    for (const QString& suffix : PictureFileSuffixes())
        patterns.append(QStringLiteral("*.") + suffix);
    return QStringLiteral("Image Files (%1);;All Files (*)").arg(patterns.join(QLatin1Char(' ')));
}
