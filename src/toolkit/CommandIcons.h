#pragma once
// Painted icons for the tool bars and menus, so that the program needs no
// image files of its own and looks the same under every desktop theme.
#include <QIcon>

class CommandIcons
{
public:
    // The icon of a command id (toolkit/CommandIds.h); null for commands without one.
    static QIcon ForCommand(int commandId);
    // The program's own icon: a disc.
    static QIcon Application();
};
