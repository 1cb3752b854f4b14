#include "document/DriveReading.h"

#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"

namespace DriveReading {

int Read(const QString& path, int depth, CDiskInformation& disk)
{
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
    document.SetModifiedFlag();
}

} // namespace DriveReading
