#include "cd/CddbTexts.h"

#include "cd/CCddbDisc.h"
#include "cd/CDiscToc.h"
#include "document/CCovermintDoc.h"

QString CleanExtendedData(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    text.replace(QLatin1String("\\t"), QLatin1String("   "));
    text.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
    text.remove(QLatin1String("\\\\"));
    return text;
}

CCddbTexts BuildCddbTexts(const CCddbDisc& disc, const QString& tocText, bool trackTimes)
{
    CCddbTexts texts;
    texts.title = disc.Artist() + QStringLiteral(" - ") + disc.Title();
    const std::vector<int> lengths = TrackLengthsFromToc(tocText);
    bool anyExtended = false;
    for (int i = 1; i <= disc.TrackCount(); ++i) {
        const QString extended = CleanExtendedData(disc.TrackExtendedData(i));
        anyExtended = anyExtended || !extended.isEmpty();
        if (!texts.trackListing.isEmpty())
            texts.trackListing += QLatin1String("\r\n");
        texts.trackListing += QStringLiteral("%1. ").arg(i) + disc.TrackTitle(i);
        if (trackTimes && size_t(i) <= lengths.size()) {
            const QString time = TrackTimeText(lengths[size_t(i - 1)]);
            if (!time.isEmpty())
                texts.trackListing += QLatin1Char(' ') + time;
        }
        if (!texts.extTrackInfo.isEmpty())
            texts.extTrackInfo += QLatin1String("\r\n");
        texts.extTrackInfo += QStringLiteral("%1. ").arg(i) + extended;
    }
    if (!anyExtended)
        texts.extTrackInfo.clear();
    texts.extDiscInfo = CleanExtendedData(disc.ExtendedData());
    return texts;
}

void StoreCddbTexts(CCovermintDoc& document, const CCddbTexts& texts)
{
    document.AddDirectoryInformation(QString())->SetCddbTexts(texts);
    document.MarkChangedBeyondUndo();
    document.UpdateAllViews();
}

CCddbTexts StoredCddbTexts(const CCovermintDoc& document)
{
    const CDocumentDirectoryInformation* record = document.FindDirectoryInformation(QString());
    return record ? record->CddbTexts() : CCddbTexts();
}
