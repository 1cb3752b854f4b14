#pragma once
// Sizing a directory segment for a kind of label: the column preset, and the
// offer to give the segment the kind's typical width and height.
#include "directory/LabelSizePresets.h"

class CDirectorySegment;

namespace SegmentSizing {

// Asks (Yes/No) whether the segment should take the kind's typical width,
// then its typical height, each only when the kind has one and the segment
// differs from it; kindName names the kind in the questions.
void OfferTypicalSize(CDirectorySegment& segment, const LabelKind& kind, const QString& kindName);

// The context menu's preset: the segment becomes sized for the kind, takes
// the preset column width for columns and is offered the typical size.
void ApplyColumnPreset(CDirectorySegment& segment, const LabelKind& kind, int columns);

} // namespace SegmentSizing
