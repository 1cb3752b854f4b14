#pragma once
// Batch processing without the window: waits for Start, then updates the
// label from every new medium in the drive (its directory listing, or its
// CDDB texts) and prints it. A medium is told by its volume serial, polled
// every five seconds and checked at once when the system reports a medium.
// Progress and failures are status lines, never message boxes.
#include "cd/BatchInterfaces.h"

#include <QString>

#include <functional>

class CCovermintDoc;

class CBatchProcessor
{
public:
    static constexpr int kPollIntervalMs = 5000;

    enum class Outcome { None, Updated, Cancelled, ReadFailed, DeviceBusy, NoDrive, NoLabel };

    struct Options
    {
        bool connectCddb = false;
        bool showDirectoryDialog = false;
    };

    CBatchProcessor(IBatchDrive& drive, IBatchSteps& steps, IPollTimer& timer);

    void SetLabel(CCovermintDoc* document) { m_document = document; }
    // The drive chosen for the next Start; empty for none.
    void SetDrive(const QString& drive) { m_selectedDrive = drive; }
    void SetOptions(const Options& options) { m_options = options; }
    // Receives every status line.
    void SetStatusSink(std::function<void(const QString&)> sink) { m_status = std::move(sink); }
    // Called when Start/Stop changes its meaning.
    void SetRunningChanged(std::function<void(bool)> changed) { m_runningChanged = std::move(changed); }

    // True from Start to Stop: the button reads "Stop".
    bool IsRunning() const { return m_running; }
    // The Start/Stop button.
    void StartStop();
    // The system reports a medium somewhere: look at the drive now.
    void MediaChanged();
    // The Close button.
    void Close();

    quint32 LastSerial() const { return m_lastSerial; }
    // What the last processing did to the label.
    Outcome LastOutcome() const { return m_lastOutcome; }

private:
    void Start();
    void Stop();
    void CheckForNewMedium(bool announce);
    bool Process();
    bool CddbStep();
    bool DirectoryStep();
    bool Fail(Outcome outcome, const QString& line = QString());
    void Say(const QString& line);
    void SetRunning(bool running);
    void StartPolling();

    IBatchDrive& m_drive;
    IBatchSteps& m_steps;
    IPollTimer& m_timer;
    CCovermintDoc* m_document = nullptr;
    Options m_options;
    QString m_selectedDrive;
    QString m_drivePath;
    quint32 m_lastSerial = 0;
    bool m_running = false;
    bool m_processing = false;
    Outcome m_lastOutcome = Outcome::None;
    std::function<void(const QString&)> m_status;
    std::function<void(bool)> m_runningChanged;
};
