// Batch processing from the command line: the label is updated from every
// new medium in a drive and written as a PDF named after the medium.
#include "cd/CBatchProcessor.h"
#include "cd/CMediaDrive.h"
#include "cd/CQtPollTimer.h"
#include "cd/CdHeadlessModes.h"
#include "cli/CHeadlessRunner.h"
#include "cli/CInterruptWatch.h"
#include "cli/HeadlessMode.h"
#include "cli/HeadlessSupport.h"
#include "document/CCovermintDoc.h"
#include "export/LabelExporter.h"
#include "export/OutputNames.h"
#include "platform/MediaMonitor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

namespace {

const QCommandLineOption kLabel = ValueOption("label", "The label to update and print.", "LABEL.cla");
const QCommandLineOption kPrintTo = ValueOption("print-to", "The folder that receives the PDFs.", "DIR");
const QCommandLineOption kOnce(QStringLiteral("once"), QStringLiteral("Process the medium in the drive now and exit."));

// No dialogs to show; printing writes a PDF named after the medium.
class CPdfBatchSteps final : public IBatchSteps
{
public:
    CPdfBatchSteps(CCovermintDoc& document, CMediaDrive& drive, QString outDir, QString site)
        : m_document(document)
        , m_drive(drive)
        , m_outDir(std::move(outDir))
        , m_site(std::move(site))
    {
    }

    std::optional<CCddbTexts> LookUpCddb(const QString& drive, const CCddbTexts&) override
    {
        int status = 0;
        std::optional<CCddbTexts> texts = CdHeadlessModes::LookUpTexts(drive, m_site, QString(), &status);
        m_cddbTitle = texts ? texts->title : QString();
        return texts;
    }

    bool ShowDirectoryDialog(const QString&) override { return false; }

    void Print() override
    {
        m_written.clear();
        const QString base = OutputNames::SafeFileName(m_cddbTitle.isEmpty() ? m_drive.VolumeLabel(m_drivePath)
                                                                              : m_cddbTitle);
        m_cddbTitle.clear();
        // Written under a hidden name first: an interrupted run leaves no
        // PDF that looks finished.
        const QString part = QDir(m_outDir).filePath(
            QStringLiteral(".covermint-%1-%2.pdf").arg(QCoreApplication::applicationPid()).arg(++m_count));
        QString error;
        if (LabelExporter::Export(m_document, part, 0, &error))
            m_written = OutputNames::MoveToFreeName(part, m_outDir, base, QStringLiteral(".pdf"), &error);
        if (m_written.isEmpty()) {
            QFile::remove(part);
            PrintError(QDir(m_outDir).filePath(base + QStringLiteral(".pdf")) + QStringLiteral(": ") + error);
            m_outputFailed = true;
            return;
        }
        std::fprintf(stdout, "Printed %s\n", qPrintable(QDir::toNativeSeparators(m_written)));
        std::fflush(stdout);
    }

    void SetDrivePath(const QString& drive) { m_drivePath = drive; }
    bool OutputFailed() const { return m_outputFailed; }

private:
    CCovermintDoc& m_document;
    CMediaDrive& m_drive;
    QString m_outDir;
    QString m_site;
    QString m_drivePath;
    QString m_cddbTitle;
    QString m_written;
    int m_count = 0;
    bool m_outputFailed = false;
};

int OnceStatus(const CBatchProcessor& processor, const CPdfBatchSteps& steps, bool cddb)
{
    if (steps.OutputFailed())
        return CHeadlessRunner::OutputError;
    switch (processor.LastOutcome()) {
    case CBatchProcessor::Outcome::Updated:
        return CHeadlessRunner::Ok;
    case CBatchProcessor::Outcome::Cancelled:
        return cddb ? CdHeadlessModes::kCddbFailed : CHeadlessRunner::InputError;
    default:
        return CHeadlessRunner::InputError;
    }
}

const QString kCddbArgument = QStringLiteral("--cddb");
const QString kBatchCddbName = QStringLiteral("batch-cddb");

} // namespace

