#pragma once
// The label as last rendered into the viewport, so that a repaint without a
// change copies pixels instead of drawing every primitive again.
//
// The picture holds the paper and the primitives below the first selected
// one; those above it (the selection, a drag box, a shape being drawn) are
// drawn live over it on every repaint, so a gesture that changes only them
// costs what they cost. Scrolling reuses what stays in view and renders only
// the strips that come into it.
#include "drawing/CDrawingEngine.h"

#include <QImage>
#include <QPoint>
#include <QSize>
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

    // Forgets the picture: the next paint renders everything.
    void Invalidate() { m_valid = false; }

    // Paints the label as placed into painter (the viewport's).
    void Paint(QPainter& painter, CDrawingEngine& engine, const Placement& placement);

private:
    // What a primitive in the cached picture was drawn from, as far as it
    // can be read cheaply: a change the view is not told of still shows
    // when it moves, resizes, selects or recolours a primitive.
    struct Entry
    {
        const CPrimitive* primitive;
        QPoint topLeft, bottomRight;
        ColorRef line, fill, text;
        bool operator==(const Entry&) const = default;
    };

    static std::size_t FirstLive(const CDrawingEngine& engine);
    static Entry EntryOf(const CPrimitive& primitive);
    bool BelowStillDrawn(const CDrawingEngine& engine) const;
    // Draws the primitives at [from, to) as placed (the paper with them from 0).
    static void RenderRange(QPainter& painter, CDrawingEngine& engine, const Placement& placement, std::size_t from,
                            std::size_t to);
    void RenderInto(QImage& image, CDrawingEngine& engine, const Placement& placement, const QRect& area) const;
    void Rebuild(CDrawingEngine& engine, const Placement& placement);
    void Scroll(CDrawingEngine& engine, const Placement& placement);

    QImage m_picture;
    Placement m_placement;
    std::vector<Entry> m_below;
    bool m_valid = false;
};
