#include "drawing/CFreehand.h"

#include "base/XmlValues.h"
#include "drawing/CDrawingEngine.h"
#include "drawing/DeviceResolution.h"
#include "drawing/PensAndFonts.h"
#include "drawing/PolylineSimplifier.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

CFreehand::CFreehand(int penWidth, CDrawingEngine* owner)
    : CPrimitive(owner), m_penWidth(penWidth)
{
    // Directory segments never treat a stroke as an obstacle.
    m_overlapExempt = true;
}

CFreehand::CFreehand()
{
    m_overlapExempt = true;
}

void CFreehand::Assign(const CPrimitive& other)
{
    AssignSameKind(other, &CFreehand::AssignFreehand);
}

void CFreehand::AssignFreehand(const CFreehand& other)
{
    if (&other == this)
        return;
    CPrimitive::Assign(other);
    m_penWidth = other.m_penWidth;
    m_points = other.m_points;
    PointsChanged();
}

std::shared_ptr<CPrimitive> CFreehand::Clone() const
{
    return CloneOf(*this);
}

namespace {

// Pieces a long stroke is drawn in: the rasteriser's work on one long
// self-overlapping outline grows much faster than its length. With round
// caps and joins the pieces cover the same pixels as the whole.
constexpr qsizetype kStrokePiece = 512;

void StrokeInPieces(QPainter& painter, const QPolygon& line)
{
    for (qsizetype start = 0; start + 1 < line.size(); start += kStrokePiece)
        painter.drawPolyline(line.constData() + start, int(std::min(kStrokePiece + 1, line.size() - start)));
}

} // namespace

const QPolygon& CFreehand::ViewLine(double tolerance)
{
    const int zoom = m_owner->ZoomPercent();
    if (m_viewLine.valid && m_viewLine.zoom == zoom && m_viewLine.tolerance == tolerance)
        return m_viewLine.points;
    QPolygon line;
    line.reserve(qsizetype(m_points.size()));
    for (const QPoint& p : m_points)
        line << ToView(p);
    m_viewLine.points = SimplifyPolyline(line, tolerance);
    m_viewLine.zoom = zoom;
    m_viewLine.tolerance = tolerance;
    m_viewLine.valid = true;
    return m_viewLine.points;
}

int CFreehand::Draw(QPainter& painter)
{
    if (!m_owner || m_points.empty())
        return 0;
    painter.save();
    painter.setPen(::LinePen(m_owner->ToView(m_penWidth), m_lineColor));
    painter.setBrush(Qt::NoBrush);
    // Detail finer than a device pixel cannot show; dropping it first keeps
    // strokes of many points fast to draw.
    const QPolygon& line = ViewLine(DevicePixelInPainterUnits(painter));
    // A stroke that never left its first point is a dot (Qt skips
    // zero-length lines).
    if (std::all_of(line.begin(), line.end(), [&](QPoint p) { return p == line.front(); }))
        painter.drawPoint(line.front());
    else
        StrokeInPieces(painter, line);
    if (IsSelected()) {
        // Every point has its handle; points that fall on the same view
        // point share one.
        QPoint last = ToView(m_points.front());
        DrawHandle(last, painter);
        for (const QPoint& p : m_points) {
            const QPoint v = ToView(p);
            if (v != last)
                DrawHandle(v, painter);
            last = v;
        }
    }
    painter.restore();
    return 1;
}

void CFreehand::MoveBy(int dx, int dy)
{
    MarkModified();
    PointsChanged();
    if (!m_handleGrabbed) {
        for (QPoint& p : m_points)
            p = ShiftPoint(p, dx, dy);
        return;
    }
    auto grabbed = std::find(m_points.begin(), m_points.end(), m_grabbedPoint);
    if (grabbed == m_points.end())
        return;
    *grabbed = ShiftPoint(*grabbed, dx, dy);
    m_grabbedPoint = *grabbed;
}

void CFreehand::BeginCreate(QPoint viewPoint)
{
    m_points.push_back(ClampPoint(ToLabel(viewPoint)));
    PointsChanged();
}

void CFreehand::TrackCreate(QPoint viewPoint)
{
    if (!m_owner)
        return;
    m_points.push_back(ClampPoint(ToLabel(viewPoint)));
    PointsChanged();
    if (ILabelView* view = m_owner->View())
        view->InvalidateView(false);
}

void CFreehand::EndCreate(QPoint viewPoint)
{
    if (!m_owner)
        return;
    m_points.push_back(ClampPoint(ToLabel(viewPoint)));
    PointsChanged();
    m_owner->UpdateAllViews();
}

QString CFreehand::GetDescription() const
{
    return QString::asprintf("Freehand : %d points", int(m_points.size()));
}

bool CFreehand::HitTest(QPoint viewPoint) const
{
    if (!m_owner)
        return false;
    const QPoint p = ClampPoint(ToLabel(viewPoint));
    for (size_t i = 1; i < m_points.size(); ++i) {
        if (PointOnSegment(m_points[i - 1], m_points[i], p))
            return true;
    }
    return false;
}

bool CFreehand::GrabHandle(QPoint viewPoint)
{
    if (!IsSelectable())
        return false;
    const int t = GrabTolerance();
    const QPoint p = ClampPoint(ToLabel(viewPoint));
    bool found = false;
    // The last near point wins, so a later point drawn over earlier ones is
    // the one that moves.
    for (const QPoint& q : m_points) {
        if (std::abs(p.x() - q.x()) < t && std::abs(p.y() - q.y()) < t) {
            m_grabbedPoint = q;
            m_handleGrabbed = true;
            found = true;
        }
    }
    return found;
}

bool CFreehand::Intersects(const LRect& labelRect) const
{
    if (m_points.size() < 2)
        return true;
    LRect box = GetBounds();
    // A flat stroke still needs an area to meet the drag box.
    if (box.top == box.bottom)
        box.top += 1;
    if (box.left == box.right)
        box.right += 1;
    return RectsIntersect(box, labelRect);
}

LRect CFreehand::GetBounds() const
{
    if (m_points.empty())
        return LRect(0, 0, 0, 0);
    auto [minX, maxX] = std::minmax_element(m_points.begin(), m_points.end(),
                                            [](QPoint a, QPoint b) { return a.x() < b.x(); });
    auto [minY, maxY] = std::minmax_element(m_points.begin(), m_points.end(),
                                            [](QPoint a, QPoint b) { return a.y() < b.y(); });
    return LRect(minX->x(), maxY->y(), maxX->x(), minY->y());
}

QPoint CFreehand::GetTopLeft() const
{
    const LRect b = GetBounds();
    return QPoint(b.left, b.top);
}

QPoint CFreehand::GetBottomRight() const
{
    const LRect b = GetBounds();
    return QPoint(b.right, b.bottom);
}

void CFreehand::SetPoint(int index, int x, int y)
{
    if (index < 0 || index >= int(m_points.size()))
        return;
    m_points[size_t(index)] = ClampPoint(QPoint(x, y));
    PointsChanged();
}

void CFreehand::RemovePoint(int index)
{
    if (index < 0 || index >= int(m_points.size()))
        return;
    m_points.erase(m_points.begin() + index);
    PointsChanged();
}

void CFreehand::PersistPoints(bool storing, pugi::xml_node node)
{
    if (storing) {
        for (const QPoint& p : m_points)
            WritePoint(node, p);
        return;
    }
    for (const QPoint& p : ReadPoints(node))
        m_points.push_back(ClampPoint(p));
    PointsChanged();
}
