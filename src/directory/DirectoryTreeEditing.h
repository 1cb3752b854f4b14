#pragma once
// Edits a person makes to a directory listing before it goes on the label:
// reordering and removing entries, and dropping every file of a type. Only
// the tree changes; nothing on the disk is touched.
#include "directory/CFileInformation.h"

#include <optional>

namespace DirectoryTreeEditing {

// The directory whose children hold node, or null when node is not in the
// tree below root.
CFileDirectory* ParentOf(CFileDirectory& root, const CFileInformation* node);
// Removes node and its subtree; false when it is not in the tree.
bool Remove(CFileDirectory& root, const CFileInformation* node);
// Swaps node with its previous (step -1) or next (step +1) sibling; false
// when there is no such sibling or node is not in the tree.
bool Move(CFileDirectory& root, const CFileInformation* node, int step);
bool CanMove(CFileDirectory& root, const CFileInformation* node, int step);

// The extension a person typed, trimmed and lower-cased, when it is usable:
// a dot and at least one more character.
std::optional<QString> FiletypeExtension(const QString& typed);
// A file whose name ends with the extension, in any case.
bool IsFileOfType(const CFileInformation& node, const QString& extension);
// Removes every file of that type at any depth; returns how many.
int RemoveFilesOfType(CFileDirectory& root, const QString& extension);

} // namespace DirectoryTreeEditing
