#pragma once
// The first MPEG audio frame header of a file (and a Xing frame behind it),
// and the playing length that follows from it and the file size.
#include <QByteArrayView>
#include <QtGlobal>

class QIODevice;

class CMP3HeaderReader
{
public:
    // Frame headers are looked for at the byte positions 0 to this one.
    static constexpr qint64 kLastHeaderPosition = 204800;
    // Enough for a header at the last position and the Xing frame behind it.
    static constexpr qint64 kProbeBytes = kLastHeaderPosition + 4 + 32 + 12;

    // Reads the start of device in one read; fileSize is the whole file's.
    bool Load(QIODevice& device, qint64 fileSize);
    // head: the file's first bytes (at most kProbeBytes are looked at).
    bool Parse(QByteArrayView head, qint64 fileSize);

    quint32 Header() const { return m_header; }
    bool HasXing() const { return m_hasXing; }
    // -1 when the Xing frame gives no count.
    qint32 XingFrameCount() const { return m_xingFrames; }

    int SamplingRate() const;
    // kbit/s; 0 when unknown.
    int BitRate() const;
    // Whole file size in bits / 1000 / bit rate; 0 without a bit rate.
    int SongLength() const;

    static bool IsFrameHeader(quint32 word);

private:
    quint32 m_header = 0;
    qint32 m_xingFrames = -1;
    qint64 m_fileSize = 0;
    bool m_hasXing = false;
};
