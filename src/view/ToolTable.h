#pragma once
// The drawing tools: their command ids and prompts, the process-wide choice
// of tool, and the primitive each drawing tool creates.
#include "drawing/CPrimitive.h"
#include "drawing/DrawingDefaults.h"

#include <QString>
#include <optional>

class CDrawingEngine;

namespace ToolTable {
std::optional<Tool> ForCommand(int commandId);
int CommandFor(Tool tool);
// Status text and tooltip, separated by '\n'.
QString Prompt(Tool tool);

// Sets the current tool and the drag-box mode that goes with it.
void Select(Tool tool);
// The primitive a press of a drawing tool creates, with the current drawing
// defaults and owned by the engine; none for Selection and Drag selection.
PrimitivePtr CreatePrimitive(Tool tool, CDrawingEngine& engine);
} // namespace ToolTable
