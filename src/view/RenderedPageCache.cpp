#include "view/RenderedPageCache.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>

std::size_t CRenderedPageCache::FirstLive(const CDrawingEngine& engine)
{
    const std::vector<PrimitivePtr>& primitives = engine.Primitives();
    std::size_t firstSelected = primitives.size();
    std::size_t firstSegment = primitives.size();
    bool segmentAbove = false;
    for (std::size_t i = 0; i < primitives.size(); ++i) {
        if (primitives[i]->IsSelected() && firstSelected == primitives.size())
            firstSelected = i;
        if (primitives[i]->IsDirectorySegment()) {
            firstSegment = std::min(firstSegment, i);
            segmentAbove = segmentAbove || i >= firstSelected;
        }
    }
    // A listing continues from one segment of its name to the next within
    // one drawing, so segments are drawn together or not at all.
    return segmentAbove ? std::min(firstSelected, firstSegment) : firstSelected;
}

CRenderedPageCache::Entry CRenderedPageCache::EntryOf(const CPrimitive& primitive)
{
    return {&primitive,           primitive.GetTopLeft(),  primitive.GetBottomRight(),
            primitive.LineColor(), primitive.FillColor(), primitive.TextColor()};
}

// The primitives in the picture are still the bottom of the stack, unmoved
// and unselected.
bool CRenderedPageCache::BelowStillDrawn(const CDrawingEngine& engine) const
{
    const std::vector<PrimitivePtr>& primitives = engine.Primitives();
    if (primitives.size() < m_below.size() || FirstLive(engine) < m_below.size())
        return false;
    for (std::size_t i = 0; i < m_below.size(); ++i)
        if (!(m_below[i] == EntryOf(*primitives[i])))
            return false;
    return true;
}

void CRenderedPageCache::RenderRange(QPainter& painter, CDrawingEngine& engine, const Placement& placement,
                                     std::size_t from, std::size_t to)
{
    painter.save();
    painter.translate(-placement.scroll.x(), -placement.scroll.y());
    painter.scale(placement.pixelsPerUnitX, -placement.pixelsPerUnitY);
    RenderOptions options;
    options.pageSize = placement.pageSize;
    options.from = from;
    options.to = to;
    engine.Render(painter, options);
    painter.restore();
}

void CRenderedPageCache::RenderInto(QImage& image, CDrawingEngine& engine, const Placement& placement,
                                    const QRect& area) const
{
    QPainter painter(&image);
    painter.setClipRect(area);
    RenderRange(painter, engine, placement, 0, m_below.size());
}

void CRenderedPageCache::Rebuild(CDrawingEngine& engine, const Placement& placement)
{
    m_below.clear();
    const std::size_t live = FirstLive(engine);
    for (std::size_t i = 0; i < live; ++i)
        m_below.push_back(EntryOf(*engine.Primitives()[i]));
    m_picture = QImage(placement.viewportSize * placement.devicePixelRatio, QImage::Format_RGB32);
    m_picture.setDevicePixelRatio(placement.devicePixelRatio);
    RenderInto(m_picture, engine, placement, QRect(QPoint(0, 0), placement.viewportSize));
    m_placement = placement;
    m_valid = true;
}

void CRenderedPageCache::Scroll(CDrawingEngine& engine, const Placement& placement)
{
    const QPoint shift = m_placement.scroll - placement.scroll;
    const QRect whole(QPoint(0, 0), placement.viewportSize);
    QImage moved(m_picture.size(), m_picture.format());
    moved.setDevicePixelRatio(placement.devicePixelRatio);
    {
        QPainter painter(&moved);
        painter.drawImage(shift, m_picture);
    }
    for (const QRect& strip : QRegion(whole).subtracted(whole.translated(shift)))
        RenderInto(moved, engine, placement, strip);
    m_picture = std::move(moved);
    m_placement = placement;
}

void CRenderedPageCache::Paint(QPainter& painter, CDrawingEngine& engine, const Placement& placement)
{
    if (placement.viewportSize.isEmpty())
        return;
    Placement unscrolled = placement;
    unscrolled.scroll = m_placement.scroll;
    if (!m_valid || !(unscrolled == m_placement) || !BelowStillDrawn(engine))
        Rebuild(engine, placement);
    else if (placement.scroll != m_placement.scroll)
        Scroll(engine, placement);
    painter.drawImage(QPoint(0, 0), m_picture);

    if (m_below.size() == engine.Primitives().size())
        return;
    RenderRange(painter, engine, placement, m_below.size(), SIZE_MAX);
}
