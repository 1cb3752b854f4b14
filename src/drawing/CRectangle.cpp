#include "drawing/CRectangle.h"

#include "base/XmlValues.h"
#include "drawing/CDrawingEngine.h"
#include "drawing/DeviceResolution.h"
#include "drawing/PensAndFonts.h"
#include "drawing/DrawingDefaults.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <typeinfo>

namespace {
constexpr int kRoundCornerDiameter = 40; // label units: 0.4 inch
constexpr int kMaxPenWidth = 1000;

QRect NormalizedViewRect(QPoint v1, QPoint v2)
{
    return QRect(QPoint(std::min(v1.x(), v2.x()), std::min(v1.y(), v2.y())),
                 QSize(std::abs(v1.x() - v2.x()), std::abs(v1.y() - v2.y())));
}

// The SVG writer writes the whole painter state out at every change and at
// every restore, twice for each fillRect: there a shape's fills are drawn
// as one batch in one state. Elsewhere fillRect stays, which the raster
// engine turns into exact pixel spans.
bool WritesStateAtEveryChange(QPainter& painter)
{
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::SVG;
}

void FillInOneState(QPainter& painter, const QRectF* rects, int count, const QBrush& brush)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawRects(rects, count);
}

// The outline of a box in the painter's pen. A wide pen is filled as four
// bands, several times faster than stroking four segments, with square
// corners; a cosmetic pen is stroked.
void DrawFrame(QPainter& painter, QPoint v1, QPoint v2)
{
    const QPen pen = painter.pen();
    if (pen.isCosmetic() || pen.widthF() <= 0.0) {
        const QPoint outline[] = {v1, QPoint(v2.x(), v1.y()), v2, QPoint(v1.x(), v2.y()), v1};
        painter.drawPolyline(outline, 5);
        return;
    }
    const QRectF box = QRectF(NormalizedViewRect(v1, v2));
    const double w = pen.widthF();
    const double h = w / 2.0;
    const QBrush ink = pen.brush();
    const QRectF bands[] = {QRectF(box.left() - h, box.top() - h, box.width() + w, w),
                            QRectF(box.left() - h, box.bottom() - h, box.width() + w, w),
                            QRectF(box.left() - h, box.top() + h, w, box.height() - w),
                            QRectF(box.right() - h, box.top() + h, w, box.height() - w)};
    const int count = box.height() > w ? 4 : 2;
    if (WritesStateAtEveryChange(painter)) {
        FillInOneState(painter, bands, count, ink);
        return;
    }
    for (int i = 0; i < count; ++i)
        painter.fillRect(bands[i], ink);
}
// Points per quarter turn of a curved corner are bounded whatever its size.
constexpr int kMaxQuarterSteps = 512;

// The outline of a box with corners rounded to quarter ellipses of radii rx
// and ry (a plain box at 0, an ellipse at half its size), as a polygon whose
// corners stay within a quarter of a device pixel of the true curve.
QPolygonF RoundedOutline(const QRectF& box, double rx, double ry, double pixel)
{
    rx = std::clamp(rx, 0.0, box.width() / 2);
    ry = std::clamp(ry, 0.0, box.height() / 2);
    const double radius = std::max(rx, ry);
    int steps = 1;
    if (radius > pixel) {
        const double halfStep = std::acos(1.0 - 0.25 * pixel / radius);
        steps = std::clamp(int(std::ceil(M_PI / 4 / halfStep)), 1, kMaxQuarterSteps);
    }
    // One quarter turn of unit vectors, turned by a fixed rotation each step.
    const double dc = std::cos(M_PI / 2 / steps);
    const double ds = std::sin(M_PI / 2 / steps);
    // Sized once and written through a pointer: appending point by point
    // showed in profiles of pages full of shapes.
    QPolygonF outline(4 * (steps + 1));
    QPointF* point = outline.data();
    const double l = box.left() + rx, r = box.right() - rx, t = box.top() + ry, b = box.bottom() - ry;
    const struct { double cx, cy; int cosX, sinX, cosY, sinY; } quarters[] = {
        {r, b, 1, 0, 0, 1}, {l, b, 0, -1, 1, 0}, {l, t, -1, 0, 0, -1}, {r, t, 0, 1, -1, 0}};
    for (const auto& q : quarters) {
        double c = 1.0, s = 0.0;
        for (int k = 0; k <= steps; ++k) {
            *point++ = QPointF(q.cx + rx * (q.cosX * c + q.sinX * s), q.cy + ry * (q.cosY * c + q.sinY * s));
            const double next = c * dc - s * ds;
            s = s * dc + c * ds;
            c = next;
        }
    }
    return outline;
}

