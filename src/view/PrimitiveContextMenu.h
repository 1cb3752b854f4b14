#pragma once
// The context menu of a right-clicked primitive.
#include <QMenu>
#include <functional>
#include <memory>

class CPrimitive;

// "&Properties...", "Make (Un)moveable", "Make (Un)selectable" and, for a
// directory segment only, the "Width" presets; choosing an item calls
// onCommand with its command id.
std::unique_ptr<QMenu> BuildPrimitiveContextMenu(const CPrimitive& primitive, bool wasSelectable,
                                                 const std::function<void(int)>& onCommand,
                                                 QWidget* parent);
