#pragma once
// ISO 9660 images (.iso) read as if they were a drive holding the disc:
// the tree with Rock Ridge or Joliet names where the image has them, sizes,
// dates and the volume label. Nothing is mounted; the image is only read.
#include "directory/CFileInformation.h"

#include <QString>

#include <memory>

struct IsoReadLimits
{
    // Levels below the root that get their entries listed: 0 lists the
    // root's entries with empty subdirectories, as the directory walk does.
    int depth = 1 << 30;
    // Hostile images can claim anything; reading stops at these.
    int maxNodes = 1'000'000;
    int maxLevels = 256;
    quint32 maxDirectoryBytes = 16u << 20;
    // Off: the image's audio files are not read for their playing time.
    bool readSongLengths = true;
};

struct IsoImageTree
{
    bool ok = false;
    QString error;                         // why the image could not be read
    std::unique_ptr<CFileDirectory> root;  // named after the volume label
    QString volumeLabel;
    qint64 totalBytes = 0;                 // the image file's size
    qint64 freeBytes = 0;                  // a finished disc has no room left
    bool truncated = false;                // a limit cut the tree short
};

// True when the file carries an ISO 9660 volume descriptor.
bool IsIsoImage(const QString& path);

// A number that changes whenever another image (or a rebuilt one) is given,
// taken from the primary volume descriptor with its dates; 0 when the file
// is not an image.
quint32 IsoVolumeSerial(const QString& path);

// The volume label of the image, empty when it has none or is no image.
QString IsoVolumeLabel(const QString& path);

IsoImageTree ReadIsoImage(const QString& path, const IsoReadLimits& limits = {});
