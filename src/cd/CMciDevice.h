#pragma once
// A CD drive (or a CUE, cdrdao TOC or NRG image standing in for one) opened
// through libcdio. Every command returns 0 or an error code, which is also
// kept as the last error and, with ReportErrors on, shown to the user.
// Positions and lengths are frame numbers (1/75 s, lead-in included).
#include <QString>
#include <optional>

typedef struct _CdIo CdIo_t;

class CMciDevice
{
public:
    enum Error {
        NoError = 0,
        ErrNotOpen = 1,
        ErrCannotOpen,
        ErrNoDisc,
        ErrUnsupported,
        ErrBadTrack,
        ErrDeviceFailed,
    };
    enum StatusItem {
        StatusLength = 1,
        StatusPosition = 2,
        StatusNumberOfTracks = 3,
        StatusMode = 4,
        StatusReady = 7,
        StatusCurrentTrack = 8,
    };
    enum ModeValue { ModeNotReady = 524, ModeStop = 525, ModePlay = 526, ModePause = 529, ModeOpen = 530 };

    CMciDevice() = default;
    virtual ~CMciDevice();
    CMciDevice(const CMciDevice&) = delete;
    CMciDevice& operator=(const CMciDevice&) = delete;

    // An empty path opens the system's default drive; a path ending in .cue,
    // .toc or .nrg opens that image.
    virtual int Open(const QString& devicePath);
    virtual int Close();
    // The value of a status item; nothing (and the last error set) on failure.
    virtual std::optional<long> Status(int item);
    std::optional<long> Mode() { return Status(StatusMode); }

    bool IsOpen() const { return m_cdio != nullptr; }
    QString DevicePath() const { return m_path; }
    int LastError() const { return m_lastError; }
    void SetReportErrors(bool report) { m_reportErrors = report; }
    static QString ErrorText(int error);

protected:
    // Records a non-zero result and reports it when asked to; returns it.
    int Fail(int error);
    int Succeed() { return NoError; }
    CdIo_t* Handle() const { return m_cdio; }

private:
    CdIo_t* m_cdio = nullptr;
    QString m_path;
    int m_lastError = NoError;
    bool m_reportErrors = false;
};

// Every optical drive libcdio finds, as device paths; empty when none.
QStringList CdDrivePaths();
