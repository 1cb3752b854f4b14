#include "view/RenderedPageCache.h"

#include "drawing/CTextPrimitive.h"

#include <QPainter>
#include <algorithm>
#include <unordered_map>

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

QTransform CRenderedPageCache::PageTransform(const Placement& placement)
{
    return QTransform::fromScale(placement.pixelsPerUnitX, -placement.pixelsPerUnitY);
}

CRenderedPageCache::Entry CRenderedPageCache::EntryOf(CPrimitive& primitive, const CDrawingEngine& engine,
                                                      const Placement& placement)
{
    // A text changed since its last drawing may have grown: measure it now.
    if (auto* text = dynamic_cast<CTextPrimitive*>(&primitive))
        text->UpdateExtent();
    Entry entry{&primitive, primitive.AppearanceKey(), std::nullopt};
    // Room for antialiased edges.
    constexpr int kBleed = 2;
    if (const std::optional<QRectF> area = engine.PaintedArea(primitive))
        entry.area = PageTransform(placement).mapRect(*area).toAlignedRect().adjusted(-kBleed, -kBleed, kBleed, kBleed);
    return entry;
}

std::optional<QRegion> CRenderedPageCache::TakeChanges(CDrawingEngine& engine, const Placement& placement)
{
    const std::vector<PrimitivePtr>& primitives = engine.Primitives();
    const std::size_t live = FirstLive(engine);
    QRegion changed;
    bool everywhere = false;
    const auto mark = [&](const std::optional<QRect>& area) {
        if (area)
            changed += *area;
        else
            everywhere = true;
    };

    bool sameStack = m_below.size() == live;
    for (std::size_t i = 0; sameStack && i < live; ++i)
        sameStack = m_below[i].primitive == primitives[i].get();
    // Otherwise primitives were added, removed or restacked: each is found
    // in the picture by identity.
    std::unordered_map<const CPrimitive*, std::size_t> pictured;
    if (!sameStack) {
        pictured.reserve(m_below.size());
        for (std::size_t j = 0; j < m_below.size(); ++j)
            pictured.emplace(m_below[j].primitive, j);
    }

    std::vector<Entry> now;
    now.reserve(live);
    std::vector<bool> kept(m_below.size(), false);
    std::optional<std::size_t> highestKept;
    bool listing = false;
    for (std::size_t i = 0; i < live; ++i) {
        CPrimitive& primitive = *primitives[i];
        listing = listing || primitive.IsDirectorySegment();
        std::optional<std::size_t> was;
        if (sameStack) {
            was = i;
        } else if (const auto found = pictured.find(&primitive); found != pictured.end()) {
            was = found->second;
        }
        if (was) {
            kept[*was] = true;
            // One that now lies above a primitive it lay below shows
            // differently where the two overlap.
            const bool inOrder = !highestKept || *was > *highestKept;
            highestKept = std::max(*was, highestKept.value_or(0));
            if (inOrder && m_below[*was].appearance == primitive.AppearanceKey()) {
                now.push_back(m_below[*was]);
                continue;
            }
            mark(m_below[*was].area);
        }
        now.push_back(EntryOf(primitive, engine, placement));
        mark(now.back().area);
    }
    for (std::size_t j = 0; j < m_below.size(); ++j)
        if (!kept[j])
            mark(m_below[j].area);
    m_below = std::move(now);

    // A listing flows around what lies above it and shows data no primitive
    // holds, so any change may move it within its box.
    if (listing && (m_contentChanged || !changed.isEmpty()))
        for (const Entry& entry : m_below)
            if (entry.primitive->IsDirectorySegment())
                mark(entry.area);
    if (everywhere)
        return std::nullopt;
    return changed;
}

void CRenderedPageCache::RenderRange(QPainter& painter, CDrawingEngine& engine, const Placement& placement,
                                     std::size_t from, std::size_t to)
{
    painter.save();
    painter.translate(-placement.scroll.x(), -placement.scroll.y());
    painter.setTransform(PageTransform(placement), true);
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
    const std::size_t live = FirstLive(engine);
    m_picture = QImage(placement.viewportSize * placement.devicePixelRatio, QImage::Format_RGB32);
    m_picture.setDevicePixelRatio(placement.devicePixelRatio);
    {
        QPainter painter(&m_picture);
        RenderRange(painter, engine, placement, 0, live);
    }
    // Recorded after drawing, which measures texts.
    m_below.clear();
    m_below.reserve(live);
    for (std::size_t i = 0; i < live; ++i)
        m_below.push_back(EntryOf(*engine.Primitives()[i], engine, placement));
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
    std::optional<QRegion> changed;
    if (m_valid && unscrolled == m_placement)
        changed = TakeChanges(engine, placement);
    if (!changed) {
        Rebuild(engine, placement);
    } else {
        if (placement.scroll != m_placement.scroll)
            Scroll(engine, placement);
        const QRegion shown = *changed & QRect(placement.scroll, placement.viewportSize);
        // Far apart changes are drawn one by one; many are drawn as one.
        constexpr int kMostAreas = 8;
        const QRegion areas = shown.rectCount() > kMostAreas ? QRegion(shown.boundingRect()) : shown;
        for (const QRect& area : areas)
            RenderInto(m_picture, engine, placement, area.translated(-placement.scroll));
    }
    m_contentChanged = false;
    painter.drawImage(QPoint(0, 0), m_picture);

    if (m_below.size() == engine.Primitives().size())
        return;
    RenderRange(painter, engine, placement, m_below.size(), SIZE_MAX);
}
