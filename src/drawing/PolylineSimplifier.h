#pragma once
// Fewer points for stroking a long polyline on a device of limited
// resolution: a point is dropped only when it lies within the tolerance of
// the line that remains, so the drawing moves by no more than the tolerance.
#include <QPolygon>

// First and last points are always kept; a tolerance of 0 or less keeps all.
QPolygon SimplifyPolyline(const QPolygon& points, double tolerance);
