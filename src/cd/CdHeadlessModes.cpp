#include "cd/CdHeadlessModes.h"

#include "cd/CddbError.h"
#include "cd/CddbSession.h"
#include "cd/CddbTexts.h"
#include "cd/TocReader.h"
#include "document/CCovermintDoc.h"

#include <QFileInfo>
#include <cstdio>

namespace {

enum Exit { Ok = 0, Usage = 1, Input = 2, Output = 3 };

void Say(const QString& text)
{
    std::fprintf(stderr, "covermint: %s\n", text.toLocal8Bit().constData());
}

struct Options
{
    QString discIdSource;
    QString cddbSource;
    QString into;
    QString save;
    QString site;
    QString category;
};

QString Parse(const QStringList& args, Options& o)
{
    const std::pair<const char*, QString*> valued[] = {
        {"--disc-id", &o.discIdSource}, {"--cddb", &o.cddbSource}, {"--into", &o.into},
        {"--save", &o.save},            {"--cddb-site", &o.site},  {"--category", &o.category}};
    for (int i = 0; i < args.size(); ++i) {
        QString* target = nullptr;
        for (const auto& [name, field] : valued)
            if (args.at(i) == QLatin1String(name))
                target = field;
        if (!target)
            return QStringLiteral("unknown argument ") + args.at(i);
        if (i + 1 >= args.size() || args.at(i + 1).isEmpty())
            return args.at(i) + QStringLiteral(" needs a value");
        *target = args.at(++i);
    }
    if (o.discIdSource.isEmpty() == o.cddbSource.isEmpty())
        return QStringLiteral("choose one of --disc-id or --cddb");
    if (!o.discIdSource.isEmpty() && (!o.into.isEmpty() || !o.save.isEmpty() || !o.site.isEmpty() || !o.category.isEmpty()))
        return QStringLiteral("--disc-id takes no further options");
    if (!o.cddbSource.isEmpty() && o.into.isEmpty())
        return QStringLiteral("--cddb needs --into LABEL.cla");
    return {};
}

std::optional<CDiscToc> ReadToc(const QString& source)
{
    const CTocReadResult read = ReadTableOfContents(source);
    if (!read.Ok())
        Say(source + QStringLiteral(": ") + read.message);
    return read.toc;
}

int DiscId(const Options& o)
{
    const std::optional<CDiscToc> toc = ReadToc(o.discIdSource);
    if (!toc)
        return Input;
    const QByteArray line = toc->DiscIdLine().toLatin1() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    return std::fflush(stdout) == 0 ? Ok : Output;
}

// No one to ask: the first match (of the category, when one is given).
class CUnattendedPrompts final : public ICddbPrompts
{
public:
    explicit CUnattendedPrompts(QString category) : m_category(std::move(category)) {}
    int ChooseDisc(const std::vector<CCddbDisc>& matches) override
    {
        for (size_t i = 0; i < matches.size(); ++i)
            if (m_category.isEmpty() || matches[i].category == m_category)
                return int(i);
        return -1;
    }

private:
    QString m_category;
};

// The disc the site knows for the table of contents; throws CCddbError.
std::optional<CCddbDisc> LookUp(CCddbClient& client, const CDiscToc& toc, const QString& category)
{
    switch (client.LookupMediaByToc(toc.Text(), 0)) {
    case CCddbClient::OneMatch:
        if (category.isEmpty() || client.MatchedDisc().category == category)
            return client.MatchedDisc();
        return std::nullopt;
    case CCddbClient::SeveralMatches: {
        const std::optional<CCddbDisc> picked = client.ChooseDisc(client.MatchList());
        if (!picked)
            return std::nullopt;
        return client.FullDiscInfo(*picked, 0);
    }
    default:
        return std::nullopt;
    }
}

int Cddb(const Options& o)
{
    const std::optional<CDiscToc> toc = ReadToc(o.cddbSource);
    if (!toc)
        return Input;
    if (!QFileInfo(o.into).isFile()) {
        Say(o.into + QStringLiteral(": no such file"));
        return Input;
    }
    CCovermintDoc document;
    if (!document.Load(o.into))
        return Input;

    CCddbOptions options = CddbOptionsFromPreferences();
    if (!o.site.isEmpty())
        options.site = CCddbClient::SiteUrl(o.site);
    CUnattendedPrompts prompts(o.category);
    CCddbClient client(prompts);
    client.SetOptions(options);
    std::optional<CCddbDisc> disc;
    try {
        disc = LookUp(client, *toc, o.category);
    } catch (const CCddbError& e) {
        Say(e.Message());
        return CdHeadlessModes::kCddbFailed;
    }
    if (!disc) {
        Say(QStringLiteral("CDDB has no entry for disc %1%2")
                .arg(toc->DiscIdText(), o.category.isEmpty() ? QString() : QStringLiteral(" in ") + o.category));
        return CdHeadlessModes::kCddbFailed;
    }
    StoreCddbTexts(document, BuildCddbTexts(*disc, toc->Text(), true));
    const QString out = o.save.isEmpty() ? o.into : o.save;
    QString error;
    if (!document.SaveTo(out, &error)) {
        Say(out + QStringLiteral(": ") + error);
        return Output;
    }
    return Ok;
}

} // namespace

bool CdHeadlessModes::Handles(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--disc-id")) || arguments.contains(QStringLiteral("--cddb"));
}

int CdHeadlessModes::Run(const QStringList& arguments)
{
    Options options;
    const QString problem = Parse(arguments, options);
    if (!problem.isEmpty()) {
        Say(problem + QStringLiteral(" (see covermint --help)"));
        return Usage;
    }
    return options.discIdSource.isEmpty() ? Cddb(options) : DiscId(options);
}

QString CdHeadlessModes::HelpText()
{
    return QStringLiteral(
        "  covermint --disc-id DEVICE_OR_CUE\n"
        "      Print the CDDB disc id line of the audio CD in a drive (or of a CUE, cdrdao\n"
        "      TOC or NRG image): <id> <ntracks> <offset>... <seconds>.\n"
        "  covermint --cddb DEVICE_OR_CUE --into LABEL.cla [--save OUT.cla] [--cddb-site URL]\n"
        "            [--category C]\n"
        "      Look the disc up in CDDB (the first match, or the first of category C) and\n"
        "      store its title and track listings in the label, as Connect to CDDB does;\n"
        "      saves LABEL.cla, or OUT.cla when given. Exit status 4: the lookup failed.\n");
}
