#include "view/WidthPresetCommands.h"

#include "directory/CDirectorySegment.h"
#include "directory/SegmentSizing.h"
#include "drawing/CDrawingEngine.h"
#include "drawing/EditSnapshot.h"
#include "toolkit/CommandIds.h"

namespace WidthPresetCommands {

int FirstCommand(const LabelKind& kind)
{
    static const std::pair<const char*, int> kFirst[] = {
        {"CDFRONT", CommandId::WidthFront1},
        {"CDBACK", CommandId::WidthBack1},
        {"ZIP", CommandId::WidthZip1},
        {"JAZ", CommandId::WidthJaz1},
    };
    for (const auto& [keyword, id] : kFirst)
        if (qstrcmp(keyword, kind.keyword) == 0)
            return id;
    return 0;
}

std::optional<WidthPresetCommand> For(int commandId)
{
    for (const LabelKind& kind : LabelSizePresets::Kinds()) {
        const int columns = commandId - FirstCommand(kind) + 1;
        if (columns >= 1 && columns <= kind.columnPresets)
            return WidthPresetCommand{&kind, columns};
    }
    return std::nullopt;
}

void Apply(CDrawingEngine& engine, int commandId)
{
    const std::optional<WidthPresetCommand> preset = For(commandId);
    auto* segment = dynamic_cast<CDirectorySegment*>(engine.FirstSelected().get());
    if (!preset || !segment)
        return;
    CEditRecorder record(engine, QStringLiteral("Column Width"), CEditRecorder::Scope::Selected);
    SegmentSizing::ApplyColumnPreset(*segment, *preset->kind, preset->columns);
    record.Finish();
    engine.MarkModified();
    engine.UpdateAllViews();
}

} // namespace WidthPresetCommands
