#pragma once
// The context menu's "Width" commands: one per kind of label and column
// count, applying the column preset to the selected directory segment.
#include "directory/LabelSizePresets.h"

#include <optional>

class CDrawingEngine;

struct WidthPresetCommand
{
    const LabelKind* kind;
    int columns;
};

namespace WidthPresetCommands {

// The command id of the kind's one-column preset; the others follow it.
int FirstCommand(const LabelKind& kind);
std::optional<WidthPresetCommand> For(int commandId);
// Does nothing unless the selected primitive is a directory segment.
void Apply(CDrawingEngine& engine, int commandId);

} // namespace WidthPresetCommands
