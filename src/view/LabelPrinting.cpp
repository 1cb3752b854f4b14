#include "view/LabelPrinting.h"

#include "document/CCovermintDoc.h"

#include <QPainter>
#include <QPrinter>

void RenderLabelForPrint(CCovermintDoc& document, QPainter& painter, int dpi)
{
    painter.save();
    // Label units are 0.01 inch with y upward.
    painter.scale(dpi / 100.0, -dpi / 100.0);
    RenderOptions options;
    options.printing = true;
    options.pageSize = document.PageSize();
    document.Engine().Render(painter, options);
    painter.restore();
}

bool PrintLabel(CCovermintDoc& document, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    RenderLabelForPrint(document, painter, printer.resolution());
    return painter.end();
}
