#pragma once
// Marks the directory segments a dialog is working on with their red frame,
// and takes the mark off again when the choice changes or the dialog goes.
#include <QString>

#include <memory>
#include <vector>

class CDirectorySegment;
class CDrawingEngine;
class CPrimitive;

class CSegmentHighlight
{
public:
    explicit CSegmentHighlight(CDrawingEngine& engine) : m_engine(engine) {}
    ~CSegmentHighlight() { Clear(); }
    CSegmentHighlight(const CSegmentHighlight&) = delete;
    CSegmentHighlight& operator=(const CSegmentHighlight&) = delete;

    // Only this segment (one of the engine's) is highlighted.
    void Only(const CDirectorySegment* segment);
    // Every directory segment with this segment name is highlighted.
    void AllNamed(const QString& segmentName);
    void Clear();

private:
    void Light(const std::shared_ptr<CPrimitive>& primitive);

    CDrawingEngine& m_engine;
    // Weak: a segment removed meanwhile is simply skipped.
    std::vector<std::weak_ptr<CPrimitive>> m_lit;
};
