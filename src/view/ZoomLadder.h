#pragma once
// The fixed zoom levels of a label view and the Zoom In / Zoom Out steps.
#include "toolkit/CommandIds.h"

namespace ZoomLadder {
// The next level up; 300 stays 300, a zoom off the ladder steps to 100.
int Next(int zoomPercent);
// The next level down; 10 stays 10, a zoom off the ladder steps to 100.
int Previous(int zoomPercent);
// The zoom of a "10%" ... "300%" command, or 0 for any other id.
int ForCommand(int commandId);
} // namespace ZoomLadder
