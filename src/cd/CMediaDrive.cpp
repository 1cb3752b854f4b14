#include "cd/CMediaDrive.h"

#include "cd/CCdAudio.h"
#include "directory/IsoImageReader.h"
#include "platform/MediaVolumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

quint32 DiscIdOf(const QString& drive)
{
    CCdAudio device;
    if (device.Open(drive) != CMciDevice::NoError)
        return 0;
    const std::optional<CDiscToc> toc = device.TableOfContents();
    device.Close();
    return toc ? toc->DiscId() : 0;
}

} // namespace

bool CMediaDrive::IsDiscImage(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return QFileInfo(path).isFile()
           && (suffix == QLatin1String("cue") || suffix == QLatin1String("toc") || suffix == QLatin1String("nrg"));
}

quint32 CMediaDrive::VolumeSerial(const QString& drive)
{
    if (IsDiscImage(drive))
        return DiscIdOf(drive);
    if (IsIsoImage(drive))
        return IsoVolumeSerial(drive);
    const MediaVolumes::CBlockDevice device = MediaVolumes::DeviceOf(drive);
    if (!device.fsUuid.isEmpty())
        return MediaVolumes::SerialOf(device.fsUuid);
    if (device.optical)
        return DiscIdOf(device.node);
    if (!device.node.isEmpty() && MediaVolumes::IsBlockDevice(drive))
        return 0;
    if (!QFileInfo(drive).isDir())
        return 0;
    const quint64 id = MediaVolumes::FileSystemId(drive);
    return MediaVolumes::SerialOf(id ? QString::number(id, 16) : QString());
}

bool CMediaDrive::IsCdRom(const QString& drive)
{
    return IsDiscImage(drive) || MediaVolumes::DeviceOf(drive).optical;
}

bool CMediaDrive::CanOpenCdAudio(const QString& drive)
{
    // Opened only to check: an open device would keep the tray locked on
    // some systems, and the next medium has to go in.
    const QString node = IsDiscImage(drive) ? drive : MediaVolumes::DeviceOf(drive).node;
    CCdAudio device;
    const bool opened = !node.isEmpty() && device.Open(node) == CMciDevice::NoError;
    device.Close();
    return opened;
}

QString CMediaDrive::DirectoryPath(const QString& drive)
{
    if (!MediaVolumes::IsBlockDevice(drive))
        return drive;
    const QString mounted = MediaVolumes::MountPointOf(drive);
    return mounted.isEmpty() ? drive : mounted;
}

QString CMediaDrive::VolumeLabel(const QString& drive)
{
    if (const QString label = MediaVolumes::DeviceOf(drive).fsLabel; !label.isEmpty())
        return label;
    if (const QString label = IsoVolumeLabel(drive); !label.isEmpty())
        return label;
    const QString path = DirectoryPath(drive);
    const QStorageInfo storage(path);
    if (storage.isValid() && QFileInfo(storage.rootPath()).canonicalFilePath() == QFileInfo(path).canonicalFilePath()
        && !storage.name().isEmpty())
        return storage.name();
    return QFileInfo(QDir::cleanPath(path)).fileName();
}
