#pragma once
// Label-unit geometry: integer hundredths of an inch, x right, y up; the
// page's top-left corner is (0, 0) and the page lies at x >= 0, y <= 0.
#include <QColor>
#include <QPoint>
#include <algorithm>
#include <cstdint>

// A rectangle given by two corners in the order they were made; nothing here
// normalises it unless asked to.
struct LRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    LRect() = default;
    LRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    LRect(QPoint a, QPoint b) : left(a.x()), top(a.y()), right(b.x()), bottom(b.y()) {}

    int MinX() const { return std::min(left, right); }
    int MaxX() const { return std::max(left, right); }
    int MinY() const { return std::min(top, bottom); }
    int MaxY() const { return std::max(top, bottom); }
    // Corners of the normalised box: (min x, max y) and (max x, min y).
    QPoint TopLeft() const { return QPoint(MinX(), MaxY()); }
    QPoint BottomRight() const { return QPoint(MaxX(), MinY()); }
    // Ordered so that left <= right and bottom <= top (y up).
    LRect Normalized() const { return LRect(MinX(), MaxY(), MaxX(), MinY()); }
    bool operator==(const LRect&) const = default;
};

// True when the normalised boxes overlap in an area of non-zero width and height.
inline bool RectsIntersect(const LRect& a, const LRect& b)
{
    const int x1 = std::max(a.MinX(), b.MinX());
    const int x2 = std::min(a.MaxX(), b.MaxX());
    const int y1 = std::max(a.MinY(), b.MinY());
    const int y2 = std::min(a.MaxY(), b.MaxY());
    return x1 < x2 && y1 < y2;
}

// Inside the box of corners a and b widened by 2 units on every side.
bool PointInBox(QPoint a, QPoint b, QPoint p);
// Near the segment a-b (box rule for nearly vertical or horizontal segments,
// otherwise inverse slopes within 0.4).
bool PointOnSegment(QPoint a, QPoint b, QPoint p);

// Single precision, rounded half away from zero: the one rounding rule of zoom.
// Values beyond the int range saturate; NaN gives 0.
int RoundHalfAway(float v);

// Coordinates are kept within +-10,000 inches so that zooming, moving and
// hit tests never overflow, whatever a file or a long drag supplies.
constexpr int kMaxLabelCoordinate = 1000000;
int ClampCoordinate(long long v);
QPoint ClampPoint(QPoint p);
// p + (dx, dy), kept within the coordinate range.
QPoint ShiftPoint(QPoint p, int dx, int dy);

// 24-bit colour, red in bits 0-7, green 8-15, blue 16-23.
using ColorRef = std::uint32_t;
constexpr ColorRef MakeColorRef(int r, int g, int b)
{
    return ColorRef(r & 0xff) | (ColorRef(g & 0xff) << 8) | (ColorRef(b & 0xff) << 16);
}
constexpr int RedOf(ColorRef c) { return int(c & 0xff); }
constexpr int GreenOf(ColorRef c) { return int((c >> 8) & 0xff); }
constexpr int BlueOf(ColorRef c) { return int((c >> 16) & 0xff); }
inline QColor ColorOf(ColorRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
