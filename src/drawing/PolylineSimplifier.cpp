#include "drawing/PolylineSimplifier.h"

#include <cmath>

namespace {

// How many points one kept segment may stand for; bounds the work per point.
constexpr int kMaxRun = 64;

double DistanceToSegment(QPoint p, QPoint a, QPoint b)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double px = p.x() - a.x();
    const double py = p.y() - a.y();
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? (px * dx + py * dy) / length2 : 0.0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return std::hypot(px - t * dx, py - t * dy);
}

// Drops points closer than tolerance to the last point kept: dense strokes
// shrink to about one point per tolerance of their length.
QPolygon DropNearPoints(const QPolygon& points, double tolerance)
{
    QPolygon kept;
    kept.reserve(points.size());
    kept << points.front();
    for (qsizetype i = 1; i + 1 < points.size(); ++i) {
        const QPoint d = points[i] - kept.back();
        if (std::hypot(double(d.x()), double(d.y())) > tolerance)
            kept << points[i];
    }
    kept << points.back();
    return kept;
}

// From each point kept, goes as far ahead as the points in between allow
// (all within tolerance of the straight segment), at most kMaxRun points.
QPolygon DropStraightRuns(const QPolygon& points, double tolerance)
{
    QPolygon kept;
    kept.reserve(points.size());
    const qsizetype last = points.size() - 1;
    qsizetype anchor = 0;
    kept << points.front();
    while (anchor < last) {
        qsizetype end = anchor + 1;
        for (qsizetype next = end + 1; next <= last && next - anchor <= kMaxRun; ++next) {
            bool straight = true;
            for (qsizetype i = anchor + 1; i < next && straight; ++i)
                straight = DistanceToSegment(points[i], points[anchor], points[next]) <= tolerance;
            if (!straight)
                break;
            end = next;
        }
        kept << points[end];
        anchor = end;
    }
    return kept;
}

} // namespace

QPolygon SimplifyPolyline(const QPolygon& points, double tolerance)
{
    if (points.size() <= 2 || !(tolerance > 0))
        return points;
    // Each pass may move the drawing by its share of the tolerance.
    return DropStraightRuns(DropNearPoints(points, tolerance / 2), tolerance / 2);
}
