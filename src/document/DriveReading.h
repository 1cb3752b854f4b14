#pragma once
// What Read Drive does to a document, apart from asking which record to
// fill: reading a folder into a sorted tree and storing it in a record.
#include "directory/DirectoryReader.h"

#include <QString>

class CCovermintDoc;
class CDocumentDirectoryInformation;

namespace DriveReading {

inline const QString kProblemsMessage = QStringLiteral("There were problems reading from the directory.");

// What the system says about a drive given by its device node (/dev/sr0).
struct DeviceState
{
    bool isDevice = false;
    bool optical = false;
    QString mountPoint; // empty when nothing is mounted from it
};

// Where reads learn about device nodes: the system, or a test's stand-in.
class IDeviceProbe
{
public:
    virtual ~IDeviceProbe() = default;
    virtual DeviceState Probe(const QString& path) const = 0;
};

// Puts a probe in the system's place while it lives (tests).
class CScopedDeviceProbe
{
public:
    explicit CScopedDeviceProbe(const IDeviceProbe& probe);
    ~CScopedDeviceProbe();
    CScopedDeviceProbe(const CScopedDeviceProbe&) = delete;
    CScopedDeviceProbe& operator=(const CScopedDeviceProbe&) = delete;

private:
    const IDeviceProbe* m_previous;
};

// A folder, an ISO 9660 image file read as the disc it holds, or a drive's
// device node with a file system mounted from it.
bool IsReadable(const QString& path);

bool IsDevice(const QString& path);

// Reads path (a folder, an ISO image, or a device node read where it is
// mounted) with depth levels of subdirectories into disk, sorted. Returns
// ReadDisk's code, or ReadNotMounted for a device node with nothing mounted.
int Read(const QString& path, int depth, CDiskInformation& disk);

// What to tell the person when reading path failed with result.
QString FailureMessage(const QString& path, int result);

// The record a read fills without asking: a new unnamed one when there is
// none, the only one when there is one (whatever its name); null when there
// are several and the user must choose.
CDocumentDirectoryInformation* TargetWithoutChoice(CCovermintDoc& document);

// Copies the tree, total and free space into record; the document is
// marked modified.
void Store(CCovermintDoc& document, CDocumentDirectoryInformation& record, const CDiskInformation& disk);

} // namespace DriveReading
