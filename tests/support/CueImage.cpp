#include "support/CueImage.h"

#include <QFile>

namespace {
QString Msf(int frames)
{
    return QString::asprintf("%02d:%02d:%02d", frames / (75 * 60), frames / 75 % 60, frames % 75);
}
} // namespace

QString WriteCueImage(const QString& folder, const std::vector<CueTrack>& tracks, const QString& baseName)
{
    QString cue = QStringLiteral("FILE \"%1.bin\" BINARY\n").arg(baseName);
    int start = 0;
    for (size_t i = 0; i < tracks.size(); ++i) {
        cue += QStringLiteral("  TRACK %1 %2\n").arg(int(i + 1), 2, 10, QLatin1Char('0'))
                   .arg(tracks[i].audio ? QStringLiteral("AUDIO") : QStringLiteral("MODE1/2352"));
        cue += QStringLiteral("    INDEX 01 %1\n").arg(Msf(start));
        start += tracks[i].frames;
    }
    QFile bin(folder + QLatin1Char('/') + baseName + QStringLiteral(".bin"));
    if (!bin.open(QIODevice::WriteOnly) || !bin.resize(qint64(start) * 2352))
        return {};
    const QString cuePath = folder + QLatin1Char('/') + baseName + QStringLiteral(".cue");
    QFile file(cuePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(cue.toUtf8()) < 0)
        return {};
    return cuePath;
}

std::vector<CueTrack> ThreeTrackDisc()
{
    return {{60 * 75}, {45 * 75 + 37}, {30 * 75 + 10}};
}
