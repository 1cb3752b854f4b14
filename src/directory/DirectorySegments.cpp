#include "directory/DirectorySegments.h"

#include "directory/CDirectorySegment.h"
#include "directory/CFileInformation.h"
#include "drawing/CDrawingEngine.h"
#include "drawing/PrimitiveKinds.h"

#include <QImage>
#include <QPainter>

void AddDirectoryPrimitiveKinds()
{
    AddPrimitiveKind(QString::fromLatin1(CDirectorySegment::kTypeName),
                     [](CDrawingEngine* owner) -> PrimitivePtr { return std::make_shared<CDirectorySegment>(owner); });
}

std::vector<CDirectorySegment*> SegmentsOf(const CDrawingEngine& engine)
{
    std::vector<CDirectorySegment*> segments;
    for (const PrimitivePtr& p : engine.Primitives())
        if (auto* segment = dynamic_cast<CDirectorySegment*>(p.get()))
            segments.push_back(segment);
    return segments;
}

void MarkSegment(CDrawingEngine& engine, const QString& segmentName, bool flag)
{
    for (CDirectorySegment* segment : SegmentsOf(engine))
        if (segment->GetSegmentName() == segmentName)
            segment->SetHighlight(flag);
}

void SetSegmentFonts(CDrawingEngine& engine, double pointSize, const QString& faceName, int attributes)
{
    for (CDirectorySegment* segment : SegmentsOf(engine)) {
        FontSpec font = segment->Font();
        font.pointSize = pointSize;
        font.faceName = faceName;
        font.attributes = attributes;
        segment->SetFont(font);
    }
}

void SetSegmentTextColour(CDrawingEngine& engine, ColorRef colour)
{
    for (CDirectorySegment* segment : SegmentsOf(engine))
        segment->SetTextColor(colour);
}

int LeftOutOfListing(const CDrawingEngine& engine, const QString& segmentName, const CFileDirectory& tree)
{
    CFileDirectory copy;
    copy.DeepCopyFrom(tree);
    // The layout draws as it goes; a one-pixel image takes the strokes.
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    int leftOut = 0;
    for (const CDirectorySegment* segment : SegmentsOf(engine))
        if (segment->GetSegmentName() == segmentName)
            leftOut = segment->LeftOutOf(painter, copy);
    return leftOut;
}
