#pragma once
// The playing length of a bare AAC (ADTS) stream, estimated from the frames
// in its first 64 KB: their bytes per second of sound, applied to the file.
#include <QByteArrayView>
#include <QtGlobal>

class QIODevice;

class CADTSInfo
{
public:
    static constexpr qint64 kProbeBytes = 65536;

    bool Load(QIODevice& device, qint64 fileSize);
    bool Parse(QByteArrayView head, qint64 fileSize);
    int SamplingRate() const { return m_samplingRate; }
    int SongLength() const;

private:
    int m_samplingRate = 0;
    qint64 m_frameBytes = 0;   // bytes of the frames counted
    qint64 m_frameSamples = 0; // their samples per channel
    qint64 m_streamBytes = 0;  // file size from the first frame on
};
