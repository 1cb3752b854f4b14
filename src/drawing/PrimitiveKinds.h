#pragma once
// The primitive kinds a label file can name by PRIMTYPE. The drawing layer
// knows its own; higher layers add theirs, so loading never has to know them.
#include "drawing/CPrimitive.h"

#include <QString>

using PrimitiveFactory = PrimitivePtr (*)(CDrawingEngine* owner);

// Adds or replaces the kind of that name.
void AddPrimitiveKind(const QString& typeName, PrimitiveFactory factory);
// A primitive with default values owned by owner, or nothing for a name no
// one has added.
PrimitivePtr CreatePrimitiveOfKind(const QString& typeName, CDrawingEngine* owner);
