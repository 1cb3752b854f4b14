#pragma once
// How Save and Save As pick the file name; the dialog itself is the window's.
#include <QString>

// A name ending, in any case, with ".cte.cla" or ".cla.cla" loses its last
// four characters: the dialog appended ".cla" to a typed ending.
QString TrimDoubledExtension(const QString& chosen);

// The name offered for a label without a file: the title cut at the first of
// " #%;/\" with ".cla" appended, in the home folder's "Labels" folder when a
// home folder is known.
QString ProposedSaveName(const QString& title, const QString& homeFolder);

// Save behaves as Save As when there is no file yet or it is read-only: no
// write bit in its mode, or not writable by this user.
bool SaveNeedsNewName(const QString& currentPath);
