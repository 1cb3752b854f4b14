#pragma once
// What the system knows about the volume behind a path: its block device,
// file-system UUID and label (from udev), whether the device is optical,
// and where it is mounted. Everything answers "nothing" rather than fail.
#include <QString>
#include <QtGlobal>

namespace MediaVolumes {

struct CBlockDevice
{
    QString node;    // /dev/...; empty when the path has none
    bool optical = false;
    QString fsUuid;  // empty when the medium has no file system
    QString fsLabel;
};

// A device node given itself, or the device a path's file system is mounted from.
CBlockDevice DeviceOf(const QString& path);
// The folder a device node is mounted on; empty when it is not mounted.
QString MountPointOf(const QString& deviceNode);
bool IsBlockDevice(const QString& path);
// The folder's own file-system id (statfs), for folders on volumes without a UUID.
quint64 FileSystemId(const QString& folder);
// Volume serials are 32 bits: a FAT "ABCD-1234" UUID is the serial itself,
// longer ones are folded. Never 0 for a non-empty text (0 means "none").
quint32 SerialOf(const QString& uuid);

} // namespace MediaVolumes
