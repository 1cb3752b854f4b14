#pragma once
// Output files named after what they hold (a disc's title, a volume label):
// names made safe for the file system, and finished files moved into place
// without ever replacing an earlier one.
#include <QString>

namespace OutputNames {

// Path separators, control and shell-hostile characters become "_"; blanks
// and dots at either end go (no hidden files); long names are cut; an empty
// result is "Medium".
QString SafeFileName(const QString& name);

// Renames the finished file from to "<dir>/<base><suffix>", or
// "<base> (2)<suffix>" and so on when that is taken; never replaces a file.
// Returns the final path, or an empty string with error set.
QString MoveToFreeName(const QString& from, const QString& dir, const QString& base, const QString& suffix,
                       QString* error);

} // namespace OutputNames