// A closed curved outline (outline(grow) gives the shape grown by "grow"
// view units) drawn in the painter's pen over an interior filled with fill
// when it is not null. A wide pen is filled as the band between the shape
// grown and shrunk by half its width, much faster than offsetting curves;
// a cosmetic pen is stroked.
template <typename Outline>
void DrawCurvedShape(QPainter& painter, const QRectF& box, const Outline& outline, const QBrush& fill)
{
    const QPen pen = painter.pen();
    if (pen.isCosmetic() || pen.widthF() <= 0.0) {
        painter.setBrush(fill);
        painter.drawPolygon(outline(0.0));
        return;
    }
    const double h = pen.widthF() / 2.0;
    QPolygonF band = outline(h);
    painter.setPen(Qt::NoPen);
    if (box.width() > 2.0 * h && box.height() > 2.0 * h) {
        const QPolygonF inner = outline(-h);
        if (fill.style() != Qt::NoBrush) {
            painter.setBrush(fill);
            painter.drawPolygon(inner);
        }
        // One polygon through both rings: the edge joining them is passed
        // twice and cancels under the odd-even rule.
        band << band.front();
        band += inner;
        band << inner.front();
    }
    painter.setBrush(pen.brush());
    painter.drawPolygon(band, Qt::OddEvenFill);
}
} // namespace

// ---------------------------------------------------------------- CRectangle

CRectangle::CRectangle(int penWidth, CDrawingEngine* owner)
    : CBoxPrimitive(owner)
    , m_penWidth(penWidth)
    , m_hollowFill(CDrawingDefaults::Instance().HollowFill())
{
}

CRectangle::CRectangle()
    : CRectangle(1, nullptr)
{
}

void CRectangle::Assign(const CPrimitive& other)
{
    AssignSameKind(other, &CRectangle::AssignRectangle);
}

void CRectangle::AssignRectangle(const CRectangle& other)
{
    if (&other == this)
        return;
    CPrimitive::Assign(other);
    AssignCorners(other);
    m_penWidth = other.m_penWidth;
    m_hollowFill = other.m_hollowFill;
}

void CRectangle::MarkDragBox(bool v)
{
    m_dragBox = v;
    m_overlapExempt = true;
}

int CRectangle::Draw(QPainter& painter)
{
    if (!m_owner)
        return 0;
    const QPoint v1 = ToView(m_corner1);
    const QPoint v2 = ToView(m_corner2);
    painter.save();
    // Only the plain rectangle ever shows as the drag box.
    const bool dragBox = UsesDragBoxPen() && typeid(*this) == typeid(CRectangle);
    painter.setPen(dragBox ? DragBoxPen() : LinePen(m_penWidth));
    painter.setBrush(Qt::NoBrush);
    DrawShape(painter, v1, v2);
    if (IsSelected())
        DrawHandles(painter, v1, v2);
    painter.restore();
    return 1;
}

void CRectangle::DrawShape(QPainter& painter, QPoint v1, QPoint v2)
{
    if (!m_hollowFill && WritesStateAtEveryChange(painter)) {
        const QPen pen = painter.pen();
        const QRectF interior(NormalizedViewRect(v1, v2));
        FillInOneState(painter, &interior, 1, ColorOf(m_fillColor));
        painter.setPen(pen);
    } else if (!m_hollowFill) {
        painter.fillRect(NormalizedViewRect(v1, v2), ColorOf(m_fillColor));
    }
    DrawFrame(painter, v1, v2);
}

