#pragma once
// The Colors, Pen Size and Fonts commands: each makes its choice the current
// drawing default (saved in the preferences) and gives it to the selection.
#include "base/FontSpec.h"
#include "base/Geometry.h"
#include "drawing/dialogs/CColorPickerDialog.h"

#include <QFont>

class CCovermintDoc;

ColorChoice CurrentColorChoice();
void ApplyColorChoice(CCovermintDoc& document, const ColorChoice& choice);
void ApplyPenWidth(CCovermintDoc& document, int width);
void ApplyFontChoice(CCovermintDoc& document, const QFont& font, ColorRef textColor);
