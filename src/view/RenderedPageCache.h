#pragma once
// The label as last rendered into the viewport, so that a repaint copies
// pixels instead of drawing every primitive again.
//
// The picture holds the paper and the primitives below the first selected
// one; those above it (the selection, a drag box, a shape being drawn) are
// drawn live over it on every repaint, so a gesture that changes only them
// costs what they cost. Scrolling reuses what stays in view and renders only
// the strips that come into it. A change to primitives in the picture renders
// again only where they were and where they are now.
#include "drawing/CDrawingEngine.h"

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QTransform>
#include <optional>
#include <vector>

class QPainter;

class CRenderedPageCache
{
public:
    // Where and how the label is shown: a change of any of these renders the
    // picture again (a scroll alone only renders what it exposes).
    struct Placement
    {
        QSize viewportSize;
        QPoint scroll;
        double pixelsPerUnitX = 1;
        double pixelsPerUnitY = 1;
        double devicePixelRatio = 1;
        int zoom = 100;
        QSize pageSize;
        bool operator==(const Placement&) const = default;
    };

    // The label may have changed in ways the primitives do not show (a
    // directory listing's data): a picture holding a listing is rendered
    // again whole. Other changes are found by comparing the primitives.
    void ContentChanged() { m_contentChanged = true; }

    // Paints the label as placed into painter (the viewport's).
    void Paint(QPainter& painter, CDrawingEngine& engine, const Placement& placement);

private:
    // A primitive in the picture: what it was drawn from, and where it
    // painted, in pixels of the unscrolled page (nothing: anywhere).
    struct Entry
    {
        const CPrimitive* primitive;
        std::size_t appearance;
        std::optional<QRect> area;
    };

    static std::size_t FirstLive(const CDrawingEngine& engine);
    // The label's view units to viewport pixels, without the scroll.
    static QTransform PageTransform(const Placement& placement);
    static Entry EntryOf(CPrimitive& primitive, const CDrawingEngine& engine, const Placement& placement);
    // Draws the primitives at [from, to) as placed (the paper with them from 0).
    static void RenderRange(QPainter& painter, CDrawingEngine& engine, const Placement& placement, std::size_t from,
                            std::size_t to);
    void RenderInto(QImage& image, CDrawingEngine& engine, const Placement& placement, const QRect& area) const;
    void Rebuild(CDrawingEngine& engine, const Placement& placement);
    void Scroll(CDrawingEngine& engine, const Placement& placement);
    // Brings the entries up to the label and returns where the picture must
    // be rendered again (unscrolled page pixels); nothing when everywhere.
    std::optional<QRegion> TakeChanges(CDrawingEngine& engine, const Placement& placement);

    QImage m_picture;
    Placement m_placement;
    std::vector<Entry> m_below;
    bool m_valid = false;
    bool m_contentChanged = false;
};
