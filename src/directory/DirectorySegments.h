#pragma once
// The directory segments of an engine, as a set: their kind in the engine's
// registry of primitive kinds, highlighting, fonts and text colour.
#include "base/Geometry.h"

#include <QString>
#include <vector>

class CDirectorySegment;
class CDrawingEngine;

// Lets engines build "CDirectorySegment" by name (loading). Idempotent.
void AddDirectoryPrimitiveKinds();

// Bottom to top.
std::vector<CDirectorySegment*> SegmentsOf(const CDrawingEngine& engine);
// The highlight flag of every segment with that segment name.
void MarkSegment(CDrawingEngine& engine, const QString& segmentName, int flag);
void SetSegmentFonts(CDrawingEngine& engine, double pointSize, const QString& faceName, int attributes);
void SetSegmentTextColour(CDrawingEngine& engine, ColorRef colour);
