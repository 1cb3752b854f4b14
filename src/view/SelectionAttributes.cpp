#include "view/SelectionAttributes.h"

#include "document/CCovermintDoc.h"
#include "drawing/DrawingDefaults.h"

#include <QFontInfo>

namespace {

// The installed family a face is drawn with. Fontconfig answers aliases such
// as "Times New Roman" with a real family, and only real ones are listed by
// the font chooser.
QString InstalledFamily(const QString& faceName)
{
    QFont font;
    if (!faceName.isEmpty())
        font.setFamily(faceName);
    return QFontInfo(font).family();
}

} // namespace

ColorChoice CurrentColorChoice()
{
    const CDrawingDefaults& d = CDrawingDefaults::Instance();
    return ColorChoice{d.LineColor(), d.TextColor(), d.FillColor(), d.HollowFill()};
}

void ApplyColorChoice(CCovermintDoc& document, const ColorChoice& choice)
{
    CDrawingDefaults& d = CDrawingDefaults::Instance();
    d.SetLineColor(choice.line);
    d.SetTextColor(choice.text);
    d.SetFillColor(choice.fill);
    d.SetHollowFill(choice.hollowFill);
    CDrawingEngine& engine = document.Engine();
    engine.SetSelectedFillColour(choice.fill);
    engine.SetSelectedLineColour(choice.line);
    engine.SetSelectedTextColour(choice.text);
    engine.SetSelectedHollowFill(choice.hollowFill);
    document.UpdateAllViews();
}

void ApplyPenWidth(CCovermintDoc& document, int width)
{
    CDrawingDefaults::Instance().SetPenWidth(width);
    document.Engine().SetSelectedPenWidth(width);
    document.UpdateAllViews();
}

void ApplyFontChoice(CCovermintDoc& document, const QFont& font, ColorRef textColor)
{
    CDrawingDefaults& d = CDrawingDefaults::Instance();
    d.SetFont(SpecFromFont(font, d.Font()));
    d.SetTextColor(textColor);
    CDrawingEngine& engine = document.Engine();
    engine.ApplyCurrentFont();
    engine.SetSelectedTextColour(textColor);
    document.UpdateAllViews();
}

QFont FontFromSpec(const FontSpec& fontSpec)
{
    QFont font;
    font.setFamily(InstalledFamily(fontSpec.faceName));
    if (fontSpec.pointSize > 0)
        font.setPointSizeF(fontSpec.pointSize);
    font.setBold(fontSpec.attributes & FontSpec::Bold);
    font.setItalic(fontSpec.attributes & FontSpec::Italic);
    font.setUnderline(fontSpec.attributes & FontSpec::Underline);
    font.setStrikeOut(fontSpec.attributes & FontSpec::StrikeOut);
    return font;
}

FontSpec SpecFromFont(const QFont& font, const FontSpec& base)
{
    FontSpec fontSpec = base;
    // The family the face resolves to keeps the face name as stored.
    if (font.family() != InstalledFamily(base.faceName))
        fontSpec.faceName = font.family();
    if (font.pointSizeF() > 0)
        fontSpec.pointSize = font.pointSizeF();
    fontSpec.attributes = (font.weight() > QFont::Normal ? FontSpec::Bold : 0)
        | (font.italic() ? FontSpec::Italic : 0)
        | (font.underline() ? FontSpec::Underline : 0)
        | (font.strikeOut() ? FontSpec::StrikeOut : 0);
    return fontSpec;
}
