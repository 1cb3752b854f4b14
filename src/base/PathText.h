#pragma once
// Folder paths as strings, with "/" separators.
#include <QString>

QString AddTrailingSeparator(const QString& path);
// Everything before the last separator; empty when there is none.
QString FolderOfPath(const QString& path);
