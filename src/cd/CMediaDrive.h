#pragma once
// The drive batch processing watches, as the system shows it: a mount
// point (or any folder standing in for one), an optical drive's device node,
// a CUE, cdrdao TOC or NRG image standing in for an audio disc, or an ISO
// image standing in for a data disc.
#include "cd/BatchInterfaces.h"

class CMediaDrive final : public IBatchDrive
{
public:
    // The file-system UUID, the CDDB disc id of an audio CD, or a hash of an
    // ISO image's volume descriptor.
    quint32 VolumeSerial(const QString& drive) override;
    bool IsCdRom(const QString& drive) override;
    bool CanOpenCdAudio(const QString& drive) override;
    // A device node is read where it is mounted.
    QString DirectoryPath(const QString& drive) override;
    // The volume label; for a folder without one, the folder's name.
    QString VolumeLabel(const QString& drive);

    static bool IsDiscImage(const QString& path);
};
