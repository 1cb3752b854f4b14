#include "export/PrintRendering.h"

#include "document/CCovermintDoc.h"

#include <QImage>
#include <algorithm>
#include <QPainter>

void RenderAsPrinted(CCovermintDoc& document, QPainter& painter, double dpiX, double dpiY,
                     const PrinterCalibration& calibration)
{
    painter.save();
    painter.setWorldTransform(calibration.DeviceTransform(dpiX, dpiY), true);
    // Label units grow upward; devices grow downward.
    painter.scale(dpiX / 100.0, -dpiY / 100.0);
    RenderOptions options;
    options.printing = true;
    options.pageSize = document.PageSize();
    document.Engine().Render(painter, options);
    painter.restore();
}

void MeasureOnce(CCovermintDoc& document)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    RenderOptions options;
    options.printing = true;
    document.Engine().Render(painter, options);
}

QRect InkBox(CCovermintDoc& document)
{
    MeasureOnce(document);
    QRect box;
    for (const auto& primitive : document.Engine().Primitives()) {
        const QPoint a = primitive->GetTopLeft();
        const QPoint b = primitive->GetBottomRight();
        const QRect covered(QPoint(std::min(a.x(), b.x()), -std::max(a.y(), b.y())),
                            QPoint(std::max(a.x(), b.x()), -std::min(a.y(), b.y())));
        box = box.isNull() ? covered : box.united(covered);
    }
    return box;
}

bool PrintsTurned(CCovermintDoc& document)
{
    const QSize page = document.PageSize();
    return page.height() > page.width() && InkBox(document).right() > page.width();
}

QSize PrintedPageSize(CCovermintDoc& document)
{
    const QSize page = document.PageSize();
    return PrintsTurned(document) ? page.transposed() : page;
}
