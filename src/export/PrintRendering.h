#pragma once
// The one way a label reaches paper, a PDF, an SVG or a PNG: zoom 100, no
// handles, no page outline, one label unit = 0.01 inch at the device's
// resolution, label point (0, 0) at the device's top-left corner.
class CCovermintDoc;
class QPainter;

void RenderAsPrinted(CCovermintDoc& document, QPainter& painter, double dpiX, double dpiY);
