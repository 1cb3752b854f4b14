#include "platform/PrinterInfo.h"

namespace {
CPrinterInfoSource* g_source = nullptr;
QSize g_current(850, 1100);
}

void SetPrinterInfoSource(CPrinterInfoSource* source)
{
    g_source = source;
}

QSize DefaultPrinterPageSize()
{
    QSize size(850, 1100);
    if (!g_source)
        return size;
    const std::optional<QSizeF> mm = g_source->DefaultPrintableMillimetres();
    if (!mm || mm->width() <= 0 || mm->height() <= 0)
        return size;
    const float w = float(mm->width()) / 0.254f;
    const float h = float(mm->height()) / 0.254f;
    return QSize(int(w), int(h));
}

QSize CurrentPageSize()
{
    return g_current;
}

void PublishPageSize(QSize size)
{
    g_current = size;
}
