#include "base/Geometry.h"

#include <climits>
#include <cmath>
#include <cstdlib>

namespace {
constexpr int kBoxMargin = 2;
constexpr double kSlopeTolerance = 0.4;
} // namespace

bool PointInBox(QPoint a, QPoint b, QPoint p)
{
    return std::min(a.y(), b.y()) - kBoxMargin <= p.y() && p.y() <= std::max(a.y(), b.y()) + kBoxMargin
        && std::min(a.x(), b.x()) - kBoxMargin <= p.x() && p.x() <= std::max(a.x(), b.x()) + kBoxMargin;
}

bool PointOnSegment(QPoint a, QPoint b, QPoint p)
{
    if (std::abs(a.x() - b.x()) <= kBoxMargin || std::abs(a.y() - b.y()) <= kBoxMargin)
        return PointInBox(a, b, p);
    if (!PointInBox(a, b, p))
        return false;
    // The slope test divides by zero at the ends themselves; they are on it.
    if (p == a || p == b)
        return true;
    const QPoint r = (p.x() == b.x() || p.y() == b.y()) ? b : a;
    const double k = double(a.x() - b.x()) / double(a.y() - b.y());
    const double m = double(p.x() - r.x()) / double(p.y() - r.y());
    // An infinite or undefined m fails both comparisons.
    return m - kSlopeTolerance <= k && k <= m + kSlopeTolerance;
}

int RoundHalfAway(float v)
{
    if (std::isnan(v))
        return 0;
    const float r = v >= 0.0f ? v + 0.5f : v - 0.5f;
    // INT_MAX is not representable as a float; compare against 2^31.
    if (r >= 2147483648.0f)
        return INT_MAX;
    if (r <= -2147483648.0f)
        return INT_MIN;
    return int(r);
}

int ClampCoordinate(long long v)
{
    return int(std::clamp<long long>(v, -kMaxLabelCoordinate, kMaxLabelCoordinate));
}

QPoint ClampPoint(QPoint p)
{
    return QPoint(ClampCoordinate(p.x()), ClampCoordinate(p.y()));
}

QPoint ShiftPoint(QPoint p, int dx, int dy)
{
    return QPoint(ClampCoordinate(static_cast<long long>(p.x()) + dx),
                  ClampCoordinate(static_cast<long long>(p.y()) + dy));
}
