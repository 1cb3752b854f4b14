#pragma once
// Conversions between the stored font description and Qt's fonts.
#include "base/FontSpec.h"

#include <QFont>

// Face, point size and the bold, italic, underline and strike-out bits.
QFont FontFromSpec(const FontSpec& fontSpec);
// The same from a font; rotation and justification are kept from base.
FontSpec SpecFromFont(const QFont& font, const FontSpec& base);
