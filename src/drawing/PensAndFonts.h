#pragma once
// The fonts and pens primitives draw with, and conversions between the
// stored font description and Qt's fonts.
#include "base/FontSpec.h"
#include "base/Geometry.h"
#include "drawing/ZoomTransform.h"

#include <QFont>
#include <QPen>

// Fonts in view units (scaled) or label units (unscaled); pixel sizes, so a
// painter's scaling applies to them like to every other coordinate.
QFont ScaledFont(const FontSpec& fontSpec, const CZoomTransform& zoom);
QFont UnscaledFont(const FontSpec& fontSpec);

// Widths in view units: a line pen of a width and colour (cosmetic one pixel
// when the width is 0), the light-grey drag-box pen and the black handle pen.
QPen LinePen(int viewWidth, ColorRef color);
QPen DragBoxPen();
QPen HandlePen();

// Face, point size and the bold, italic, underline and strike-out bits; the
// face is the installed family it resolves to.
QFont FontFromSpec(const FontSpec& fontSpec);
// The same from a font; rotation and justification are kept from base, and
// so is base's face name when the font's family is the one it resolves to.
FontSpec SpecFromFont(const QFont& font, const FontSpec& base);
