#include "view/LabelPrinting.h"

#include "export/PrintRendering.h"

#include <QPainter>
#include <QPrinter>

bool PrintLabel(CCovermintDoc& document, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    RenderAsPrinted(document, painter, printer.resolution(), printer.resolution());
    return painter.end();
}
