#include "directory/CADTSInfo.h"

#include <QIODevice>

#include <algorithm>
#include <climits>

namespace {

constexpr int kSamplingRates[16] = {96000, 88200, 64000, 48000, 44100, 32000, 24000, 22050,
                                    16000, 12000, 11025, 8000,  7350,  0,     0,     0};

// Bytes of an ID3v2 tag at the start, 0 without one.
qint64 Id3TagBytes(const unsigned char* p, qint64 size)
{
    if (size < 10 || p[0] != 'I' || p[1] != 'D' || p[2] != '3')
        return 0;
    return 10 + (qint64(p[6] & 0x7f) << 21 | qint64(p[7] & 0x7f) << 14 | qint64(p[8] & 0x7f) << 7 | (p[9] & 0x7f));
}

} // namespace

bool CADTSInfo::Load(QIODevice& device, qint64 fileSize)
{
    return Parse(device.read(kProbeBytes), fileSize);
}

bool CADTSInfo::Parse(QByteArrayView head, qint64 fileSize)
{
    *this = {};
    const auto* p = reinterpret_cast<const unsigned char*>(head.data());
    const qint64 size = head.size();
    const qint64 start = Id3TagBytes(p, size);
    for (qint64 at = start; at + 7 <= size;) {
        const unsigned char* h = p + at;
        if (h[0] != 0xff || (h[1] & 0xf6) != 0xf0)
            break;
        const int rate = kSamplingRates[(h[2] >> 2) & 15];
        const qint64 length = qint64(h[3] & 3) << 11 | qint64(h[4]) << 3 | h[5] >> 5;
        if (rate == 0 || length < 7 || (m_samplingRate && rate != m_samplingRate))
            break;
        m_samplingRate = rate;
        m_frameBytes += length;
        m_frameSamples += 1024 * ((h[6] & 3) + 1);
        at += length;
    }
    m_streamBytes = fileSize - start;
    return m_frameBytes > 0 && m_streamBytes > 0;
}

int CADTSInfo::SongLength() const
{
    if (m_frameBytes == 0 || m_samplingRate == 0)
        return 0;
    const double seconds = double(m_streamBytes) * m_frameSamples / m_frameBytes / m_samplingRate;
    return int(std::min(seconds + 0.5, double(INT_MAX)));
}
