#include "directory/CMP3HeaderReader.h"

#include <QIODevice>

#include <algorithm>
#include <climits>

namespace {

quint32 BigEndian32(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | b[3];
}

unsigned VersionBits(quint32 h) { return (h >> 19) & 3; }
unsigned LayerBits(quint32 h) { return (h >> 17) & 3; }
unsigned BitRateIndex(quint32 h) { return (h >> 12) & 15; }
unsigned SamplingIndex(quint32 h) { return (h >> 10) & 3; }
bool IsMpeg1(quint32 h) { return VersionBits(h) == 3; }
bool IsSingleChannel(quint32 h) { return ((h >> 6) & 3) == 3; }
// The layer's number: 1 = Layer I, 2 = Layer II, 3 = Layer III.
int Layer(quint32 h) { return 4 - int(LayerBits(h)); }

// kbit/s by bit-rate index (MPEG-1 per layer; MPEG-2 and 2.5 share theirs).
constexpr int kMpeg1Rates[3][16] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
};
constexpr int kMpeg2Rates[2][16] = {
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
};

int SideInformationSize(quint32 h)
{
    if (IsMpeg1(h))
        return IsSingleChannel(h) ? 17 : 32;
    return IsSingleChannel(h) ? 9 : 17;
}

} // namespace

bool CMP3HeaderReader::IsFrameHeader(quint32 w)
{
    return (w >> 21) == 0x7ff && VersionBits(w) != 1 && LayerBits(w) != 0 && BitRateIndex(w) != 0
           && BitRateIndex(w) != 15 && SamplingIndex(w) != 3 && (w & 3) != 2;
}

bool CMP3HeaderReader::Load(QIODevice& device, qint64 fileSize)
{
    const QByteArray head = device.read(kProbeBytes);
    return Parse(head, fileSize);
}

bool CMP3HeaderReader::Parse(QByteArrayView head, qint64 fileSize)
{
    m_fileSize = fileSize;
    m_hasXing = false;
    m_xingFrames = -1;
    const qint64 size = std::min<qint64>(head.size(), kProbeBytes);
    const char* data = head.data();
    const qint64 lastPosition = std::min(kLastHeaderPosition, size - 4);
    for (qint64 p = 0; p <= lastPosition; ++p) {
        const quint32 word = BigEndian32(data + p);
        if (!IsFrameHeader(word))
            continue;
        m_header = word;
        const qint64 xing = p + 4 + SideInformationSize(word);
        if (xing + 12 <= size && QByteArrayView(data + xing, 4) == QByteArrayView("Xing")) {
            m_hasXing = true;
            if (data[xing + 7] & 1)
                m_xingFrames = qint32(BigEndian32(data + xing + 8));
        }
        return true;
    }
    return false;
}

int CMP3HeaderReader::SamplingRate() const
{
    static constexpr int kRates[4][3] = {
        {11025, 12000, 8000}, // MPEG 2.5
        {0, 0, 0},
        {22050, 24000, 16000}, // MPEG 2
        {44100, 48000, 32000}, // MPEG 1
    };
    const unsigned index = SamplingIndex(m_header);
    return index < 3 ? kRates[VersionBits(m_header)][index] : 0;
}

int CMP3HeaderReader::BitRate() const
{
    if (!IsFrameHeader(m_header))
        return 0;
    const int layer = Layer(m_header);
    // A Xing frame without a usable count says nothing about the rate.
    if (m_hasXing && m_xingFrames > 0) {
        const double k = layer == 1 ? 12.0 : 144.0;
        const double rate = SamplingRate() * (double(m_fileSize) / m_xingFrames) / (k * 1000.0);
        return rate >= 0 && rate < INT_MAX ? int(rate) : 0;
    }
    if (IsMpeg1(m_header))
        return kMpeg1Rates[layer - 1][BitRateIndex(m_header)];
    return kMpeg2Rates[layer == 1 ? 0 : 1][BitRateIndex(m_header)];
}

int CMP3HeaderReader::SongLength() const
{
    const int rate = BitRate();
    if (rate <= 0 || m_fileSize <= 0)
        return 0;
    const qint64 seconds = m_fileSize / 125 / rate; // bits / 1000, without overflow
    return int(std::min<qint64>(seconds, INT_MAX));
}
