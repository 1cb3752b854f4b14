#pragma once
// Printing, preview and export share one path: the label at its physical
// size, zoom 100, without handles, page outline or background.
#include <QString>

class CCovermintDoc;
class QPainter;
class QPrinter;

// Draws the label with the painter's origin at the label's top-left corner;
// dpi is the painter device's resolution in dots per inch.
void RenderLabelForPrint(CCovermintDoc& document, QPainter& painter, int dpi);

// Prints one page on the printer (a real printer or a PDF file); false when
// the job could not start.
bool PrintLabel(CCovermintDoc& document, QPrinter& printer);
