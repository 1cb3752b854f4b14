#pragma once
// What a file dropped on a label view is taken for, by its name alone, and
// the Add Image dialog's filter that offers the same pictures.
#include <QString>

enum class DropKind { Image, Document, Unknown };

// A picture ending (PictureFileSuffixes(), any case, name of at least 6
// characters): an image; ".cte" or ".cla": a template or label to open;
// anything else: unknown.
DropKind ClassifyDroppedFile(const QString& path);

// "Image Files (*.bmp *.jpg ...);;All Files (*)"
QString ImageFileFilter();
