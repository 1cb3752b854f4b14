#include "directory/SegmentSizing.h"

#include "directory/CDirectorySegment.h"
#include "platform/Prompter.h"

namespace SegmentSizing {

void OfferTypicalSize(CDirectorySegment& segment, const LabelKind& kind, const QString& kindName)
{
    if (segment.Width() != kind.typicalWidth
        && Prompter().AskYesNo(QStringLiteral("Do you want to change the width to that of a typical %1").arg(kindName)))
        segment.SetWidth(kind.typicalWidth);
    if (kind.typicalHeight && segment.Height() != *kind.typicalHeight
        && Prompter().AskYesNo(QStringLiteral("Do you want to change the height to that of a typical %1").arg(kindName)))
        segment.SetHeight(*kind.typicalHeight);
}

void ApplyColumnPreset(CDirectorySegment& segment, const LabelKind& kind, int columns)
{
    segment.SetLabelKind(QLatin1String(kind.keyword));
    segment.SetColumnWidth(LabelSizePresets::ColumnWidth(columns, segment.LabelKind()));
    OfferTypicalSize(segment, kind, QLatin1String(kind.menuName));
}

} // namespace SegmentSizing
