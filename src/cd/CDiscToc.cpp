#include "cd/CDiscToc.h"

#include <QStringList>

namespace {
int DigitSum(int n)
{
    int sum = 0;
    for (; n > 0; n /= 10)
        sum += n % 10;
    return sum;
}
} // namespace

bool CDiscToc::IsValid() const
{
    if (offsets.empty() || TrackCount() > kMaxTracks || offsets.front() < 0)
        return false;
    for (size_t i = 1; i < offsets.size(); ++i)
        if (offsets[i] <= offsets[i - 1])
            return false;
    return leadout > offsets.back();
}

quint32 CDiscToc::DiscId() const
{
    int checksum = 0;
    for (int offset : offsets)
        checksum += DigitSum(offset / kFramesPerSecond);
    const int first = offsets.empty() ? 0 : offsets.front() / kFramesPerSecond;
    const quint32 length = quint32(LengthSeconds() - first) & 0xffffu;
    return (quint32(checksum % 255) << 24) | (length << 8) | (quint32(TrackCount()) & 0xffu);
}

QString CDiscToc::DiscIdText() const
{
    return QStringLiteral("%1").arg(DiscId(), 8, 16, QLatin1Char('0'));
}

QString CDiscToc::DiscIdLine() const
{
    QString line = DiscIdText() + QLatin1Char(' ') + QString::number(TrackCount());
    for (int offset : offsets)
        line += QLatin1Char(' ') + QString::number(offset);
    return line + QLatin1Char(' ') + QString::number(LengthSeconds());
}

QString CDiscToc::Text() const
{
    QString text;
    for (int offset : offsets)
        text += QString::number(offset) + QLatin1Char(' ');
    return text + QString::number(leadout);
}

std::optional<CDiscToc> CDiscToc::FromText(const QString& text)
{
    const QStringList pieces = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (pieces.size() < 2 || pieces.size() > kMaxTracks + 1)
        return std::nullopt;
    CDiscToc toc;
    for (const QString& piece : pieces) {
        bool ok = false;
        const int value = piece.toInt(&ok);
        if (!ok)
            return std::nullopt;
        toc.offsets.push_back(value);
    }
    toc.leadout = toc.offsets.back();
    toc.offsets.pop_back();
    if (!toc.IsValid())
        return std::nullopt;
    return toc;
}

std::vector<int> TrackLengthsFromToc(const QString& tocText)
{
    std::vector<int> lengths;
    const QStringList pieces = tocText.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 1; i < pieces.size(); ++i)
        lengths.push_back(pieces.at(i).toInt() - pieces.at(i - 1).toInt());
    return lengths;
}

QString TrackTimeText(int frames)
{
    const double seconds = double(frames) / CDiscToc::kFramesPerSecond;
    const int hours = int(seconds / 3600);
    const int minutes = int(seconds / 60) % 60;
    const int secs = int(seconds) % 60;
    if (hours == 0 && minutes == 0 && secs == 0)
        return {};
    if (hours > 0)
        return QString::asprintf("%d:%02d:%02d", hours, minutes, secs);
    return QString::asprintf("%02d:%02d", minutes, secs);
}
