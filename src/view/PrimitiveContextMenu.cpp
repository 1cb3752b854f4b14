#include "view/PrimitiveContextMenu.h"

#include "drawing/CPrimitive.h"
#include "toolkit/CommandIds.h"
#include "view/WidthPresetCommands.h"

namespace {
void AddItem(QMenu& menu, const QString& text, int id, const std::function<void(int)>& onCommand)
{
    QAction* action = menu.addAction(text);
    action->setData(id);
    QObject::connect(action, &QAction::triggered, &menu, [onCommand, id] { onCommand(id); });
}
} // namespace

std::unique_ptr<QMenu> BuildPrimitiveContextMenu(const CPrimitive& primitive, bool wasSelectable,
                                                 const std::function<void(int)>& onCommand,
                                                 QWidget* parent)
{
    auto menu = std::make_unique<QMenu>(parent);
    AddItem(*menu, QObject::tr("&Properties..."), CommandId::Properties, onCommand);
    AddItem(*menu, primitive.IsMoveable() ? QObject::tr("Make Unmoveable") : QObject::tr("Make Moveable"),
            CommandId::ToggleMoveable, onCommand);
    AddItem(*menu, wasSelectable ? QObject::tr("Make Unselectable") : QObject::tr("Make Selectable"),
            CommandId::ToggleSelectable, onCommand);
    if (primitive.IsDirectorySegment()) {
        QMenu* width = menu->addMenu(QObject::tr("Width"));
        for (const LabelKind& kind : LabelSizePresets::Kinds()) {
            QMenu* sub = width->addMenu(QObject::tr(kind.presetTitle));
            const int first = WidthPresetCommands::FirstCommand(kind);
            for (int c = 1; c <= kind.columnPresets; ++c)
                AddItem(*sub, QObject::tr("%1 Column").arg(c), first + c - 1, onCommand);
        }
    }
    return menu;
}
