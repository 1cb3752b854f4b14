#include "drawing/DrawingDefaults.h"

CDrawingDefaults& CDrawingDefaults::Instance()
{
    static CDrawingDefaults instance;
    return instance;
}

DrawingAttributes CDrawingDefaults::Attributes() const
{
    return m_store ? m_store->Attributes() : m_memory;
}

QString CDrawingDefaults::HomeFolder() const
{
    return m_store ? m_store->HomeFolder() : QString();
}

template <class Value>
void CDrawingDefaults::Set(Value DrawingAttributes::*field, const Value& value)
{
    if (!m_store) {
        m_memory.*field = value;
        return;
    }
    DrawingAttributes attributes = m_store->Attributes();
    attributes.*field = value;
    m_store->SetAttributes(attributes);
}

void CDrawingDefaults::SetPenWidth(int w)
{
    Set(&DrawingAttributes::penWidth, w);
}

void CDrawingDefaults::SetLineColor(ColorRef c)
{
    Set(&DrawingAttributes::lineColor, c);
}

void CDrawingDefaults::SetFillColor(ColorRef c)
{
    Set(&DrawingAttributes::fillColor, c);
}

void CDrawingDefaults::SetTextColor(ColorRef c)
{
    Set(&DrawingAttributes::textColor, c);
}

void CDrawingDefaults::SetHollowFill(int v)
{
    Set(&DrawingAttributes::hollowFill, v ? 1 : 0);
}

void CDrawingDefaults::SetFont(const FontSpec& font)
{
    Set(&DrawingAttributes::font, font);
}
