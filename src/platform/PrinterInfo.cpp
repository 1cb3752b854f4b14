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
    // Truncated, but not below a whole unit that rounding error just missed
    // (8.5 inches of paper, 215.9 mm, would otherwise show as 849).
    constexpr float kTolerance = 0.001f;
    return QSize(int(w + kTolerance), int(h + kTolerance));
}

QSize CurrentPageSize()
{
    return g_current;
}

void PublishPageSize(QSize size)
{
    g_current = size;
}
