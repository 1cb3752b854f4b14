#include "cd/CCddbDisc.h"

QString CCddbDisc::Identifier() const
{
    return category.isEmpty() || discId.isEmpty() ? QString() : category + QLatin1Char(' ') + discId;
}

QString CCddbDisc::Artist() const
{
    return CddbUnescape(hasRecord ? record.Artist() : matchTitle.section(QStringLiteral(" / "), 0, 0));
}

QString CCddbDisc::Title() const
{
    if (hasRecord)
        return CddbUnescape(record.Title());
    const qsizetype slash = matchTitle.indexOf(QLatin1String(" / "));
    return CddbUnescape(slash < 0 ? matchTitle : matchTitle.mid(slash + 3));
}

QString CCddbDisc::TrackTitle(int track) const
{
    return track >= 1 && track <= TrackCount() ? CddbUnescape(record.ttitles[size_t(track - 1)]) : QString();
}

QString CCddbDisc::TrackExtendedData(int track) const
{
    return track >= 1 && track <= TrackCount() ? record.extts[size_t(track - 1)] : QString();
}

QString CCddbDisc::ChoiceText() const
{
    return category + QStringLiteral(": ") + Artist() + QStringLiteral(" / ") + Title();
}

const QStringList& CddbCategories()
{
    static const QStringList categories = {
        QStringLiteral("blues"), QStringLiteral("classical"), QStringLiteral("country"), QStringLiteral("data"),
        QStringLiteral("folk"), QStringLiteral("jazz"), QStringLiteral("misc"), QStringLiteral("newage"),
        QStringLiteral("reggae"), QStringLiteral("rock"), QStringLiteral("soundtrack")};
    return categories;
}
