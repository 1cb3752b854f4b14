#include "cd/CBatchProcessor.h"

#include "cd/CddbTexts.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "document/DriveReading.h"

#include <QScopedValueRollback>

namespace {
const QString kProblemReadingDevice = QStringLiteral("Problem reading device....insert media.");
const QString kCannotOpen = QStringLiteral("Covermint could not open the device.  It may be in use.");
const QString kCancelled = QStringLiteral("Canceled Label...");
const QString kReadProblems = QStringLiteral("There were problems reading from the directory...waiting....");
const QString kUpdated = QStringLiteral("Label has been updated.");
const QString kWaiting = QStringLiteral("Waiting for start...");
const QString kReadingDevice = QStringLiteral("Reading Device...");
const QString kMediaInserted = QStringLiteral("Media Inserted...reading...");
} // namespace

CBatchProcessor::CBatchProcessor(IBatchDrive& drive, IBatchSteps& steps, IPollTimer& timer)
    : m_drive(drive)
    , m_steps(steps)
    , m_timer(timer)
{
}

void CBatchProcessor::StartStop()
{
    if (m_running)
        Stop();
    else
        Start();
}

void CBatchProcessor::Start()
{
    if (const quint32 serial = m_drive.VolumeSerial(m_selectedDrive); serial != 0)
        m_lastSerial = serial;
    if (!Process())
        Say(kProblemReadingDevice);
    // Polling goes on after a failure too: the messages promise to wait for a medium.
    if (m_running)
        StartPolling();
}

void CBatchProcessor::Stop()
{
    m_timer.Stop();
    Say(kWaiting);
    SetRunning(false);
    m_lastSerial = 0;
}

void CBatchProcessor::Close()
{
    m_timer.Stop();
    SetRunning(false);
}

void CBatchProcessor::MediaChanged()
{
    // Only the drive of a running batch: before Start there is no label job.
    if (m_running)
        CheckForNewMedium(true);
}

void CBatchProcessor::CheckForNewMedium(bool announce)
{
    // A notification arriving while a step's dialog is open waits for the next poll.
    if (m_processing)
        return;
    const quint32 serial = m_drive.VolumeSerial(m_drivePath);
    if (serial == 0 || serial == m_lastSerial)
        return;
    // Remembered first, so a poll after a notification does not print the medium twice.
    m_lastSerial = serial;
    m_timer.Stop();
    if (announce)
        Say(kMediaInserted);
    if (!Process())
        Say(kProblemReadingDevice);
    if (m_running)
        StartPolling();
}

void CBatchProcessor::StartPolling()
{
    if (!m_timer.IsActive())
        m_timer.Start(kPollIntervalMs, [this] { CheckForNewMedium(false); });
}

bool CBatchProcessor::Process()
{
    const QScopedValueRollback busy(m_processing, true);
    SetRunning(true);
    m_lastOutcome = Outcome::None;
    if (m_selectedDrive.isEmpty())
        return Fail(Outcome::NoDrive);
    m_drivePath = m_selectedDrive;
    if (m_drive.IsCdRom(m_drivePath)) {
        if (!m_drive.CanOpenCdAudio(m_drivePath) && m_options.connectCddb)
            return Fail(Outcome::DeviceBusy, kCannotOpen);
        return m_options.connectCddb ? CddbStep() : DirectoryStep();
    }
    Say(kReadingDevice);
    return DirectoryStep();
}

bool CBatchProcessor::CddbStep()
{
    if (!m_document)
        return Fail(Outcome::NoLabel);
    const std::optional<CCddbTexts> texts = m_steps.LookUpCddb(m_drivePath, StoredCddbTexts(*m_document));
    if (!texts)
        return Fail(Outcome::Cancelled, kCancelled);
    StoreCddbTexts(*m_document, *texts);
    m_document->UpdateAllViews();
    Say(kUpdated);
    m_lastOutcome = Outcome::Updated;
    m_steps.Print();
    return true;
}

bool CBatchProcessor::DirectoryStep()
{
    if (!m_document)
        return Fail(Outcome::NoLabel);
    if (m_options.showDirectoryDialog) {
        if (!m_steps.ShowDirectoryDialog(m_drive.DirectoryPath(m_drivePath)))
            return Fail(Outcome::Cancelled, kCancelled);
    } else {
        CDiskInformation disk;
        const int depth = CPreferences::Instance().Display().dirDepth;
        if (DriveReading::Read(m_drive.DirectoryPath(m_drivePath), depth, disk) != ReadOk)
            return Fail(Outcome::ReadFailed, kReadProblems);
        CDocumentDirectoryInformation* record = m_document->FindDirectoryInformation(QString());
        if (!record)
            record = m_document->AddDirectoryInformation(QString());
        DriveReading::Store(*m_document, *record, disk);
        m_document->UpdateAllViews();
        Say(kUpdated);
    }
    m_lastOutcome = Outcome::Updated;
    m_steps.Print();
    return true;
}

bool CBatchProcessor::Fail(Outcome outcome, const QString& line)
{
    m_lastOutcome = outcome;
    if (!line.isEmpty())
        Say(line);
    return false;
}

void CBatchProcessor::Say(const QString& line)
{
    if (m_status)
        m_status(line);
}

void CBatchProcessor::SetRunning(bool running)
{
    if (m_running == running)
        return;
    m_running = running;
    if (m_runningChanged)
        m_runningChanged(running);
}
