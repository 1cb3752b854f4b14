#pragma once
// What a file dropped on a label view is taken for, by its name alone.
#include <QString>

enum class DropKind { Image, Document, Unknown };

// ".jpg" or ".bmp" (any case, name of at least 6 characters): an image;
// ".cte" or ".cla": a template or label to open; anything else: unknown.
DropKind ClassifyDroppedFile(const QString& path);
