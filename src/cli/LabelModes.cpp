// The modes that work on one label: export it as printed, print it as JSON,
// make one from a template.
#include "cli/CHeadlessRunner.h"
#include "cli/HeadlessMode.h"
#include "cli/HeadlessSupport.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "export/LabelExporter.h"
#include "export/LabelJson.h"

#include <QFile>

namespace {

const QCommandLineOption kDpi(QStringLiteral("dpi"), QStringLiteral("PNG resolution in dots per inch (default 300)."),
                              QStringLiteral("N"), QStringLiteral("300"));

// The one label file the mode reads, or a usage problem.
QString CheckOneLabel(const QCommandLineParser& parser)
{
    return parser.positionalArguments().isEmpty() ? QStringLiteral("no label file given") : QString();
}

QString LabelFile(const QCommandLineParser& parser)
{
    return parser.positionalArguments().value(0);
}

int Dpi(const QCommandLineParser& parser, bool* ok)
{
    const int dpi = parser.value(kDpi).toInt(ok);
    *ok = *ok && dpi >= 10 && dpi <= 2400;
    return dpi;
}

} // namespace

CHeadlessMode ExportMode()
{
    const QCommandLineOption selector =
        ValueOption("export", "Render the label as it prints, by OUT's extension (repeatable).", "OUT");
    const QCommandLineOption calibrate =
        ValueOption("calibrate", "Apply the calibration stored for PRINTER to --export.", "PRINTER");
    CHeadlessMode mode{selector, {kDpi, calibrate}, {}, {}, {}};
    mode.help = QStringLiteral(
        "  covermint --export OUT [--export OUT2 ...] [--dpi N] [--calibrate PRINTER] FILE\n"
        "      Render the label FILE (.cla or .cte) as it prints, to PDF, PNG or SVG\n"
        "      by OUT's extension; PNG at N dots per inch (default 300). A label wider\n"
        "      than the page goes on the page turned. --calibrate moves and scales it\n"
        "      as File > Print Calibration... stored it for PRINTER.\n"
        "      Example: covermint --export label.pdf --export label.png --dpi 150 my.cla\n");
    mode.check = [selector](const QCommandLineParser& parser) {
        bool ok = false;
        Dpi(parser, &ok);
        if (!ok)
            return QStringLiteral("--dpi needs a whole number from 10 to 2400");
        if (QString problem = CheckOneLabel(parser); !problem.isEmpty())
            return problem;
        for (const QString& out : parser.values(selector))
            if (!LabelExporter::FormatOf(out))
                return out + QStringLiteral(": the output must end in .pdf, .png or .svg");
        return QString();
    };
    mode.run = [selector, calibrate](const QCommandLineParser& parser) {
        PrinterCalibration calibration;
        if (parser.isSet(calibrate)) {
            const QString printer = parser.value(calibrate);
            const std::optional<PrinterCalibration> stored = CPreferences::Instance().Calibration(printer);
            if (!stored) {
                PrintError(QStringLiteral("no calibration is stored for the printer \"%1\"").arg(printer));
                return int(CHeadlessRunner::UsageError);
            }
            calibration = *stored;
        }
        CCovermintDoc document;
        if (!LoadLabelInput(document, LabelFile(parser)))
            return int(CHeadlessRunner::InputError);
        bool ok = false;
        const int dpi = Dpi(parser, &ok);
        for (const QString& out : parser.values(selector)) {
            QString error;
            if (!LabelExporter::Export(document, out, dpi, &error, calibration)) {
                PrintError(out + QStringLiteral(": ") + error);
                return int(CHeadlessRunner::OutputError);
            }
        }
        return int(CHeadlessRunner::Ok);
    };
    return mode;
}

CHeadlessMode InfoMode()
{
    CHeadlessMode mode{QCommandLineOption(QStringLiteral("info"), QStringLiteral("Print the label's content as JSON.")),
                       {}, {}, CheckOneLabel, {}};
    mode.help = QStringLiteral(
        "  covermint --info FILE\n"
        "      Print the label's content as JSON on standard output.\n"
        "      Example: covermint --info my.cla > my.json\n");
    mode.run = [](const QCommandLineParser& parser) {
        CCovermintDoc document;
        if (!LoadLabelInput(document, LabelFile(parser)))
            return int(CHeadlessRunner::InputError);
        QFile out;
        const bool written = out.open(stdout, QIODevice::WriteOnly) && WriteLabelJson(document, out) && out.flush();
        return written ? int(CHeadlessRunner::Ok) : int(CHeadlessRunner::OutputError);
    };
    return mode;
}

CHeadlessMode NewFromMode()
{
    const QCommandLineOption selector =
        ValueOption("new-from", "Make a label from a template and save it (with --save).", "TEMPLATE");
    auto field = [](const char* name) {
        return QCommandLineOption(QStringLiteral("set-%1").arg(QLatin1String(name)),
                                  QStringLiteral("The new label's %1.").arg(QLatin1String(name)), QStringLiteral("S"));
    };
    const QCommandLineOption name = field("name"), description = field("description"), author = field("author"),
                             created = field("created");
    CHeadlessMode mode{selector, {SaveOption(), name, description, author, created}, {}, {}, {}};
    mode.help = QStringLiteral(
        "  covermint --new-from TEMPLATE --save OUT.cla [--set-name S] [--set-description S]\n"
        "            [--set-author S] [--set-created S]\n"
        "      Make a label from a template (a path, or one relative to the home folder's\n"
        "      Templates), set its header fields and save it.\n"
        "      Example: covermint --new-from \"ZIP Disk/ZIP Disk Label.cte\" --save backup.cla --set-name Backup\n");
    mode.check = [](const QCommandLineParser& parser) {
        if (!parser.isSet(SaveOption()))
            return QStringLiteral("--new-from needs --save OUT.cla");
        if (!parser.positionalArguments().isEmpty())
            return QStringLiteral("--new-from takes no label file");
        return QString();
    };
    mode.run = [=](const QCommandLineParser& parser) {
        CCovermintDoc document;
        document.DisplaySettings() = CPreferences::Instance().Display();
        if (!LoadLabelInput(document, ResolveTemplate(parser.value(selector))))
            return int(CHeadlessRunner::InputError);
        document.SetTitle(QStringLiteral("Untitled Label"));
        if (parser.isSet(description))
            document.SetDescription(parser.value(description));
        if (parser.isSet(author))
            document.SetAuthor(parser.value(author));
        if (parser.isSet(created))
            document.SetCreationDate(parser.value(created));
        if (parser.isSet(name))
            document.SetName(parser.value(name));
        return SaveLabelOutput(document, parser.value(SaveOption()));
    };
    return mode;
}
