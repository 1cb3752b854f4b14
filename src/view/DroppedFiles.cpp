#include "view/DroppedFiles.h"

DropKind ClassifyDroppedFile(const QString& path)
{
    const auto endsWith = [&](const char* suffix) {
        return path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
    };
    if (path.size() >= 6 && (endsWith(".jpg") || endsWith(".bmp")))
        return DropKind::Image;
    if (endsWith(".cte") || endsWith(".cla"))
        return DropKind::Document;
    return DropKind::Unknown;
}
