#include "app/CHeadlessRunner.h"

#include "app/LabelExporter.h"
#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "document/LabelFile.h"
#include "document/LabelJson.h"
#include "document/XmlFile.h"
#include "platform/Prompter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

const char* const kModes[] = {"--export", "--info", "--new-from"};

void PrintError(const QString& text)
{
    std::fprintf(stderr, "covermint: %s\n", text.toLocal8Bit().constData());
}

// Messages the loading code would show in a window, one line each on
// stderr, naming the file they concern.
class CFilePrompter final : public CPrompter
{
public:
    explicit CFilePrompter(QString file) : m_file(std::move(file))
    {
        m_previous = &Prompter();
        SetPrompter(this);
    }
    ~CFilePrompter() override { SetPrompter(m_previous); }

    void ShowMessage(const QString& text, Icon) override
    {
        QString line = text;
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        PrintError(m_file + QStringLiteral(": ") + line.simplified());
    }
    bool AskYesNo(const QString&) override { return false; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

private:
    QString m_file;
    CPrompter* m_previous = nullptr;
};

struct Options
{
    QStringList exports;
    int dpi = 300;
    bool info = false;
    QString newFrom;
    QString save;
    std::optional<QString> name, description, author, created;
    QString file;
};

// Parses the arguments; returns an error text on misuse.
QString Parse(const QStringList& args, Options& o)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        auto value = [&](QString& target) -> bool {
            if (i + 1 >= args.size())
                return false;
            target = args.at(++i);
            return true;
        };
        QString v;
        if (a == QLatin1String("--export")) {
            if (!value(v))
                return QStringLiteral("--export needs an output file");
            o.exports << v;
        } else if (a == QLatin1String("--dpi")) {
            bool ok = false;
            if (!value(v) || (o.dpi = v.toInt(&ok), !ok) || o.dpi < 10 || o.dpi > 2400)
                return QStringLiteral("--dpi needs a whole number from 10 to 2400");
        } else if (a == QLatin1String("--info")) {
            o.info = true;
        } else if (a == QLatin1String("--new-from")) {
            if (!value(o.newFrom))
                return QStringLiteral("--new-from needs a template file");
        } else if (a == QLatin1String("--save")) {
            if (!value(o.save))
                return QStringLiteral("--save needs an output file");
        } else if (a == QLatin1String("--set-name") || a == QLatin1String("--set-description")
                   || a == QLatin1String("--set-author") || a == QLatin1String("--set-created")) {
            if (!value(v))
                return a + QStringLiteral(" needs a text");
            auto& field = a.endsWith(QLatin1String("name")) ? o.name
                          : a.endsWith(QLatin1String("description")) ? o.description
                          : a.endsWith(QLatin1String("author")) ? o.author
                                                                 : o.created;
            field = v;
        } else if (a.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown option ") + a;
        } else if (o.file.isEmpty()) {
            o.file = a;
        } else {
            return QStringLiteral("only one label file may be given");
        }
    }
    const int modes = (o.exports.isEmpty() ? 0 : 1) + (o.info ? 1 : 0) + (o.newFrom.isEmpty() ? 0 : 1);
    if (modes != 1)
        return QStringLiteral("choose one of --export, --info or --new-from");
    if (!o.newFrom.isEmpty()) {
        if (o.save.isEmpty())
            return QStringLiteral("--new-from needs --save OUT.cla");
        if (!o.file.isEmpty())
            return QStringLiteral("--new-from takes no label file");
    } else if (o.file.isEmpty()) {
        return QStringLiteral("no label file given");
    }
    for (const QString& out : o.exports)
        if (!LabelExporter::FormatOf(out))
            return out + QStringLiteral(": the output must end in .pdf, .png or .svg");
    return {};
}

