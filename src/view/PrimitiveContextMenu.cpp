#include "view/PrimitiveContextMenu.h"

#include "drawing/CPrimitive.h"
#include "toolkit/CommandIds.h"

namespace {
struct WidthKind
{
    const char* name;
    int firstId;
    int columns;
};

constexpr WidthKind kWidthKinds[] = {
    {"CD Jewel Case (Front)", CommandId::WidthFront1, 6},
    {"CD Jewel Case (Back)", CommandId::WidthBack1, 6},
    {"ZIP Disk", CommandId::WidthZip1, 3},
    {"JAZ Disk", CommandId::WidthJaz1, 3},
};

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
        for (const WidthKind& kind : kWidthKinds) {
            QMenu* sub = width->addMenu(QObject::tr(kind.name));
            for (int c = 1; c <= kind.columns; ++c)
                AddItem(*sub, QObject::tr("%1 Column").arg(c), kind.firstId + c - 1, onCommand);
        }
    }
    return menu;
}
