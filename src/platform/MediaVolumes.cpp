#include "platform/MediaVolumes.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <libudev.h>
#include <sys/stat.h>
#include <sys/statfs.h>

#include <cstring>
#include <memory>

namespace MediaVolumes {

namespace {

struct UdevDeleter
{
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};

QString Property(udev_device* device, const char* name)
{
    const char* value = udev_device_get_property_value(device, name);
    return value ? QString::fromUtf8(value) : QString();
}

CBlockDevice FromUdev(const QString& node)
{
    CBlockDevice result;
    struct stat st {};
    if (stat(QFile::encodeName(node).constData(), &st) != 0 || !S_ISBLK(st.st_mode))
        return result;
    result.node = node;
    std::unique_ptr<udev, UdevDeleter> context(udev_new());
    if (!context)
        return result;
    std::unique_ptr<udev_device, UdevDeleter> device(udev_device_new_from_devnum(context.get(), 'b', st.st_rdev));
    if (!device)
        return result;
    result.optical = Property(device.get(), "ID_CDROM") == QLatin1String("1");
    result.fsUuid = Property(device.get(), "ID_FS_UUID");
    result.fsLabel = Property(device.get(), "ID_FS_LABEL");
    return result;
}

} // namespace

bool IsBlockDevice(const QString& path)
{
    struct stat st {};
    return stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISBLK(st.st_mode);
}

CBlockDevice DeviceOf(const QString& path)
{
    if (IsBlockDevice(path))
        return FromUdev(path);
    const QStorageInfo storage(path);
    const QString device = QString::fromLocal8Bit(storage.device());
    if (!storage.isValid() || !device.startsWith(QLatin1String("/dev/")))
        return {};
    return FromUdev(device);
}

QString MountPointOf(const QString& deviceNode)
{
    const QString wanted = QFileInfo(deviceNode).canonicalFilePath();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString device = QString::fromLocal8Bit(volume.device());
        if (device == deviceNode || (!wanted.isEmpty() && QFileInfo(device).canonicalFilePath() == wanted))
            return volume.rootPath();
    }
    return {};
}

quint64 FileSystemId(const QString& folder)
{
    struct statfs fs {};
    if (statfs(QFile::encodeName(folder).constData(), &fs) != 0)
        return 0;
    quint64 id = 0;
    static_assert(sizeof(fs.f_fsid) == sizeof(id));
    std::memcpy(&id, &fs.f_fsid, sizeof(id));
    return id;
}

quint32 SerialOf(const QString& uuid)
{
    if (uuid.isEmpty())
        return 0;
    QString hex = uuid;
    hex.remove(QLatin1Char('-'));
    bool ok = false;
    quint32 serial = hex.size() <= 8 ? hex.toUInt(&ok, 16) : 0;
    if (!ok) {
        // FNV-1a: stable from run to run, unlike qHash.
        serial = 2166136261u;
        for (const char c : uuid.toUtf8()) {
            serial ^= quint8(c);
            serial *= 16777619u;
        }
    }
    return serial ? serial : 1;
}

} // namespace MediaVolumes
