#pragma once
// Listings of the home folder's Labels and Templates, sorted the way the
// workspace and the new-label dialog show them: ascending, ignoring case.
#include <QString>
#include <QStringList>

namespace FolderListing {

bool EndsWithNoCase(const QString& text, const QString& suffix);
// Names of the regular files in folder whose name ends in suffix.
QStringList Files(const QString& folder, const QString& suffix);
QStringList SubFolders(const QString& folder);

inline const QString kLabelSuffix = QStringLiteral(".cla");
inline const QString kTemplateSuffix = QStringLiteral(".cte");

} // namespace FolderListing
