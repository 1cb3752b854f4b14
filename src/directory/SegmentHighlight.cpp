#include "directory/SegmentHighlight.h"

#include "directory/CDirectorySegment.h"
#include "drawing/CDrawingEngine.h"

void CSegmentHighlight::Light(const std::shared_ptr<CPrimitive>& primitive)
{
    static_cast<CDirectorySegment&>(*primitive).SetHighlight(true);
    m_lit.push_back(primitive);
}

void CSegmentHighlight::Only(const CDirectorySegment* segment)
{
    Clear();
    for (const PrimitivePtr& p : m_engine.Primitives())
        if (p.get() == segment)
            Light(p);
    m_engine.UpdateAllViews();
}

void CSegmentHighlight::AllNamed(const QString& segmentName)
{
    Clear();
    for (const PrimitivePtr& p : m_engine.Primitives())
        if (p->IsDirectorySegment() && p->GetSegmentName() == segmentName)
            Light(p);
    m_engine.UpdateAllViews();
}

void CSegmentHighlight::Clear()
{
    if (m_lit.empty())
        return;
    for (const std::weak_ptr<CPrimitive>& lit : m_lit)
        if (const std::shared_ptr<CPrimitive> p = lit.lock())
            static_cast<CDirectorySegment&>(*p).SetHighlight(false);
    m_lit.clear();
    m_engine.UpdateAllViews();
}
