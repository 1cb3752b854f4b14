#pragma once
// Text, shortcut and prompt of every menu and tool-bar command. The prompt
// is "status bar text\ntooltip".
#include <QString>
#include <span>

struct CommandInfo
{
    int id;
    const char* text;
    const char* shortcut; // portable text, "" for none
    const char* prompt;
    bool checkable = false;
};

namespace CommandTable {

std::span<const CommandInfo> All();
const CommandInfo* Find(int id);

// Commands whose features are not part of this program yet; their actions
// exist but are never shown.
bool IsUnavailable(int id);

bool IsToolCommand(int id);
bool IsZoomLevel(int id);
bool IsPenSize(int id);
// Commands carried out by the active label view.
bool IsViewCommand(int id);
// Commands on the active label document (edit commands, header, save).
bool IsDocumentCommand(int id);

} // namespace CommandTable
