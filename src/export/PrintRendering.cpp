#include "export/PrintRendering.h"

#include "document/CCovermintDoc.h"

#include <QPainter>

void RenderAsPrinted(CCovermintDoc& document, QPainter& painter, double dpiX, double dpiY)
{
    painter.save();
    // Label units grow upward; devices grow downward.
    painter.scale(dpiX / 100.0, -dpiY / 100.0);
    RenderOptions options;
    options.printing = true;
    options.pageSize = document.PageSize();
    document.Engine().Render(painter, options);
    painter.restore();
}
