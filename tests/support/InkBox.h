#pragma once
// Where a rendered page carries ink.
#include <QImage>
#include <QRect>

// Bounding box of every pixel that is not white.
inline QRect InkBox(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if ((line[x] & 0xffffff) != 0xffffff)
                box |= QRect(x, y, 1, 1);
    }
    return box;
}
