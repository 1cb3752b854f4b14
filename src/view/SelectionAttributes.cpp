#include "view/SelectionAttributes.h"

#include "document/CCovermintDoc.h"
#include "drawing/DrawingDefaults.h"
#include "drawing/PensAndFonts.h"

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
    CEditRecorder record(engine, QStringLiteral("Colors"), CEditRecorder::Scope::Selected);
    engine.SetSelectedFillColour(choice.fill);
    engine.SetSelectedLineColour(choice.line);
    engine.SetSelectedTextColour(choice.text);
    engine.SetSelectedHollowFill(choice.hollowFill);
    record.Finish();
    document.UpdateAllViews();
}

void ApplyPenWidth(CCovermintDoc& document, int width)
{
    CDrawingDefaults::Instance().SetPenWidth(width);
    CEditRecorder record(document.Engine(), QStringLiteral("Pen Width"), CEditRecorder::Scope::Selected);
    document.Engine().SetSelectedPenWidth(width);
    record.Finish();
    document.UpdateAllViews();
}

void ApplyFontChoice(CCovermintDoc& document, const QFont& font, ColorRef textColor)
{
    CDrawingDefaults& d = CDrawingDefaults::Instance();
    d.SetFont(SpecFromFont(font, d.Font()));
    d.SetTextColor(textColor);
    CDrawingEngine& engine = document.Engine();
    CEditRecorder record(engine, QStringLiteral("Font"), CEditRecorder::Scope::Selected);
    engine.ApplyCurrentFont();
    engine.SetSelectedTextColour(textColor);
    record.Finish();
    document.UpdateAllViews();
}
