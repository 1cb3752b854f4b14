#include "drawing/DrawingDefaults.h"

#include "document/CPreferences.h"

CDrawingDefaults& CDrawingDefaults::Instance()
{
    static CDrawingDefaults instance;
    return instance;
}

void CDrawingDefaults::LoadFromPreferences()
{
    const CPreferences& prefs = CPreferences::Instance();
    m_penWidth = prefs.PenWidth();
    m_lineColor = prefs.LineColor();
    m_fillColor = prefs.FillColor();
    m_textColor = prefs.TextColor();
    m_hollowFill = prefs.HollowFill();
    m_font = prefs.Font();
}

void CDrawingDefaults::SetPenWidth(int w)
{
    m_penWidth = w;
    CPreferences::Instance().SetPenWidth(w);
}

void CDrawingDefaults::SetLineColor(ColorRef c)
{
    m_lineColor = c;
    CPreferences::Instance().SetLineColor(c);
}

void CDrawingDefaults::SetFillColor(ColorRef c)
{
    m_fillColor = c;
    CPreferences::Instance().SetFillColor(c);
}

void CDrawingDefaults::SetTextColor(ColorRef c)
{
    m_textColor = c;
    CPreferences::Instance().SetTextColor(c);
}

void CDrawingDefaults::SetHollowFill(int v)
{
    m_hollowFill = v ? 1 : 0;
    CPreferences::Instance().SetHollowFill(m_hollowFill);
}

void CDrawingDefaults::SetFont(const FontSpec& font)
{
    m_font = font;
    CPreferences::Instance().SetFont(font);
}
