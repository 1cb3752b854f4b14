#include "drawing/CBoxPrimitive.h"

#include "base/XmlValues.h"

#include <cstdlib>

namespace {

QString Inches(double labelValue)
{
    return QString::asprintf("%5.1f", labelValue / 100.0);
}

// The status text measures y as distance below the top of the page.
struct StatusBox
{
    int minX, minAbsY, maxX, maxAbsY;
};

StatusBox StatusBoxOf(const LRect& r)
{
    const int a = std::abs(r.top);
    const int b = std::abs(r.bottom);
    return {r.MinX(), std::min(a, b), r.MaxX(), std::max(a, b)};
}

} // namespace

void CBoxPrimitive::MoveBy(int dx, int dy)
{
    MarkModified();
    if (m_handleGrabbed) {
        MoveGrabbed(dx, dy);
        return;
    }
    m_corner1 = ShiftPoint(m_corner1, dx, dy);
    m_corner2 = ShiftPoint(m_corner2, dx, dy);
}

void CBoxPrimitive::MoveGrabbed(int dx, int dy)
{
    int* x = nullptr;
    int* y = nullptr;
    if (!GrabbedCornerAxes(x, y))
        return;
    const QPoint moved = ShiftPoint(QPoint(*x, *y), dx, dy);
    *x = moved.x();
    *y = moved.y();
    m_grabbedPoint = moved;
}

bool CBoxPrimitive::GrabbedCornerAxes(int*& x, int*& y)
{
    QPoint& c1 = m_corner1;
    QPoint& c2 = m_corner2;
    const QPoint g = m_grabbedPoint;
    if (g == c1) {
        x = &c1.rx(), y = &c1.ry();
    } else if (g == c2) {
        x = &c2.rx(), y = &c2.ry();
    } else if (g == QPoint(c2.x(), c1.y())) {
        x = &c2.rx(), y = &c1.ry();
    } else if (g == QPoint(c1.x(), c2.y())) {
        x = &c1.rx(), y = &c2.ry();
    } else {
        return false;
    }
    return true;
}

QString CBoxPrimitive::BoxDescription() const
{
    const StatusBox b = StatusBoxOf(LRect(m_corner1, m_corner2));
    return QStringLiteral("(%1,%2 ) x (%3,%4 )").arg(Inches(b.minX), Inches(b.minAbsY), Inches(b.maxX), Inches(b.maxAbsY));
}

QString CBoxPrimitive::GetDescription() const
{
    const StatusBox b = StatusBoxOf(LRect(m_corner1, m_corner2));
    return QStringLiteral("%1 : %2   w = %3 h = %4")
        .arg(DescriptionName(), BoxDescription(), Inches(b.maxX - b.minX), Inches(b.maxAbsY - b.minAbsY));
}

bool CBoxPrimitive::GrabHandle(QPoint viewPoint)
{
    return GrabCorner(viewPoint);
}

bool CBoxPrimitive::GrabCorner(QPoint viewPoint)
{
    if (!IsSelectable())
        return false;
    const int t = GrabTolerance();
    const QPoint p = ToLabel(viewPoint);
    const QPoint corners[] = {m_corner1, QPoint(m_corner2.x(), m_corner1.y()), m_corner2,
                              QPoint(m_corner1.x(), m_corner2.y())};
    for (const QPoint& c : corners) {
        if (std::abs(p.x() - c.x()) < t && std::abs(p.y() - c.y()) < t) {
            m_grabbedPoint = c;
            m_handleGrabbed = true;
            return true;
        }
    }
    return false;
}

bool CBoxPrimitive::Intersects(const LRect& labelRect) const
{
    return RectsIntersect(LRect(m_corner1, m_corner2), labelRect);
}

QPoint CBoxPrimitive::GetTopLeft() const
{
    return LRect(m_corner1, m_corner2).TopLeft();
}

QPoint CBoxPrimitive::GetBottomRight() const
{
    return LRect(m_corner1, m_corner2).BottomRight();
}

bool CBoxPrimitive::GetCorners(QPoint& c1, QPoint& c2) const
{
    c1 = m_corner1;
    c2 = m_corner2;
    return true;
}

void CBoxPrimitive::SetCorners(QPoint c1, QPoint c2)
{
    m_corner1 = ClampPoint(c1);
    m_corner2 = ClampPoint(c2);
}

void CBoxPrimitive::DrawCornerHandles(QPainter& painter, QPoint a, QPoint b)
{
    DrawHandleAt(b.x(), a.y(), painter);
    DrawHandleAt(b.x(), b.y(), painter);
    DrawHandleAt(a.x(), b.y(), painter);
    DrawHandleAt(a.x(), a.y(), painter);
}

void CBoxPrimitive::AssignCorners(const CBoxPrimitive& other)
{
    m_corner1 = other.m_corner1;
    m_corner2 = other.m_corner2;
}

void CBoxPrimitive::PersistCorners(bool storing, pugi::xml_node node, int count)
{
    QPoint* corners[] = {&m_corner1, &m_corner2};
    if (storing) {
        for (int i = 0; i < count; ++i)
            WritePoint(node, *corners[i]);
        return;
    }
    int index = 0;
    for (pugi::xml_node point = node.child("POINT"); point && index < count;
         point = point.next_sibling("POINT"), ++index) {
        ReadPoint(point, *corners[index]);
        *corners[index] = ClampPoint(*corners[index]);
    }
}
