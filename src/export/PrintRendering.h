#pragma once
// The one way a label reaches paper, a PDF, an SVG or a PNG: zoom 100, no
// handles, no page outline, one label unit = 0.01 inch at the device's
// resolution, label point (0, 0) at the device's top-left corner.
#include "document/PrinterCalibration.h"

#include <QRect>
#include <QSize>

class CCovermintDoc;
class QPainter;

void RenderAsPrinted(CCovermintDoc& document, QPainter& painter, double dpiX, double dpiY,
                     const PrinterCalibration& calibration = {});

// Draws the label once off screen, so that texts know their boxes and
// special texts hold what they print.
void MeasureOnce(CCovermintDoc& document);

// The box every primitive of the label covers, in label units with y
// growing downward from the page's top-left corner; empty without primitives.
QRect InkBox(CCovermintDoc& document);

// A label wider than its page prints on the page turned (landscape) when
// the page is taller than wide.
bool PrintsTurned(CCovermintDoc& document);
// The page the label prints on: the document's page, turned by the rule above.
QSize PrintedPageSize(CCovermintDoc& document);
