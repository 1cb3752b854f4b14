#pragma once
// The desktop's shared list of recently used files (the XBEL file that file
// managers and open dialogs read), so labels opened or saved here show up
// there too. Our own menu keeps its list in QSettings.
#include <QDateTime>
#include <QString>

class CDesktopRecentFiles
{
public:
    // $XDG_DATA_HOME/recently-used.xbel
    static QString DefaultListPath();

    // Records path as used now by Covermint: a new entry, or the old one
    // moved to now with its use count raised. A list that cannot be read as
    // XML is left as it is, never overwritten. Returns whether the list holds
    // the entry afterwards.
    static bool Add(const QString& path, const QString& listPath = DefaultListPath(),
                    const QDateTime& now = QDateTime::currentDateTimeUtc());
};
