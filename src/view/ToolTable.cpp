#include "view/ToolTable.h"

#include "directory/CDirectorySegment.h"
#include "drawing/CFreehand.h"
#include "drawing/CRectangle.h"
#include "drawing/CTextPrimitive.h"
#include "toolkit/CommandIds.h"

#include <array>

namespace {
struct ToolEntry
{
    Tool tool;
    int commandId;
    const char* prompt;
};

constexpr std::array<ToolEntry, 9> kTools{{
    {Tool::DirectorySegment, CommandId::ToolDirectorySegment,
     "Creates a directory segment to hold directory information\nDirectory Segment"},
    {Tool::Freehand, CommandId::ToolFreehand, "Use the cursor to draw a freehand object\nFreehand"},
    {Tool::Line, CommandId::ToolLine, "Use the cursor to draw a line object\nLine"},
    {Tool::Rectangle, CommandId::ToolRectangle, "Use the cursor to draw a rectangle object\nRectangle"},
    {Tool::RoundedRectangle, CommandId::ToolRoundedRectangle,
     "Use the cursor to draw a rounded rectangle object\nRounded Rectangle"},
    {Tool::Ellipse, CommandId::ToolEllipse, "Add an ellipse to the drawing\nEllipse"},
    {Tool::Text, CommandId::ToolText, "Add a text object to the drawing\nText"},
    {Tool::Selection, CommandId::ToolSelection, "Use the cursor to select drawing items\nSelection"},
    {Tool::DragSelection, CommandId::ToolDragSelection,
     "Use the cursor to drag select drawing items\nDrag Selection"},
}};

const ToolEntry* Find(Tool tool)
{
    for (const ToolEntry& e : kTools)
        if (e.tool == tool)
            return &e;
    return nullptr;
}
} // namespace

std::optional<Tool> ToolTable::ForCommand(int commandId)
{
    for (const ToolEntry& e : kTools)
        if (e.commandId == commandId)
            return e.tool;
    return std::nullopt;
}

int ToolTable::CommandFor(Tool tool)
{
    const ToolEntry* e = Find(tool);
    return e ? e->commandId : 0;
}

QString ToolTable::Prompt(Tool tool)
{
    const ToolEntry* e = Find(tool);
    return e ? QString::fromLatin1(e->prompt) : QString();
}

void ToolTable::Select(Tool tool)
{
    CDrawingDefaults& defaults = CDrawingDefaults::Instance();
    defaults.currentTool = tool;
    defaults.dragBoxMode = tool == Tool::DragSelection ? DragBoxMode::Selection : DragBoxMode::None;
}

PrimitivePtr ToolTable::CreatePrimitive(Tool tool, CDrawingEngine& engine)
{
    const CDrawingDefaults& defaults = CDrawingDefaults::Instance();
    const int pen = defaults.PenWidth();
    switch (tool) {
    case Tool::Freehand:
        return std::make_shared<CFreehand>(pen, &engine);
    case Tool::Line:
        return std::make_shared<CLine>(pen, &engine);
    case Tool::Rectangle:
        return std::make_shared<CRectangle>(pen, &engine);
    case Tool::RoundedRectangle:
        return std::make_shared<CRoundedRect>(pen, &engine);
    case Tool::Ellipse:
        return std::make_shared<CEllipse>(pen, &engine);
    case Tool::Text: {
        auto text = std::make_shared<CTextPrimitive>(&engine);
        text->SetText(QStringLiteral("<New Text>"));
        text->SetFont(defaults.Font());
        return text;
    }
    case Tool::DirectorySegment:
        return std::make_shared<CDirectorySegment>(&engine, pen);
    case Tool::Selection:
    case Tool::DragSelection:
        break;
    }
    return nullptr;
}
