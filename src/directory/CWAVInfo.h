#pragma once
// The format and data size of a RIFF wave file, found by walking its chunks
// without reading any sound.
#include <QString>
#include <QtGlobal>

class QIODevice;

struct CWaveFormat
{
    quint16 formatTag = 0;
    quint16 channels = 0;
    quint32 samplesPerSecond = 0;
    quint32 averageBytesPerSecond = 0;
    quint16 blockAlignment = 0;
    quint16 bitsPerSample = 0;
    quint16 extraSize = 0;
};

class CWAVInfo
{
public:
    // False with a reason when the device holds no usable wave structure.
    bool Load(QIODevice& device);
    QString Error() const { return m_error; }

    const CWaveFormat& Format() const { return m_format; }
    // Bytes of the first data chunk that the file really holds.
    qint64 DataSize() const { return m_dataSize; }
    // Data size / average bytes per second, to the nearest second.
    int SongLength() const;

private:
    bool Fail(const QString& reason);

    CWaveFormat m_format;
    qint64 m_dataSize = 0;
    QString m_error;
};
