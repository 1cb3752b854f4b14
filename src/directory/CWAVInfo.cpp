#include "directory/CWAVInfo.h"

#include "directory/LittleEndian.h"

#include <QIODevice>

#include <algorithm>
#include <climits>

namespace {
constexpr int kFormatBytes = 18;
} // namespace

bool CWAVInfo::Fail(const QString& reason)
{
    m_error = reason;
    return false;
}

bool CWAVInfo::Load(QIODevice& device)
{
    m_format = {};
    m_dataSize = 0;
    m_error.clear();
    const qint64 fileSize = device.size();
    const QByteArray riff = device.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return Fail(QStringLiteral("no RIFF chunk of form WAVE"));
    const qint64 riffEnd = 8 + qint64(LittleEndian32(riff.constData() + 4));

    bool haveFormat = false;
    bool haveData = false;
    bool haveSampleCount = false;
    qint64 dataOffset = 0;
    for (qint64 position = 12; position + 8 <= riffEnd;) {
        if (!device.seek(position))
            break;
        const QByteArray header = device.read(8);
        if (header.size() < 8)
            break;
        const QByteArray id = header.left(4);
        const qint64 size = LittleEndian32(header.constData() + 4);
        const qint64 end = position + 8 + size;
        if (end > riffEnd)
            return Fail(QStringLiteral("the chunk \"%1\" runs past the end of the RIFF chunk").arg(QString::fromLatin1(id)));
        if (id == "fmt " && !haveFormat) {
            if (end > fileSize)
                return Fail(QStringLiteral("the format chunk is cut short"));
            QByteArray bytes = device.read(std::min<qint64>(size, kFormatBytes));
            bytes.resize(kFormatBytes, '\0');
            const char* p = bytes.constData();
            m_format = {LittleEndian16(p), LittleEndian16(p + 2), LittleEndian32(p + 4), LittleEndian32(p + 8),
                        LittleEndian16(p + 12), LittleEndian16(p + 14), LittleEndian16(p + 16)};
            haveFormat = true;
        } else if (id == "data" && !haveData) {
            haveData = true;
            dataOffset = position + 8;
            m_dataSize = size;
        } else if (id == "fact" && !haveSampleCount) {
            haveSampleCount = size >= 4 && device.read(4).size() == 4;
        }
        position = end + (size & 1);
    }
    if (!haveFormat)
        return Fail(QStringLiteral("no format chunk"));
    if (!haveSampleCount && m_format.formatTag != 1)
        return Fail(QStringLiteral("a compressed format without a sample count"));
    m_dataSize = std::clamp<qint64>(std::min(m_dataSize, fileSize - dataOffset), 0, LLONG_MAX);
    return true;
}

int CWAVInfo::SongLength() const
{
    const qint64 rate = m_format.averageBytesPerSecond;
    if (rate == 0)
        return 0;
    return int(std::min<qint64>((2 * m_dataSize + rate) / (2 * rate), INT_MAX));
}
