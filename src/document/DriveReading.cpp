#include "document/DriveReading.h"

#include "directory/CDocumentDirectoryInformation.h"
#include "directory/IsoImageReader.h"
#include "document/CCovermintDoc.h"
#include "platform/MediaVolumes.h"

#include <QFileInfo>

#include <climits>

namespace DriveReading {

namespace {

int Kilobytes(qint64 bytes)
{
    return int(std::min<qint64>(bytes / 1024, INT_MAX));
}

// An image file is read as the disc it holds would be.
int ReadImage(const QString& path, int depth, CDiskInformation& disk)
{
    disk.Clear();
    if (depth < 0)
        return ReadOk;
    IsoReadLimits limits;
    limits.depth = depth;
    IsoImageTree image = ReadIsoImage(path, limits);
    if (!image.ok)
        return ReadUnlistable;
    disk.root.Children() = std::move(image.root->Children());
    disk.totalSpace = Kilobytes(image.totalBytes);
    disk.freeSpace = Kilobytes(image.freeBytes);
    disk.truncated = image.truncated;
    return ReadOk;
}

class CSystemDeviceProbe final : public IDeviceProbe
{
public:
    DeviceState Probe(const QString& path) const override
    {
        if (!MediaVolumes::IsBlockDevice(path))
            return {};
        return {true, MediaVolumes::DeviceOf(path).optical, MediaVolumes::MountPointOf(path)};
    }
};

const IDeviceProbe*& InstalledProbe()
{
    static const CSystemDeviceProbe system;
    static const IDeviceProbe* probe = &system;
    return probe;
}

const IDeviceProbe& Probe()
{
    return *InstalledProbe();
}

} // namespace

CScopedDeviceProbe::CScopedDeviceProbe(const IDeviceProbe& probe) : m_previous(InstalledProbe())
{
    InstalledProbe() = &probe;
}

CScopedDeviceProbe::~CScopedDeviceProbe()
{
    InstalledProbe() = m_previous;
}

bool IsReadable(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir() || (info.isFile() && IsIsoImage(path)))
        return true;
    return !Probe().Probe(path).mountPoint.isEmpty();
}

bool IsDevice(const QString& path)
{
    return Probe().Probe(path).isDevice;
}

int Read(const QString& path, int depth, CDiskInformation& disk)
{
    // A drive's device node cannot be listed; its disc can, where it is mounted.
    if (const DeviceState device = Probe().Probe(path); device.isDevice) {
        if (device.mountPoint.isEmpty()) {
            disk.Clear();
            return ReadNotMounted;
        }
        return Read(device.mountPoint, depth, disk);
    }
    if (QFileInfo(path).isFile() && IsIsoImage(path)) {
        const int result = ReadImage(path, depth, disk);
        SortTree(disk.root);
        return result;
    }
    CDirectoryReadRequest request;
    request.path = MakeRootPath(path);
    request.depth = depth;
    const int result = ReadDisk(request, disk);
    SortTree(disk.root);
    return result;
}

QString FailureMessage(const QString& path, int result)
{
    if (result != ReadNotMounted)
        return kProblemsMessage;
    if (Probe().Probe(path).optical)
        return QStringLiteral("There is no disc mounted in the drive %1. "
                              "Insert a disc with files on it and wait until the system has mounted it, then try "
                              "again. An audio CD holds no files: Connect to CDDB reads its titles.")
            .arg(path);
    return QStringLiteral("Nothing is mounted from %1. Mount it, then try again.").arg(path);
}

CDocumentDirectoryInformation* TargetWithoutChoice(CCovermintDoc& document)
{
    switch (document.CountDirectoryInformation()) {
    case 0:
        return document.AddDirectoryInformation(QString());
    case 1:
        return document.Records().front().get();
    default:
        return nullptr;
    }
}

void Store(CCovermintDoc& document, CDocumentDirectoryInformation& record, const CDiskInformation& disk)
{
    record.ReplaceTree(disk.root);
    record.SetTotalSpace(disk.totalSpace);
    record.SetFreeSpace(disk.freeSpace);
    document.MarkChangedBeyondUndo();
}

} // namespace DriveReading
