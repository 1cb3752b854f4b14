#pragma once
// Decodes every picture format Qt's image readers know (PNG, GIF, WebP,
// TIFF, ICO, SVG at its natural size, ...), transparency kept. JPEG and BMP
// have readers of their own (JpegReader.h, BmpReader.h).
#include "drawing/DecodedPicture.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

struct PictureResult
{
    QImage image; // premultiplied ARGB; null on failure
    QString reason;
    bool Ok() const { return !image.isNull(); }
};

PictureResult ReadPictureFile(const QString& path, std::uint64_t maxPixels = kMaxPicturePixels);
PictureResult ReadPictureMemory(const QByteArray& bytes, std::uint64_t maxPixels = kMaxPicturePixels);

// Lower-case endings, without the dot, of every file the image primitive can
// load: "jpg", "jpeg", "bmp" and whatever Qt's readers add.
QStringList PictureFileSuffixes();
// True when the name ends in one of PictureFileSuffixes(), in any case.
bool HasPictureSuffix(const QString& fileName);
