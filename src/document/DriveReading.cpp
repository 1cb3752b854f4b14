#include "document/DriveReading.h"

#include "directory/CDocumentDirectoryInformation.h"
#include "directory/IsoImageReader.h"
#include "document/CCovermintDoc.h"

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

} // namespace

bool IsReadable(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() || (info.isFile() && IsIsoImage(path));
}

int Read(const QString& path, int depth, CDiskInformation& disk)
{
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
