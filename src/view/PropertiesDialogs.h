#pragma once
// Picks the properties dialog of a primitive by its class.
#include "toolkit/ApplyDialog.h"

#include <memory>

class CPrimitive;
class CCovermintDoc;

// Lines get "Line Properties", the rest of the rectangle family, texts and
// images "Properties", freehand strokes "Freehand Properties"; none for
// anything else.
std::unique_ptr<CApplyDialog> CreatePropertiesDialog(CPrimitive& primitive, CCovermintDoc& document, QWidget* parent);