void CRectangle::DrawHandles(QPainter& painter, QPoint v1, QPoint v2)
{
    DrawCornerHandles(painter, v1, v2);
}

void CRectangle::BeginCreate(QPoint viewPoint)
{
    m_corner1 = m_corner2 = ClampPoint(ToLabel(viewPoint));
}

void CRectangle::TrackCreate(QPoint viewPoint)
{
    m_corner2 = ClampPoint(ToLabel(viewPoint));
    if (m_owner && m_owner->View())
        m_owner->View()->InvalidateView(false);
}

void CRectangle::EndCreate(QPoint viewPoint)
{
    m_corner2 = ClampPoint(ToLabel(viewPoint));
    if (m_owner)
        m_owner->UpdateAllViews();
}

QBrush CRectangle::InteriorBrush() const
{
    return m_hollowFill ? QBrush(Qt::NoBrush) : QBrush(ColorOf(m_fillColor));
}

bool CRectangle::HitTest(QPoint viewPoint) const
{
    if (!m_owner)
        return false;
    return PointInBox(m_corner1, m_corner2, ToLabel(viewPoint));
}

std::vector<KeyedField> CRectangle::OwnFields()
{
    return {{"PENWIDTH", &m_penWidth}, {"HOLLOWFILL", &m_hollowFill}};
}

void CRectangle::FieldsLoaded()
{
    m_penWidth = std::clamp(m_penWidth, 0, kMaxPenWidth);
    m_hollowFill = m_hollowFill ? 1 : 0;
}

std::shared_ptr<CPrimitive> CRectangle::Clone() const
{
    return CloneOf(*this);
}

// ------------------------------------------------------------- the others

std::shared_ptr<CPrimitive> CRoundedRect::Clone() const
{
    return CloneOf(*this);
}

void CRoundedRect::DrawShape(QPainter& painter, QPoint v1, QPoint v2)
{
    const double radius = m_owner->ToView(kRoundCornerDiameter) / 2.0;
    const QRectF box(NormalizedViewRect(v1, v2));
    const double pixel = DevicePixelInPainterUnits(painter);
    const auto outline = [&box, radius, pixel](double grow) {
        const double r = std::max(0.0, radius + grow);
        return RoundedOutline(box.adjusted(-grow, -grow, grow, grow), r, r, pixel);
    };
    DrawCurvedShape(painter, box, outline, InteriorBrush());
}

std::shared_ptr<CPrimitive> CEllipse::Clone() const
{
    return CloneOf(*this);
}

void CEllipse::DrawShape(QPainter& painter, QPoint v1, QPoint v2)
{
    const QRectF box(NormalizedViewRect(v1, v2));
    const double pixel = DevicePixelInPainterUnits(painter);
    const auto outline = [&box, pixel](double grow) {
        const QRectF grown = box.adjusted(-grow, -grow, grow, grow);
        return RoundedOutline(grown, grown.width() / 2, grown.height() / 2, pixel);
    };
    DrawCurvedShape(painter, box, outline, InteriorBrush());
}

std::shared_ptr<CPrimitive> CLine::Clone() const
{
    return CloneOf(*this);
}

void CLine::DrawShape(QPainter& painter, QPoint v1, QPoint v2)
{
    painter.drawLine(v1, v2);
}

void CLine::DrawHandles(QPainter& painter, QPoint v1, QPoint v2)
{
    DrawHandleAt(v2.x(), v2.y(), painter);
    DrawHandleAt(v1.x(), v1.y(), painter);
}

QString CLine::GetDescription() const
{
    return QStringLiteral("Line : ") + BoxDescription();
}

bool CLine::HitTest(QPoint viewPoint) const
{
    if (!m_owner)
        return false;
    return PointOnSegment(m_corner1, m_corner2, ToLabel(viewPoint));
}

bool CLine::Intersects(const LRect& labelRect) const
{
    // A horizontal or vertical line has an empty box; widen it by one unit
    // so that a drag box across it still selects it.
    LRect box = GetRect().Normalized();
    if (box.top == box.bottom)
        box.top += 1;
    if (box.left == box.right)
        box.right += 1;
    return RectsIntersect(box, labelRect);
}
