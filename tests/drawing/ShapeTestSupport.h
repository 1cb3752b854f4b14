#pragma once
// Shared pieces of the drawing tests: a throw-away home folder for the
// preferences the first engine loads, a view with a settable zoom, and
// shorthands for shapes with known colours.
#include "drawing/CDrawingEngine.h"
#include "drawing/CRectangle.h"
#include "drawing/LabelView.h"
#include "drawing/PrimitiveClipboard.h"
#include "support/TempHome.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

class CZoomView : public ILabelView
{
public:
    explicit CZoomView(int percent = 100) : zoom(percent) {}
    int ZoomPercent() const override { return zoom; }
    void InvalidateView(bool) override { ++invalidations; }
    int zoom;
    int invalidations = 0;
};

class ShapeTest : public ::testing::Test
{
protected:
    void TearDown() override { PrimitiveClipboard::Clear(); }

    template <class Shape = CRectangle>
    std::shared_ptr<Shape> AddShape(CDrawingEngine& engine, QPoint c1, QPoint c2, int penWidth = 1)
    {
        auto shape = std::make_shared<Shape>(penWidth, &engine);
        shape->SetCorners(c1, c2);
        shape->SetLineColor(MakeColorRef(0, 0, 0));
        shape->SetFillColor(MakeColorRef(255, 0, 0));
        shape->SetHollowFill(true);
        engine.Append(shape);
        return shape;
    }

    CTempHome home;
};

// A white image in which one view unit is one pixel, y up: view (x, y) is
// pixel (x, -y).
inline QImage WhiteCanvas(int width = 900, int height = 1150)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

inline void RenderInto(QImage& image, CDrawingEngine& engine, bool printing = false)
{
    QPainter painter(&image);
    painter.setTransform(QTransform(1, 0, 0, -1, 0, 0));
    RenderOptions options;
    options.printing = printing;
    engine.Render(painter, options);
}

// Pixel at view point (x, y).
inline QColor ViewPixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, -y);
}

// Rows of the column x (device pixels) between y0 and y1 with this colour.
inline int CountInColumn(const QImage& image, int x, int y0, int y1, QColor colour)
{
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}
