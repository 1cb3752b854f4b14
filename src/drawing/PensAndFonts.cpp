#include "drawing/PensAndFonts.h"

#include <QFontInfo>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxFontHeight = 100000; // label units

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

// Point size to label units (1/100 inch), truncated and at least 1.
int FontHeightInLabelUnits(double pointSize)
{
    if (!(pointSize > 0.0))
        return 1;
    const double height = std::trunc(pointSize / 72.0 * 100.0);
    return int(std::clamp(height, 1.0, double(kMaxFontHeight)));
}

QFont StyledFont(const FontSpec& fontSpec, int pixelSize)
{
    QFont font;
    if (!fontSpec.faceName.isEmpty())
        font.setFamily(fontSpec.faceName);
    font.setPixelSize(std::max(1, pixelSize));
    font.setWeight((fontSpec.attributes & FontSpec::Bold) ? QFont::Bold : QFont::Normal);
    font.setItalic(fontSpec.attributes & FontSpec::Italic);
    font.setUnderline(fontSpec.attributes & FontSpec::Underline);
    font.setStrikeOut(fontSpec.attributes & FontSpec::StrikeOut);
    return font;
}

} // namespace

QFont ScaledFont(const FontSpec& fontSpec, const CZoomTransform& zoom)
{
    return StyledFont(fontSpec, zoom.ToView(FontHeightInLabelUnits(fontSpec.pointSize)));
}

QFont UnscaledFont(const FontSpec& fontSpec)
{
    return StyledFont(fontSpec, FontHeightInLabelUnits(fontSpec.pointSize));
}

QPen LinePen(int viewWidth, ColorRef color)
{
    // Width 0 is Qt's cosmetic one-pixel pen.
    return QPen(ColorOf(color), std::max(0, viewWidth), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen DragBoxPen()
{
    return QPen(QColor(192, 192, 192), 1);
}

QPen HandlePen()
{
    return QPen(Qt::black, 1);
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
