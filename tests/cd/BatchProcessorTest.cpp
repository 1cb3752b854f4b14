// The batch state machine with a fake drive (serials set by the test), a
// fake poll timer advanced by hand, and real folders read into a real label.
#include "cd/CBatchProcessor.h"
#include "cd/CddbTexts.h"
#include "document/CCovermintDoc.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <utility>
#include <gtest/gtest.h>

namespace {

class CFakeDrive final : public IBatchDrive
{
public:
    quint32 serial = 0;
    bool cdRom = false;
    bool canOpen = true;
    QString folder;

    quint32 VolumeSerial(const QString&) override { return serial; }
    bool IsCdRom(const QString&) override { return cdRom; }
    bool CanOpenCdAudio(const QString&) override { return canOpen; }
    QString DirectoryPath(const QString&) override { return folder; }
};

class CFakeSteps final : public IBatchSteps
{
public:
    std::optional<CCddbTexts> cddbAnswer;
    bool dialogAccepts = true;
    int prints = 0;
    int dialogs = 0;
    std::function<void()> whilePrinting; // as if the print dialog's event loop ran it

    std::optional<CCddbTexts> LookUpCddb(const QString&, const CCddbTexts&) override { return cddbAnswer; }
    bool ShowDirectoryDialog(const QString&) override
    {
        ++dialogs;
        return dialogAccepts;
    }
    void Print() override
    {
        ++prints;
        if (whilePrinting)
            std::exchange(whilePrinting, nullptr)();
    }
};

class CFakeTimer final : public IPollTimer
{
public:
    int interval = 0;

