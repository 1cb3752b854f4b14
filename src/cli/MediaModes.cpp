// The modes that fill a label from a medium: a folder read into a directory
// record, an audio CD's disc id, and its CDDB texts.
#include "cd/CdHeadlessModes.h"
#include "cli/CHeadlessRunner.h"
#include "cli/HeadlessMode.h"
#include "cli/HeadlessSupport.h"
#include "document/CCovermintDoc.h"
#include "document/ReadDirIntoLabel.h"

namespace {

const QCommandLineOption kInto = ValueOption("into", "The label to fill (saved in place without --save).", "LABEL.cla");

QString CheckInto(const QCommandLineParser& parser, const QString& mode)
{
    if (!parser.isSet(kInto))
        return mode + QStringLiteral(" needs --into LABEL.cla");
    if (!parser.positionalArguments().isEmpty())
        return mode + QStringLiteral(" takes no other label file");
    return QString();
}

} // namespace

CHeadlessMode ReadDirMode()
{
    const QCommandLineOption selector =
        ValueOption("read-dir", "Read a folder or ISO image into a label's directory record (with --into).", "DIR");
    const QCommandLineOption segment = ValueOption("segment", "The directory segment to fill.", "NAME");
    const QCommandLineOption depth = ValueOption("depth", "Folder levels to read below DIR.", "N");
    CHeadlessMode mode{selector, {kInto, segment, depth, SaveOption()}, {}, {}, {}};
    mode.help = QStringLiteral(
        "  covermint --read-dir DIR --into LABEL.cla [--segment NAME] [--depth N] [--save OUT.cla]\n"
        "      Read the folder DIR, or the disc in an ISO 9660 image file, into the label's\n"
        "      directory record (the unnamed one, or the segment NAME), N levels deep\n"
        "      (default: the label's own setting), and save the label in place or as OUT.cla.\n"
        "      Example: covermint --read-dir /media/disc --into disc.cla --depth 2\n");
    mode.check = [depth](const QCommandLineParser& parser) {
        if (parser.isSet(depth)) {
            bool ok = false;
            if (parser.value(depth).toInt(&ok) < 0 || !ok)
                return QStringLiteral("--depth needs a whole number from 0 up");
        }
        return CheckInto(parser, QStringLiteral("--read-dir"));
    };
    mode.run = [=](const QCommandLineParser& parser) {
        const QString into = parser.value(kInto);
        CCovermintDoc document;
        if (!LoadLabelInput(document, into))
            return int(CHeadlessRunner::InputError);
        CReadDirRequest request{parser.value(selector), {}, {}};
        if (parser.isSet(segment))
            request.segment = parser.value(segment);
        if (parser.isSet(depth))
            request.depth = parser.value(depth).toInt();
        if (const QString problem = ReadDirIntoLabel(document, request); !problem.isEmpty()) {
            PrintError(problem);
            return int(CHeadlessRunner::InputError);
        }
        return SaveLabelOutput(document, parser.isSet(SaveOption()) ? parser.value(SaveOption()) : into);
    };
    return mode;
}

CHeadlessMode DiscIdMode()
{
    const QCommandLineOption selector =
        ValueOption("disc-id", "Print the CDDB disc id line of an audio CD or CUE image.", "DEVICE_OR_CUE");
    CHeadlessMode mode{selector, {}, {}, {}, {}};
    mode.help = QStringLiteral(
        "  covermint --disc-id DEVICE_OR_CUE\n"
        "      Print the CDDB disc id line of the audio CD in a drive (or of a CUE, cdrdao\n"
        "      TOC or NRG image): <id> <ntracks> <offset>... <seconds>.\n");
    mode.check = [](const QCommandLineParser& parser) {
        const bool more = !parser.positionalArguments().isEmpty() || parser.isSet(kInto) || parser.isSet(SaveOption())
                          || parser.isSet(QStringLiteral("cddb-site")) || parser.isSet(QStringLiteral("category"));
        return more ? QStringLiteral("--disc-id takes no further options") : QString();
    };
    mode.run = [selector](const QCommandLineParser& parser) {
        return CdHeadlessModes::PrintDiscId(parser.value(selector));
    };
    return mode;
}

CHeadlessMode CddbMode()
{
    const QCommandLineOption selector =
        ValueOption("cddb", "Look an audio CD up in CDDB and store its texts (with --into).", "DEVICE_OR_CUE");
    const QCommandLineOption site = ValueOption("cddb-site", "The CDDB site for this run.", "URL");
    const QCommandLineOption category = ValueOption("category", "Take only a match of this category.", "C");
    CHeadlessMode mode{selector, {kInto, SaveOption(), site, category}, {}, {}, {}};
    mode.help = QStringLiteral(
        "  covermint --cddb DEVICE_OR_CUE --into LABEL.cla [--save OUT.cla] [--cddb-site URL]\n"
        "            [--category C]\n"
        "      Look the disc up in CDDB (the first match, or the first of category C) and\n"
        "      store its title and track listings in the label, as Connect to CDDB does;\n"
        "      saves LABEL.cla, or OUT.cla when given. Exit status 4: the lookup failed.\n");
    mode.check = [](const QCommandLineParser& parser) { return CheckInto(parser, QStringLiteral("--cddb")); };
    mode.run = [=](const QCommandLineParser& parser) {
        return CdHeadlessModes::LookUpIntoLabel({parser.value(selector), parser.value(kInto), parser.value(SaveOption()),
                                                 parser.value(site), parser.value(category)});
    };
    return mode;
}