// Reads a label or template; false (with a message) when it cannot be read.
bool LoadInput(CCovermintDoc& document, const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        PrintError(path + QStringLiteral(": no such file"));
        return false;
    }
    if (!info.isFile() || !info.isReadable()) {
        PrintError(path + QStringLiteral(": not a readable file"));
        return false;
    }
    // The window opens a file of another kind as an empty label; a script
    // is better told.
    pugi::xml_document xml;
    const XmlLoadResult parsed = LoadXmlFile(path, xml);
    if (!parsed.ok) {
        PrintError(QStringLiteral("%1: %2 (line %3, column %4)")
                       .arg(path, parsed.reason.simplified()).arg(parsed.line).arg(parsed.column));
        return false;
    }
    CFilePrompter prompter(path);
    if (!LabelFile::ReadParsed(document, xml)) {
        PrintError(path + QStringLiteral(": not a Covermint label"));
        return false;
    }
    return true;
}

QString ResolveTemplate(const QString& name)
{
    if (QFileInfo::exists(name))
        return name;
    const QString inHome = CPreferences::Instance().HomeFolder() + QStringLiteral("Templates/") + name;
    return QFileInfo::exists(inHome) ? inHome : name;
}

int Export(const Options& o)
{
    CCovermintDoc document;
    if (!LoadInput(document, o.file))
        return CHeadlessRunner::InputError;
    for (const QString& out : o.exports) {
        QString error;
        if (!LabelExporter::Export(document, out, o.dpi, &error)) {
            PrintError(out + QStringLiteral(": ") + error);
            return CHeadlessRunner::OutputError;
        }
    }
    return CHeadlessRunner::Ok;
}

int Info(const Options& o)
{
    CCovermintDoc document;
    if (!LoadInput(document, o.file))
        return CHeadlessRunner::InputError;
    QFile out;
    const bool written = out.open(stdout, QIODevice::WriteOnly) && WriteLabelJson(document, out) && out.flush();
    return written ? CHeadlessRunner::Ok : CHeadlessRunner::OutputError;
}

int NewFrom(const Options& o)
{
    CCovermintDoc document;
    document.DisplaySettings().CopyFromPreferences();
    if (!LoadInput(document, ResolveTemplate(o.newFrom)))
        return CHeadlessRunner::InputError;
    document.SetTitle(QStringLiteral("Untitled Label"));
    if (o.description)
        document.SetDescription(*o.description);
    if (o.author)
        document.SetAuthor(*o.author);
    if (o.created)
        document.SetCreationDate(*o.created);
    if (o.name)
        document.SetName(*o.name);
    QString error;
    if (!document.SaveTo(o.save, &error)) {
        PrintError(o.save + QStringLiteral(": ") + error);
        return CHeadlessRunner::OutputError;
    }
    return CHeadlessRunner::Ok;
}

} // namespace

bool CHeadlessRunner::IsHeadless(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* mode : kModes)
            if (std::strcmp(argv[i], mode) == 0)
                return true;
    return false;
}

QString CHeadlessRunner::HelpText()
{
    return QStringLiteral(
        "Headless modes (no display needed):\n"
        "  covermint --export OUT [--export OUT2 ...] [--dpi N] FILE\n"
        "      Render the label FILE (.cla or .cte) as it prints, to PDF, PNG or SVG\n"
        "      by OUT's extension; PNG at N dots per inch (default 300).\n"
        "      Example: covermint --export label.pdf --export label.png --dpi 150 my.cla\n"
        "  covermint --info FILE\n"
        "      Print the label's content as JSON on standard output.\n"
        "      Example: covermint --info my.cla > my.json\n"
        "  covermint --new-from TEMPLATE --save OUT.cla [--set-name S] [--set-description S]\n"
        "            [--set-author S] [--set-created S]\n"
        "      Make a label from a template (a path, or one relative to the home folder's\n"
        "      Templates), set its header fields and save it.\n"
        "      Example: covermint --new-from \"ZIP Disk/ZIP Disk Label.cte\" --save backup.cla --set-name Backup\n"
        "Exit status: 0 success, 1 usage error, 2 input error, 3 output error.\n");
}

int CHeadlessRunner::Run(const QStringList& arguments)
{
    Options options;
    const QString problem = Parse(arguments, options);
    if (!problem.isEmpty()) {
        PrintError(problem + QStringLiteral(" (see covermint --help)"));
        return UsageError;
    }
    if (!options.exports.isEmpty())
        return Export(options);
    if (options.info)
        return Info(options);
    return NewFrom(options);
}
