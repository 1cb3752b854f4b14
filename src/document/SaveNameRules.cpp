#include "document/SaveNameRules.h"

#include "document/CPreferences.h"

#include <QFileInfo>

QString TrimDoubledExtension(const QString& chosen)
{
    if (chosen.endsWith(QStringLiteral(".cte.cla"), Qt::CaseInsensitive)
        || chosen.endsWith(QStringLiteral(".cla.cla"), Qt::CaseInsensitive))
        return chosen.chopped(4);
    return chosen;
}

QString ProposedSaveName(const QString& title, const QString& homeFolder)
{
    qsizetype cut = 0;
    while (cut < title.size() && !QStringLiteral(" #%;/\\").contains(title.at(cut)))
        ++cut;
    const QString name = title.left(cut) + QStringLiteral(".cla");
    if (homeFolder.isEmpty())
        return name;
    return AddTrailingSeparator(AddTrailingSeparator(homeFolder) + QStringLiteral("Labels")) + name;
}

bool SaveNeedsNewName(const QString& currentPath)
{
    const QFileInfo info(currentPath);
    if (currentPath.isEmpty() || !info.exists() || !info.isWritable())
        return true;
    // The mode decides, not access(): root may write anything, yet a file
    // nobody may write is read-only for root too.
    constexpr QFileDevice::Permissions anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !(info.permissions() & anyWrite);
}
