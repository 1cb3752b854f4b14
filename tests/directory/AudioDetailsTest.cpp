// Playing lengths from real MP3, WAV, VOC, AAC, FLAC and Opus bytes written
// here, including broken and lying headers.
#include "directory/CExtendedFileDetails.h"
#include "directory/CMP3HeaderReader.h"
#include "directory/FileRangeDevice.h"
#include "AudioBytes.h"
#include "platform/RecordingPrompter.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

using namespace AudioBytes;

class AudioDetails : public ::testing::Test
{
protected:
    // Writes content and grows the file (sparsely) to size when given.
    QString Write(const QString& name, const QByteArray& content, qint64 size = -1)
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        if (size >= 0) {
            EXPECT_TRUE(file.resize(size));
        }
        return file.fileName();
    }
    int Length(const QString& name, const QByteArray& content, qint64 size = -1)
    {
        return CExtendedFileDetailsFactory::SongLength(Write(name, content, size));
    }
    bool Recognised(const QString& name, const QByteArray& content)
    {
        return CExtendedFileDetailsFactory::CreateDetails(Write(name, content)) != nullptr;
    }

    QTemporaryDir m_dir;
    CRecordingPrompter m_prompter;
};

TEST_F(AudioDetails, Mp3LengthsFromHeadersAndXingFrames)
{
    const QByteArray header = Be32(kMpeg1Layer3At128Stereo);
    // False syncs before the frame: 0xFFFF... fails on the bit-rate index.
    const QByteArray garbage = QByteArray(1000, '\xff') + QByteArray(24, 0);
    const struct
    {
        const char* name;
        QByteArray content;
        qint64 size;
        int seconds;
    } cases[] = {
        {"plain.mp3", header, 4800000, 300},
        {"CAPITALS.MP3", header, 4800000, 300},
        {"late.mp3", garbage + header, 4800000, 300},
        {"at-limit.mp3", QByteArray(204800, 0) + header, 4800000, 300},
        {"beyond-limit.mp3", QByteArray(204801, 0) + header, 4800000, 0},
        {"huge.mp3", header, 300000000, 18750}, // size x 8 does not fit 32 bits
        // 44100 x (4180000 / 10000) / 144000 = 128 kbit/s
        {"xing.mp3", XingFrame(kMpeg1Layer3At128Mono, 1, 10000), 4180000, 261},
        // Without a usable count the header's rate stands.
        {"xing-no-count.mp3", XingFrame(kMpeg1Layer3At128Mono, 0, 10000), 4800000, 300},
        {"xing-zero.mp3", XingFrame(kMpeg1Layer3At128Mono, 1, 0), 4800000, 300},
        // A count of one frame makes the rate absurd, never a crash.
        {"xing-one.mp3", XingFrame(kMpeg1Layer3At128Mono, 1, 1), 4800000, 0},
        {"noise.mp3", QByteArray(5000, '\xff'), -1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Length(QString::fromLatin1(c.name), c.content, c.size), c.seconds) << c.name;
}

TEST(Mp3HeaderReader, RatesByVersionAndOneBoundedRead)
{
    CMP3HeaderReader reader;
    const struct
    {
        quint32 header;
        int samplingRate;
        int bitRate;
    } cases[] = {
        {0xFFFB9000, 44100, 128}, // MPEG 1 Layer III
        {0xFFFD9400, 48000, 160}, // MPEG 1 Layer II
        {0xFFF39000, 22050, 80},  // MPEG 2 Layer III
        {0xFFE39800, 8000, 80},   // MPEG 2.5 Layer III
        {0xFFE39000, 11025, 80},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(reader.Parse(Be32(c.header), 1000)) << std::hex << c.header;
        EXPECT_EQ(reader.SamplingRate(), c.samplingRate) << std::hex << c.header;
        EXPECT_EQ(reader.BitRate(), c.bitRate) << std::hex << c.header;
    }

    // The scan is one read of at most 205 KB, however late the frame is.
    class CCountingBuffer final : public QBuffer
    {
    public:
        using QBuffer::QBuffer;
        int reads = 0;
        qint64 largest = 0;

    protected:
        qint64 readData(char* data, qint64 maxSize) override
        {
            ++reads;
            largest = std::max(largest, maxSize);
            return QBuffer::readData(data, maxSize);
        }
    };
    QByteArray bytes = QByteArray(200 * 1024, 0) + Be32(kMpeg1Layer3At128Stereo) + QByteArray(1 << 20, 0);
    CCountingBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    EXPECT_TRUE(reader.Load(buffer, bytes.size()));
    EXPECT_EQ(buffer.reads, 1);
    EXPECT_LE(buffer.largest, 205 * 1024);
}

TEST_F(AudioDetails, WaveLengthsAndBrokenChunks)
{
    const QByteArray stereo16 = WaveFormat(1, 2, 44100, 16);
    const QByteArray threeSeconds(3 * 176400, 0);
    const struct
    {
        const char* name;
        QByteArray content;
        int seconds;
        bool loads;
    } cases[] = {
        {"stereo.wav", Riff(Chunk("fmt ", stereo16) + Chunk("data", threeSeconds)), 3, true},
        // An odd-sized chunk is padded to an even size.
        {"padded.wav", Riff(Chunk("LIST", "abc") + QByteArray(1, 0) + Chunk("fmt ", stereo16) + Chunk("data", threeSeconds)), 3, true},
        // A data size beyond the file counts what the file holds.
        {"cut.wav", Riff(Chunk("fmt ", stereo16) + "data" + Le32(100 * 176400) + threeSeconds, 99 * 176400), 3, true},
        {"silent-rate.wav", Riff(Chunk("fmt ", WaveFormat(1, 2, 0, 16)) + Chunk("data", threeSeconds)), 0, true},
        {"float-with-fact.wav", Riff(Chunk("fmt ", WaveFormat(3, 1, 8000, 32)) + Chunk("fact", Le32(16000)) + Chunk("data", QByteArray(64000, 0))), 2, true},
        {"no-format.wav", Riff(Chunk("data", threeSeconds)), 0, false},
        {"float-without-fact.wav", Riff(Chunk("fmt ", WaveFormat(3, 1, 8000, 32)) + Chunk("data", QByteArray(64000, 0))), 0, false},
        {"past-riff.wav", Riff(Chunk("fmt ", stereo16) + Chunk("data", threeSeconds), -10), 0, false},
        {"short-format.wav", Riff("fmt " + Le32(16) + QByteArray(6, 0), 10), 0, false},
        {"not-riff.wav", QByteArray("RIFX1234WAVE"), 0, false},
        {"empty.wav", QByteArray(), 0, false},
    };
    for (const auto& c : cases) {
        m_prompter.messages.clear();
        EXPECT_EQ(Recognised(QString::fromLatin1(c.name), c.content), c.loads) << c.name;
        EXPECT_EQ(CExtendedFileDetailsFactory::SongLength(m_dir.filePath(QString::fromLatin1(c.name))), c.seconds) << c.name;
        // The second read above shows it again: once per reading of the file.
        const QStringList expected = c.loads ? QStringList{} : QStringList(2, QStringLiteral("The file cannot be loaded as a wave file"));
        EXPECT_EQ(m_prompter.messages, expected) << c.name;
    }
}

TEST_F(AudioDetails, VoiceLengthsAndBrokenBlocks)
{
    // time constant 131: 1000000 / 125 = 8000 samples per second
    const QByteArray twoSeconds = QByteArray(1, 1) + Le24(16000 + 2) + char(131) + char(0) + QByteArray(16000, 0);
    const QByteArray newFormat = QByteArray(1, 9) + Le24(264600 + 12) + Le32(22050) + char(16) + char(2) + Le16(4)
                                 + Le32(0) + QByteArray(264600, 0);
    const QByteArray fourBit = QByteArray(1, 9) + Le24(8000 + 12) + Le32(8000) + char(4) + char(1) + Le16(2) + Le32(0)
                               + QByteArray(8000, 0);
    // High byte 211: 1000000 / 45 = 22222 per second, two channels
    const QByteArray extended = QByteArray(1, 8) + Le24(4) + Le16(0xD300) + char(0) + char(1)
                                + QByteArray(1, 1) + Le24(88888 + 2) + char(0) + char(0) + QByteArray(88888, 0);
    const QByteArray end(1, 0);
    const struct
    {
        const char* name;
        QByteArray content;
        int seconds;
    } cases[] = {
        {"sound.voc", VocHeader() + twoSeconds + end, 2},
        {"two-blocks.voc", VocHeader() + twoSeconds + twoSeconds + end, 4},
        {"unterminated.voc", VocHeader() + twoSeconds, 2},
        {"new-format.voc", VocHeader() + newFormat + end, 3},
        {"four-bit.voc", VocHeader() + fourBit + end, 2},
        {"extended.voc", VocHeader() + extended + end, 2},
        {"terminator-only.voc", VocHeader() + end, 0},
        {"past-end.voc", VocHeader() + QByteArray(1, 1) + Le24(100000) + char(131) + char(0) + QByteArray(10, 0), 0},
        {"short-block.voc", VocHeader() + QByteArray(1, 1) + Le24(1) + char(131) + char(0) + twoSeconds, 0},
        {"short-new.voc", VocHeader() + QByteArray(1, 9) + Le24(11) + QByteArray(11, 0) + twoSeconds, 0},
        {"header-only.voc", VocHeader().left(10), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Length(QString::fromLatin1(c.name), c.content), c.seconds) << c.name;
}

TEST_F(AudioDetails, FormatsOfTodayThroughTheSameFactory)
{
    const QByteArray flac = AudioBytes::Flac(7);

    // Opus: head and tags pages, then a last page at 5 s past the pre-skip.
    const QByteArray head = "OpusHead" + QByteArray(1, 1) + char(2) + Le16(312) + Le32(48000) + Le16(0) + char(0);
    const QByteArray tags = "OpusTags" + Le32(1) + "x" + Le32(0);
    const QByteArray opus = OggPage(2, 0, 0, head) + OggPage(0, 0, 1, tags) + OggPage(4, 5 * 48000 + 312, 2, QByteArray(10, 0));

    // AAC: 431 ADTS frames of 200 bytes, 44100 Hz stereo, 1024 samples each.
    const QByteArray frame = QByteArray::fromHex("FFF15080191FFC") + QByteArray(193, 0);
    const QByteArray aac = frame.repeated(431);

    EXPECT_EQ(Length(QStringLiteral("a.flac"), flac), 7);
    EXPECT_EQ(Length(QStringLiteral("b.opus"), opus), 5);
    EXPECT_EQ(Length(QStringLiteral("c.aac"), aac), 10);
    for (const char* name : {"x.flac", "x.ogg", "x.oga", "x.opus", "x.m4a", "x.aac", "x.wma"})
        EXPECT_FALSE(Recognised(QString::fromLatin1(name), QByteArray(100, 'x'))) << name;
    EXPECT_FALSE(Recognised(QStringLiteral("song.txt"), flac));
    EXPECT_FALSE(Recognised(QStringLiteral("noextension"), flac));
}

// Files stored inside a disc image are read through a window onto the
// image: every reader must stay inside it and see its end as the file's.
TEST_F(AudioDetails, AFileInsideAnotherIsReadInPlace)
{
    const struct
    {
        const char* name;
        QByteArray content;
        int seconds;
    } cases[] = {{"a.wav", Wave(3), 3}, {"b.flac", Flac(7), 7}, {"c.mp3", Be32(kMpeg1Layer3At128Stereo) + QByteArray(159996, 0), 10}};
    for (const auto& c : cases) {
        // What follows the window would add time if a reader ran past it.
        QByteArray image = QByteArray(4096, 'x') + c.content + Wave(5) + Wave(5);
        QBuffer buffer(&image);
        ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
        CFileRangeDevice stored(buffer, 4096, c.content.size());
        EXPECT_EQ(CExtendedFileDetailsFactory::SongLength(QString::fromLatin1(c.name), stored), c.seconds) << c.name;
    }
    EXPECT_TRUE(CExtendedFileDetailsFactory::HasReader(QStringLiteral("SONG.FLAC")));
    EXPECT_FALSE(CExtendedFileDetailsFactory::HasReader(QStringLiteral("song.flac.txt")));
}

} // namespace
