#pragma once
// What Read Drive does to a document, apart from asking which record to
// fill: reading a folder into a sorted tree and storing it in a record.
#include "directory/DirectoryReader.h"

#include <QString>

class CCovermintDoc;
class CDocumentDirectoryInformation;

namespace DriveReading {

inline const QString kProblemsMessage = QStringLiteral("There were problems reading from the directory.");

// A folder, or an ISO 9660 image file read as the disc it holds.
bool IsReadable(const QString& path);

// Reads path (a folder or an ISO image) with depth levels of subdirectories
// into disk, sorted. Returns ReadDisk's code.
int Read(const QString& path, int depth, CDiskInformation& disk);

// The record a read fills without asking: a new unnamed one when there is
// none, the only one when there is one (whatever its name); null when there
// are several and the user must choose.
CDocumentDirectoryInformation* TargetWithoutChoice(CCovermintDoc& document);

// Copies the tree, total and free space into record; the document is
// marked modified.
void Store(CCovermintDoc& document, CDocumentDirectoryInformation& record, const CDiskInformation& disk);

} // namespace DriveReading
