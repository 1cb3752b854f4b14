#include "document/ReadDirIntoLabel.h"

#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"
#include "document/DriveReading.h"

QString ReadDirIntoLabel(CCovermintDoc& document, const CReadDirRequest& request)
{
    if (!DriveReading::IsReadable(request.folder) && !DriveReading::IsDevice(request.folder))
        return QStringLiteral("%1: neither a folder nor an ISO image").arg(request.folder);
    CDocumentDirectoryInformation* record = nullptr;
    if (request.segment) {
        record = document.FindDirectoryInformation(*request.segment);
        if (!record)
            return QStringLiteral("the label has no directory segment named \"%1\"").arg(*request.segment);
    }
    CDiskInformation disk;
    const int result = DriveReading::Read(request.folder, request.depth.value_or(document.DisplaySettings().dirDepth), disk);
    if (result != ReadOk)
        return QStringLiteral("%1: %2").arg(request.folder, DriveReading::FailureMessage(request.folder, result));
    if (!record)
        record = document.AddDirectoryInformation(QString());
    DriveReading::Store(document, *record, disk);
    return {};
}
