#pragma once
// Audio files of known playing time built from their bytes, shared by the
// tests of the length readers and of disc images holding such files.
#include <QByteArray>
#include <QtEndian>

namespace AudioBytes {

inline QByteArray Le16(quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; }
inline QByteArray Le24(quint32 v) { return Le16(quint16(v)) + char(v >> 16); }
inline QByteArray Le32(quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; }
inline QByteArray Be32(quint32 v) { QByteArray b(4, 0); qToBigEndian(v, b.data()); return b; }
inline QByteArray Be64(quint64 v) { QByteArray b(8, 0); qToBigEndian(v, b.data()); return b; }

constexpr quint32 kMpeg1Layer3At128Stereo = 0xFFFB9000;
constexpr quint32 kMpeg1Layer3At128Mono = 0xFFFB90C0;

inline QByteArray XingFrame(quint32 header, quint32 flags, quint32 frames)
{
    return Be32(header) + QByteArray(17, 0) + "Xing" + Be32(flags) + Be32(frames);
}

inline QByteArray Chunk(const char* id, const QByteArray& body) { return QByteArray(id, 4) + Le32(quint32(body.size())) + body; }

inline QByteArray WaveFormat(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = quint16(channels * bits / 8);
    return Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits);
}

inline QByteArray Riff(const QByteArray& chunks, int sizeCorrection = 0)
{
    return "RIFF" + Le32(quint32(4 + chunks.size() + sizeCorrection)) + "WAVE" + chunks;
}

inline QByteArray VocHeader() { return QByteArray("Creative Voice File\x1a", 20) + Le16(26) + Le16(0x010a) + Le16(0x1129); }

inline QByteArray OggPage(quint8 flags, qint64 granule, quint32 sequence, const QByteArray& packet)
{
    return "OggS" + QByteArray(1, 0) + char(flags) + [&] { QByteArray g(8, 0); qToLittleEndian(granule, g.data()); return g; }()
           + Le32(1) + Le32(sequence) + Le32(0) + char(1) + char(packet.size()) + packet;
}

// A 16-bit stereo WAV file at 44100 Hz of the given length.
inline QByteArray Wave(int seconds)
{
    return Riff(Chunk("fmt ", WaveFormat(1, 2, 44100, 16)) + Chunk("data", QByteArray(seconds * 176400, 0)));
}

// A FLAC file: STREAMINFO of the given length at 44100 Hz, stereo, 16 bit.
inline QByteArray Flac(int seconds)
{
    const quint64 packed = quint64(44100) << 44 | quint64(1) << 41 | quint64(15) << 36 | quint64(44100 * seconds);
    const QByteArray streamInfo = QByteArray::fromHex("10001000") + QByteArray(6, 0) + Be64(packed) + QByteArray(16, 0);
    return "fLaC" + QByteArray::fromHex("80000022") + streamInfo;
}

} // namespace AudioBytes
