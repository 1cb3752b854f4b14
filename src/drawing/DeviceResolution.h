#pragma once
// How fine the painter's device is: what detail is worth drawing.
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

// How many painter units one device pixel spans, along the finer axis.
inline double DevicePixelInPainterUnits(const QPainter& painter)
{
    const QTransform t = painter.deviceTransform();
    const double scale = std::max(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    return scale > 0 ? 1.0 / scale : 1.0;
}
