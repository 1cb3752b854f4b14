#include "drawing/PensAndFonts.h"

QFont FontFromSpec(const FontSpec& fontSpec)
{
    QFont font;
    if (!fontSpec.faceName.isEmpty())
        font.setFamily(fontSpec.faceName);
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
    fontSpec.faceName = font.family();
    if (font.pointSizeF() > 0)
        fontSpec.pointSize = font.pointSizeF();
    fontSpec.attributes = (font.weight() > QFont::Normal ? FontSpec::Bold : 0)
        | (font.italic() ? FontSpec::Italic : 0)
        | (font.underline() ? FontSpec::Underline : 0)
        | (font.strikeOut() ? FontSpec::StrikeOut : 0);
    return fontSpec;
}
