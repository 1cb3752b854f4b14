#include "cd/DriveList.h"

#include "cd/CMciDevice.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace {

QString VolumeCaption(const QStorageInfo& volume, bool optical)
{
    QString caption = volume.name().isEmpty() ? volume.rootPath()
                                              : QStringLiteral("%1 (%2)").arg(volume.name(), volume.rootPath());
    if (optical)
        caption += QStringLiteral(" - CD/DVD drive %1").arg(QString::fromLocal8Bit(volume.device()));
    return caption;
}

// The device node behind a drive path, links resolved (/dev/cdrom -> /dev/sr0).
QString Canonical(const QString& device)
{
    const QString resolved = QFileInfo(device).canonicalFilePath();
    return resolved.isEmpty() ? device : resolved;
}

} // namespace

std::vector<DriveEntry> ListDrives()
{
    QStringList optical;
    for (const QString& device : CdDrivePaths())
        optical << Canonical(device);

    std::vector<DriveEntry> drives;
    QStringList mountedOptical;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString device = Canonical(QString::fromLocal8Bit(volume.device()));
        const bool isOptical = optical.contains(device);
        if (isOptical)
            mountedOptical << device;
        drives.push_back({volume.rootPath(), VolumeCaption(volume, isOptical)});
    }
    for (const QString& device : optical)
        if (!mountedOptical.contains(device))
            drives.push_back({device, QStringLiteral("CD/DVD drive %1 (no disc mounted)").arg(device)});
    return drives;
}
