#include "cd/CdHeadlessModes.h"

#include "cd/CddbError.h"
#include "cd/CddbSession.h"
#include "cd/CddbTexts.h"
#include "cd/TocReader.h"
#include "document/CCovermintDoc.h"

#include <QFileInfo>
#include <cstdio>

namespace {

enum Exit { Ok = 0, Input = 2, Output = 3 };

void Say(const QString& text)
{
    std::fprintf(stderr, "covermint: %s\n", text.toLocal8Bit().constData());
}

std::optional<CDiscToc> ReadToc(const QString& source)
{
    const CTocReadResult read = ReadTableOfContents(source);
    if (!read.Ok())
        Say(source + QStringLiteral(": ") + read.message);
    return read.toc;
}

} // namespace

int CdHeadlessModes::PrintDiscId(const QString& source)
{
    const std::optional<CDiscToc> toc = ReadToc(source);
    if (!toc)
        return Input;
    const QByteArray line = toc->DiscIdLine().toLatin1() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    return std::fflush(stdout) == 0 ? Ok : Output;
}

namespace {
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

std::optional<CCddbTexts> TextsOf(const CDiscToc& toc, const QString& site, const QString& category, int* status)
{
    CCddbOptions options = CddbOptionsFromPreferences();
    if (!site.isEmpty())
        options.site = CCddbClient::SiteUrl(site);
    CUnattendedPrompts prompts(category);
    CCddbClient client(prompts);
    client.SetOptions(options);
    std::optional<CCddbDisc> disc;
    try {
        disc = LookUp(client, toc, category);
    } catch (const CCddbError& e) {
        Say(e.Message());
        *status = CdHeadlessModes::kCddbFailed;
        return std::nullopt;
    }
    if (!disc) {
        Say(QStringLiteral("CDDB has no entry for disc %1%2")
                .arg(toc.DiscIdText(), category.isEmpty() ? QString() : QStringLiteral(" in ") + category));
        *status = CdHeadlessModes::kCddbFailed;
        return std::nullopt;
    }
    *status = Ok;
    return BuildCddbTexts(*disc, toc.Text(), true);
}

} // namespace

std::optional<CCddbTexts> CdHeadlessModes::LookUpTexts(const QString& source, const QString& site,
                                                      const QString& category, int* status)
{
    const std::optional<CDiscToc> toc = ReadToc(source);
    if (!toc) {
        *status = Input;
        return std::nullopt;
    }
    return TextsOf(*toc, site, category, status);
}

int CdHeadlessModes::LookUpIntoLabel(const CCddbRun& o)
{
    const std::optional<CDiscToc> toc = ReadToc(o.source);
    if (!toc)
        return Input;
    if (!QFileInfo(o.into).isFile()) {
        Say(o.into + QStringLiteral(": no such file"));
        return Input;
    }
    CCovermintDoc document;
    if (!document.Load(o.into))
        return Input;
    int status = Ok;
    const std::optional<CCddbTexts> texts = TextsOf(*toc, o.site, o.category, &status);
    if (!texts)
        return status;
    StoreCddbTexts(document, *texts);
    const QString out = o.save.isEmpty() ? o.into : o.save;
    QString error;
    if (!document.SaveTo(out, &error)) {
        Say(out + QStringLiteral(": ") + error);
        return Output;
    }
    return Ok;
}
