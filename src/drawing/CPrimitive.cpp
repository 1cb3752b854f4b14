#include "drawing/CPrimitive.h"

#include "base/XmlValues.h"
#include "drawing/CDrawingEngine.h"
#include "drawing/DrawingDefaults.h"
#include "drawing/PensAndFonts.h"

#include <QHash>
#include <QPainter>

namespace {
constexpr int kHandleHalfSize = 4;
constexpr int kHandleTolerance = 4;
constexpr int kLowZoomTolerance = kHandleTolerance + 2;
} // namespace

int GrabToleranceAtZoom(int zoomPercent)
{
    if (zoomPercent <= 100)
        return kLowZoomTolerance;
    const float factor = float(zoomPercent) * 0.01f;
    return RoundHalfAway(float(kHandleTolerance) * factor);
}

CPrimitive::CPrimitive(CDrawingEngine* owner)
    : m_owner(owner)
{
    const DrawingAttributes defaults = CDrawingDefaults::Instance().Attributes();
    m_lineColor = defaults.lineColor;
    m_fillColor = defaults.fillColor;
    m_textColor = defaults.textColor;
}

void CPrimitive::Assign(const CPrimitive& other)
{
    if (&other == this)
        return;
    m_owner = other.m_owner;
    m_overlapExempt = other.m_overlapExempt;
    m_name = other.m_name;
    m_segmentName = other.m_segmentName;
    m_lineColor = other.m_lineColor;
    m_fillColor = other.m_fillColor;
    m_textColor = other.m_textColor;
    m_createdFromTemplate = other.m_createdFromTemplate;
    m_selected = false;
    m_handleGrabbed = false;
}

int CPrimitive::Draw(QPainter&)
{
    return 0;
}

int CPrimitive::DrawHandleAt(int x, int y, QPainter& painter)
{
    return DrawHandle(QPoint(x, y), painter);
}

int CPrimitive::DrawHandle(QPoint viewPoint, QPainter& painter)
{
    if (!m_owner || m_owner->IsPrinting())
        return 0;
    const int h = kHandleHalfSize;
    const QRect square(viewPoint.x() - h, viewPoint.y() - h, 2 * h, 2 * h);
    // Compared in view units: a label -> view -> label round trip is not exact
    // at every zoom, and the grabbed handle must show at all of them.
    if (m_handleGrabbed && m_owner->ToView(m_grabbedPoint) == viewPoint) {
        painter.fillRect(square, Qt::black);
        return 1;
    }
    // Only pen and brush change: putting back those two is much cheaper
    // than saving the whole painter state for every handle.
    const QPen pen = painter.pen();
    const QBrush brush = painter.brush();
    painter.setPen(HandlePen());
    painter.setBrush(Qt::white);
    painter.drawRect(square);
    painter.setPen(pen);
    painter.setBrush(brush);
    return 1;
}

void CPrimitive::MoveBy(int, int) {}
void CPrimitive::BeginCreate(QPoint) {}
void CPrimitive::TrackCreate(QPoint) {}
void CPrimitive::EndCreate(QPoint) {}

QString CPrimitive::GetDescription() const
{
    return QString();
}

bool CPrimitive::HitTest(QPoint) const
{
    return false;
}

bool CPrimitive::SelectIfHit(QPoint viewPoint)
{
    if (!HitTest(viewPoint))
        return false;
    SetSelected(true);
    return true;
}

bool CPrimitive::SelectIfIntersects(const LRect& labelRect)
{
    if (Intersects(labelRect))
        SetSelected(true);
    return IsSelected();
}

bool CPrimitive::GrabHandle(QPoint)
{
    return false;
}

void CPrimitive::SetSelected(bool v)
{
    if (v && !IsSelectable())
        return;
    m_selected = v;
    if (!v)
        m_handleGrabbed = false;
}

void CPrimitive::SettleSelection()
{
    m_handleGrabbed = false;
    m_selected = true;
}

bool CPrimitive::Intersects(const LRect&) const
{
    return false;
}

std::size_t CPrimitive::AppearanceKey() const
{
    QPoint c1 = GetTopLeft();
    QPoint c2 = GetBottomRight();
    // The corners in order: a line from one corner differs from its mirror.
    GetCorners(c1, c2);
    std::size_t key = qHashMulti(0, quintptr(TypeName()), c1.x(), c1.y(), c2.x(), c2.y(), m_lineColor, m_fillColor,
                                 m_textColor, IsSelected(), m_handleGrabbed, m_name, m_segmentName, DrawnStateKey());
    // The keyword table is only read here.
    for (const KeyedField& field : const_cast<CPrimitive*>(this)->OwnFields())
        std::visit([&key](const auto* value) { key = qHashMulti(key, *value); }, field.target);
    return key;
}

bool CPrimitive::Persist(bool storing, pugi::xml_node element)
{
    if (!element)
        return false;
    const pugi::xml_node node = storing ? element.append_child("PRIMITIVE") : element;
    PersistFields(storing, node,
                  {
                      {"BGCOLOR", &m_fillColor},
                      {"FGCOLOR", &m_lineColor},
                      {"PTGCOLOR", &m_textColor},
                      {"CREFROMTMPL", &m_createdFromTemplate},
                      {"ISSELECTABLE", &m_selectable},
                      {"ISMOVEABLE", &m_moveable},
                      {"PRIMNAME", &m_name},
                      {"PRIMSEGMENTNAME", &m_segmentName},
                  });
    if (storing) {
        WriteString(node, "PRIMTYPE", QString::fromLatin1(TypeName()));
        PrepareStore();
    }
    PersistFields(storing, node, OwnFields());
    if (!storing) {
        m_selectable = m_selectable ? 1 : 0;
        m_moveable = m_moveable ? 1 : 0;
        FieldsLoaded();
    }
    PersistPoints(storing, node);
    return true;
}

bool CPrimitive::GetCorners(QPoint&, QPoint&) const
{
    return false;
}

void CPrimitive::SetCorners(QPoint, QPoint) {}

QPen CPrimitive::LinePen(int penWidth) const
{
    return ::LinePen(m_owner ? m_owner->ToView(penWidth) : penWidth, m_lineColor);
}

void CPrimitive::MarkModified() const
{
    if (m_owner)
        m_owner->MarkModified();
}

int CPrimitive::GrabTolerance() const
{
    return m_owner ? m_owner->GrabTolerance() : GrabToleranceAtZoom(100);
}

QPoint CPrimitive::ToLabel(QPoint viewPoint) const
{
    return m_owner ? m_owner->ToLabel(viewPoint) : viewPoint;
}

QPoint CPrimitive::ToView(QPoint labelPoint) const
{
    return m_owner ? m_owner->ToView(labelPoint) : labelPoint;
}
