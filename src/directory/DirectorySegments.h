#pragma once
// The directory segments of an engine, as a set: their kind in the engine's
// registry of primitive kinds, highlighting, fonts and text colour.
#include "base/Geometry.h"

#include <QString>
#include <vector>

class CDirectorySegment;
class CDrawingEngine;
class CFileDirectory;

// Lets engines build "CDirectorySegment" by name (loading). Idempotent.
void AddDirectoryPrimitiveKinds();

// Bottom to top.
std::vector<CDirectorySegment*> SegmentsOf(const CDrawingEngine& engine);
// The highlight flag of every segment with that segment name.
void MarkSegment(CDrawingEngine& engine, const QString& segmentName, bool flag);
void SetSegmentFonts(CDrawingEngine& engine, double pointSize, const QString& faceName, int attributes);
void SetSegmentTextColour(CDrawingEngine& engine, ColorRef colour);
// How many entries of tree the segments of that segment name, laid out
// bottom to top as a drawing does, would leave out; 0 when there are none.
int LeftOutOfListing(const CDrawingEngine& engine, const QString& segmentName, const CFileDirectory& tree);
