#pragma once
// The media a label is made for, their typical sizes, and the column widths
// that make 1 to 6 columns of a directory listing fill such a label. A
// directory segment keeps the kind it was sized for in its name.
#include <QString>

#include <optional>
#include <span>

struct LabelKind
{
    const char* keyword;
    // How the kind is named in the questions asked after a context-menu
    // preset and after the Special Width dialog.
    const char* menuName;
    const char* dialogName;
    // Heads the kind's column presets in menus and dialogs.
    const char* presetTitle;
    int typicalWidth; // label units
    std::optional<int> typicalHeight;
    int columnPresets; // 1 to this many columns are offered
};

namespace LabelSizePresets {

// CD front, CD back, ZIP, JAZ.
std::span<const LabelKind> Kinds();
// The kind with exactly this keyword, or null.
const LabelKind* FindKind(const QString& keyword);

// Column width in inches that fits columns columns on a label of the kind.
// An unknown or empty kind counts as a CD front; a count the kind does not
// offer gives the CD front's one-column width.
float ColumnWidth(int columns, const QString& kind);

} // namespace LabelSizePresets
