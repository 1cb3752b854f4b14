#pragma once
// The boundaries batch processing works across: the drive being watched,
// the steps that need a person or an output (dialogs, printing), and the
// poll timer. The window and the command line each supply their own; tests
// supply fakes.
#include "directory/CDocumentDirectoryInformation.h"

#include <QString>
#include <QtGlobal>

#include <functional>

class IBatchDrive
{
public:
    virtual ~IBatchDrive() = default;
    // A number that changes with the medium; 0 when none can be read.
    virtual quint32 VolumeSerial(const QString& drive) = 0;
    // An optical drive, a medium mounted from one, or an image of a disc.
    virtual bool IsCdRom(const QString& drive) = 0;
    // Whether the audio CD device can be opened now.
    virtual bool CanOpenCdAudio(const QString& drive) = 0;
    // Where the medium's files are read from.
    virtual QString DirectoryPath(const QString& drive) = 0;
};

class IBatchSteps
{
public:
    virtual ~IBatchSteps() = default;
    // Looks the disc up; nothing when the user (or the lookup) gave up.
    virtual std::optional<CCddbTexts> LookUpCddb(const QString& drive, const CCddbTexts& stored) = 0;
    // The directory dialog in batch mode, reading the drive itself; false
    // when it was cancelled.
    virtual bool ShowDirectoryDialog(const QString& drive) = 0;
    virtual void Print() = 0;
};

class IPollTimer
{
public:
    virtual ~IPollTimer() = default;
    virtual void Start(int intervalMs, std::function<void()> tick) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};
