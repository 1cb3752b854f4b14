#include "directory/CVOCInfo.h"

#include "directory/LittleEndian.h"

#include <QIODevice>

#include <algorithm>
#include <climits>

namespace {

constexpr qint64 kHeaderBytes = 26;

// Reads exactly n bytes into out.
bool ReadBytes(QIODevice& device, char* out, qint64 n)
{
    return device.read(out, n) == n;
}

quint32 SamplesPerSecondOf(quint32 timeConstant)
{
    return 1000000 / (256 - (timeConstant & 0xff));
}

} // namespace

bool CVOCInfo::Fail(const QString& reason)
{
    m_error = reason;
    return false;
}

bool CVOCInfo::Load(QIODevice& device)
{
    *this = {};
    if (!device.seek(kHeaderBytes))
        return Fail(QStringLiteral("shorter than the file header"));
    if (!ReadBlocks(device))
        return false;
    if (m_soundBytes == 0)
        return Fail(QStringLiteral("no sound data"));
    return true;
}

bool CVOCInfo::SkipSound(QIODevice& device, qint64 length)
{
    const qint64 end = device.pos() + length;
    if (length < 0 || end > device.size())
        return Fail(QStringLiteral("a sound block runs past the end of the file"));
    m_soundBytes += length;
    return device.seek(end);
}

bool CVOCInfo::ReadBlocks(QIODevice& device)
{
    char b[8];
    while (ReadBytes(device, b, 1)) {
        switch (quint8(b[0])) {
        case 0:
            return true;
        case 1: { // sound data: length, time constant, codec, sound
            if (!ReadBytes(device, b, 5))
                return Fail(QStringLiteral("a sound block is cut short"));
            const qint64 length = LittleEndian24(b);
            if (length < 2)
                return Fail(QStringLiteral("a sound block shorter than its header"));
            m_timeConstant = quint8(b[3]);
            m_codec = quint8(b[4]);
            m_bitsPerSample = 8;
            m_channels = 1;
            m_samplesPerSecond = SamplesPerSecondOf(m_timeConstant);
            if (!SkipSound(device, length - 2))
                return false;
            break;
        }
        case 8: { // extended: time constant, codec, channels - 1; a sound block follows
            char next[6];
            if (!ReadBytes(device, b, 7) || !ReadBytes(device, next, 6))
                return Fail(QStringLiteral("an extended block is cut short"));
            const qint64 length = LittleEndian24(next + 1);
            if (length < 2)
                return Fail(QStringLiteral("a sound block shorter than its header"));
            m_timeConstant = LittleEndian16(b + 3) >> 8;
            m_codec = quint8(b[5]);
            m_channels = quint8(quint8(b[6]) + 1);
            m_bitsPerSample = 8;
            m_samplesPerSecond = SamplesPerSecondOf(m_timeConstant);
            if (!SkipSound(device, length - 2))
                return false;
            break;
        }
        case 9: { // new format: length, rate, bits, channels, codec, 4 reserved bytes, sound
            char h[15];
            if (!ReadBytes(device, h, sizeof h))
                return Fail(QStringLiteral("a sound block is cut short"));
            const qint64 length = LittleEndian24(h);
            if (length < 12)
                return Fail(QStringLiteral("a sound block shorter than its header"));
            m_samplesPerSecond = LittleEndian32(h + 3);
            m_bitsPerSample = quint8(h[7]);
            m_channels = quint8(h[8]);
            m_codec = LittleEndian16(h + 9);
            if (!SkipSound(device, length - 12))
                return false;
            break;
        }
        default: // only the type byte is consumed
            break;
        }
    }
    return true;
}

int CVOCInfo::SongLength() const
{
    // In bits, so that 4-bit and other packed samples count right.
    const qint64 bitsPerSecond = qint64(m_samplesPerSecond) * m_channels * m_bitsPerSample;
    if (bitsPerSecond == 0)
        return 0;
    const __int128 bits = __int128(m_soundBytes) * 8;
    return int(std::min<__int128>((2 * bits + bitsPerSecond) / (2 * bitsPerSecond), INT_MAX));
}