QCommandLineOption BatchCddbSwitch()
{
    QCommandLineOption option(kBatchCddbName, QStringLiteral("Look each audio CD up in CDDB (with --batch)."));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

QStringList WithBatchCddbSwitch(QStringList arguments)
{
    const bool batch = std::any_of(arguments.cbegin(), arguments.cend(), [](const QString& a) {
        return a == QLatin1String("--batch") || a.startsWith(QLatin1String("--batch="));
    });
    if (batch)
        std::replace(arguments.begin(), arguments.end(), kCddbArgument, QStringLiteral("--") + kBatchCddbName);
    return arguments;
}

CHeadlessMode BatchMode()
{
    const QCommandLineOption selector =
        ValueOption("batch", "Update and print a label for each new medium in a drive.", "DRIVE");
    const QCommandLineOption cddb(BatchCddbSwitch());
    CHeadlessMode mode{selector, {kLabel, kPrintTo, cddb, kOnce, CddbSiteOption()}, {}, {}, {}};
    mode.help = QStringLiteral(
        "  covermint --batch DRIVE --label LABEL.cla --print-to DIR [--cddb] [--once]\n"
        "            [--cddb-site URL]\n"
        "      Watch DRIVE (a mount point or folder, an optical drive, or a CUE image) and,\n"
        "      for every new medium in it, read it into the label (or, with --cddb, look\n"
        "      the audio CD up in CDDB) and write the label as DIR/<medium>.pdf, named\n"
        "      after the volume label or CDDB title, never replacing an earlier file.\n"
        "      --once: process the medium there now and exit. Otherwise runs until\n"
        "      interrupted (Ctrl+C). The label file itself is not changed.\n"
        "      Example: covermint --batch /media/disc --label disc.cla --print-to labels --once\n");
    mode.check = [](const QCommandLineParser& parser) {
        if (!parser.isSet(kLabel) || !parser.isSet(kPrintTo))
            return QStringLiteral("--batch needs --label LABEL.cla and --print-to DIR");
        if (!parser.positionalArguments().isEmpty())
            return QStringLiteral("--batch takes no other label file");
        return QString();
    };
    mode.run = [=](const QCommandLineParser& parser) {
        const QString drivePath = parser.value(selector);
        if (!QFileInfo::exists(drivePath)) {
            PrintError(drivePath + QStringLiteral(": no such drive or folder"));
            return int(CHeadlessRunner::InputError);
        }
        CCovermintDoc document;
        if (!LoadLabelInput(document, parser.value(kLabel)))
            return int(CHeadlessRunner::InputError);
        const QString outDir = parser.value(kPrintTo);
        if (!QDir().mkpath(outDir) || !QFileInfo(outDir).isWritable()) {
            PrintError(outDir + QStringLiteral(": cannot write there"));
            return int(CHeadlessRunner::OutputError);
        }

        CMediaDrive drive;
        CPdfBatchSteps steps(document, drive, outDir, parser.value(CddbSiteOption()));
        steps.SetDrivePath(drivePath);
        CQtPollTimer timer;
        CBatchProcessor processor(drive, steps, timer);
        processor.SetLabel(&document);
        processor.SetDrive(drivePath);
        processor.SetOptions({parser.isSet(cddb), false});
        processor.SetStatusSink([](const QString& line) {
            std::fprintf(stdout, "%s\n", qPrintable(line));
            std::fflush(stdout);
        });
        // Ctrl+C while a PDF is written takes effect once it is in place.
        CInterruptWatch interrupt([] { QCoreApplication::exit(CHeadlessRunner::Ok); });
        processor.StartStop();
        if (parser.isSet(kOnce)) {
            processor.Close();
            return OnceStatus(processor, steps, parser.isSet(cddb));
        }
        CMediaMonitor monitor([&processor] { processor.MediaChanged(); });
        const int status = QCoreApplication::exec();
        processor.Close();
        return steps.OutputFailed() ? int(CHeadlessRunner::OutputError) : status;
    };
    return mode;
}