    void Start(int intervalMs, std::function<void()> tick) override
    {
        interval = intervalMs;
        m_tick = std::move(tick);
        m_active = true;
        m_elapsed = 0;
    }
    void Stop() override { m_active = false; }
    bool IsActive() const override { return m_active; }
    // Lets ms pass, ticking as a timer would.
    void Advance(int ms)
    {
        for (m_elapsed += ms; m_active && m_elapsed >= interval;) {
            m_elapsed -= interval;
            m_tick();
        }
    }

private:
    std::function<void()> m_tick;
    bool m_active = false;
    int m_elapsed = 0;
};

class BatchProcessorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_media.isValid());
        drive.folder = m_media.path();
        drive.serial = 0x1111;
        AddFile(QStringLiteral("first.txt"));
        processor.SetLabel(&document);
        processor.SetDrive(QStringLiteral("/media/disc"));
        processor.SetStatusSink([this](const QString& line) { lines << line; });
    }

    void AddFile(const QString& name) const
    {
        QFile file(QDir(m_media.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QStringList FileNames() const
    {
        QStringList names;
        for (const auto& child : document.FindDirectoryInformation(QString())->Tree().Children())
            names << child->Name();
        return names;
    }

    static QStringList Updated() { return {QStringLiteral("Reading Device..."), QStringLiteral("Label has been updated.")}; }

    CTempHome home;
    QTemporaryDir m_media;
    CCovermintDoc document;
    CFakeDrive drive;
    CFakeSteps steps;
    CFakeTimer timer;
    CBatchProcessor processor{drive, steps, timer};
    QStringList lines;
};

TEST_F(BatchProcessorTest, StartStopStartProcessesTheSameMediumTwice)
{
    processor.StartStop();
    EXPECT_TRUE(processor.IsRunning());
    EXPECT_EQ(steps.prints, 1);
    EXPECT_EQ(lines, Updated());
    EXPECT_EQ(FileNames(), QStringList{QStringLiteral("first.txt")});
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(timer.IsActive());
    EXPECT_EQ(timer.interval, 5000);

    processor.StartStop();
    EXPECT_FALSE(processor.IsRunning());
    EXPECT_FALSE(timer.IsActive());
    EXPECT_EQ(lines.last(), QStringLiteral("Waiting for start..."));
    EXPECT_EQ(processor.LastSerial(), 0u);

    processor.StartStop();
    EXPECT_EQ(steps.prints, 2);
    EXPECT_EQ(lines.mid(3), Updated());
}

TEST_F(BatchProcessorTest, PollingProcessesOnlyANewMedium)
{
    processor.StartStop();
    timer.Advance(3 * 5000);
    EXPECT_EQ(steps.prints, 1) << "an unchanged medium is not processed again";

    drive.serial = 0; // drive empty
    timer.Advance(5000);
    EXPECT_EQ(steps.prints, 1);

    AddFile(QStringLiteral("second.txt"));
    drive.serial = 0x2222;
    timer.Advance(4999);
    EXPECT_EQ(steps.prints, 1);
    timer.Advance(1);
    EXPECT_EQ(steps.prints, 2);
    EXPECT_EQ(FileNames(), (QStringList{QStringLiteral("first.txt"), QStringLiteral("second.txt")}));
    EXPECT_TRUE(timer.IsActive());
    timer.Advance(5000);
    EXPECT_EQ(steps.prints, 2);
}

TEST_F(BatchProcessorTest, MediumArrivalIsProcessedAtOnceAndOnlyOnce)
{
    drive.serial = 0x3333;
    processor.MediaChanged();
    EXPECT_EQ(steps.prints, 0) << "nothing happens before Start";
    EXPECT_TRUE(lines.isEmpty());

    processor.StartStop();
    drive.serial = 0x4444;
    processor.MediaChanged();
    EXPECT_EQ(steps.prints, 2);
    EXPECT_EQ(lines.mid(2), QStringList{QStringLiteral("Media Inserted...reading...")} + Updated());
    timer.Advance(5000);
    EXPECT_EQ(steps.prints, 2) << "the poll after the notification must not print the medium again";
    processor.MediaChanged();
    EXPECT_EQ(steps.prints, 2);
}

TEST_F(BatchProcessorTest, AMediumArrivingWhileTheLabelPrintsWaitsForThePoll)
{
    processor.StartStop();
    drive.serial = 0x5555;
    steps.whilePrinting = [this] {
        drive.serial = 0x6666;
        processor.MediaChanged();
    };
    timer.Advance(5000);
    EXPECT_EQ(steps.prints, 2) << "no second job inside the first one";
    timer.Advance(5000);
    EXPECT_EQ(steps.prints, 3);
    EXPECT_EQ(processor.LastSerial(), 0x6666u);
}

TEST_F(BatchProcessorTest, CddbTextsAreStoredInTheLabelAndPrinted)
{
    drive.cdRom = true;
    steps.cddbAnswer = CCddbTexts{QStringLiteral("Artist - Title"), QStringLiteral("1. One"), {}, {}};
    processor.SetOptions({true, false});
    processor.StartStop();
    EXPECT_EQ(StoredCddbTexts(document), *steps.cddbAnswer);
    EXPECT_EQ(steps.prints, 1);
    EXPECT_EQ(lines, QStringList{QStringLiteral("Label has been updated.")});
}

struct FailureCase
{
    const char* name;
    bool cdRom;
    bool canOpen;
    CBatchProcessor::Options options;
    bool dialogAccepts;
    bool missingFolder;
    QStringList expected;
};

class BatchFailureTest : public BatchProcessorTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(BatchFailureTest, LeavesTheLabelUnprintedAndSaysSo)
{
    const FailureCase& c = GetParam();
    drive.cdRom = c.cdRom;
    drive.canOpen = c.canOpen;
    if (c.missingFolder)
        drive.folder = m_media.filePath(QStringLiteral("gone"));
    steps.dialogAccepts = c.dialogAccepts;
    processor.SetOptions(c.options);
    processor.StartStop();
    EXPECT_EQ(lines, c.expected);
    EXPECT_EQ(steps.prints, 0);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.FindDirectoryInformation(QString())->Tree().Children().empty());
    EXPECT_TRUE(processor.IsRunning());
    EXPECT_TRUE(timer.IsActive()) << "the batch keeps waiting for a medium";
}

const QString kProblem = QStringLiteral("Problem reading device....insert media.");
const QString kCancelled = QStringLiteral("Canceled Label...");

INSTANTIATE_TEST_SUITE_P(
    Steps, BatchFailureTest,
    ::testing::Values(
        FailureCase{"CancelledDirectoryDialog", false, true, {false, true}, false, false,
                    {QStringLiteral("Reading Device..."), kCancelled, kProblem}},
        FailureCase{"FailedRead", false, true, {}, true, true,
                    {QStringLiteral("Reading Device..."),
                     QStringLiteral("There were problems reading from the directory...waiting...."), kProblem}},
        FailureCase{"CancelledCddb", true, true, {true, false}, true, false, {kCancelled, kProblem}},
        FailureCase{"DeviceInUse", true, false, {true, false}, true, false,
                    {QStringLiteral("Covermint could not open the device.  It may be in use."), kProblem}}),
    [](const ::testing::TestParamInfo<FailureCase>& testCase) { return testCase.param.name; });

} // namespace
