#pragma once
// Shared pieces of the text tests: text primitives with a known font, drawing
// one primitive into an image in which one view unit is one pixel (y up), and
// finding where its ink fell.
#include "drawing/CTextPrimitive.h"
#include "drawing/ShapeTestSupport.h"

#include <QRect>

// The shape tests' fixture: a throw-away home folder, clipboard cleared after.
class TextTest : public ShapeTest
{
};

inline std::shared_ptr<CTextPrimitive> MakeText(CDrawingEngine& engine, const QString& text, QPoint anchor,
                                                int rotation = 0, int justification = FontSpec::JustifyLeft)
{
    auto primitive = std::make_shared<CTextPrimitive>(&engine);
    primitive->SetText(text);
    primitive->SetCorners(anchor, anchor);
    primitive->SetTextColor(MakeColorRef(0, 0, 0));
    primitive->SetFont(FontSpec{QStringLiteral("Liberation Sans"), rotation, 0, justification, 24.0});
    return primitive;
}

// Draws the primitive alone; view (x, y) is pixel (x, -y).
inline QImage DrawAlone(CTextPrimitive& text, int width = 600, int height = 600)
{
    QImage image = WhiteCanvas(width, height);
    QPainter painter(&image);
    painter.setTransform(QTransform(1, 0, 0, -1, 0, 0));
    text.Draw(painter);
    return image;
}

// The smallest device rectangle holding every pixel that is not white.
inline QRect InkBounds(const QImage& image, QRect within = QRect())
{
    if (within.isNull())
        within = image.rect();
    QRect ink;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// The label-unit box as a device rectangle of the y-flipped canvas at 100%.
inline QRect DeviceRect(const LRect& box)
{
    return QRect(QPoint(box.MinX(), -box.MaxY()), QPoint(box.MaxX(), -box.MinY()));
}
