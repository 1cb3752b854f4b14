#pragma once
// The sound format and the number of sound bytes of a Creative voice file,
// found by walking its blocks; the sound itself is skipped, never read.
#include <QString>
#include <QtGlobal>

class QIODevice;

class CVOCInfo
{
public:
    // False with a reason when the blocks are broken or hold no sound.
    bool Load(QIODevice& device);
    QString Error() const { return m_error; }

    int BitsPerSample() const { return m_bitsPerSample; }
    int Channels() const { return m_channels; }
    int Codec() const { return m_codec; }
    int TimeConstant() const { return m_timeConstant; }
    quint32 SamplesPerSecond() const { return m_samplesPerSecond; }
    qint64 SoundBytes() const { return m_soundBytes; }
    // Sound bytes / (samples per second x channels x bytes per sample), to the
    // nearest second; 0 when any of them is 0.
    int SongLength() const;

private:
    bool Fail(const QString& reason);
    bool ReadBlocks(QIODevice& device);
    // Counts length sound bytes at the device's position and skips them.
    bool SkipSound(QIODevice& device, qint64 length);

    quint8 m_bitsPerSample = 0;
    quint8 m_channels = 0;
    quint16 m_codec = 0;
    quint32 m_timeConstant = 0;
    quint32 m_samplesPerSecond = 0;
    qint64 m_soundBytes = 0;
    QString m_error;
};
