// Table of contents, disc ids and track times, read from CUE/BIN images
// built by the test.
#include "cd/CCdAudio.h"
#include "cd/TocReader.h"
#include "support/CueImage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct IdVector
{
    std::vector<int> offsets;
    int leadout;
    const char* id;
};

TEST(DiscId, KnownVectors)
{
    const IdVector vectors[] = {
        {{150, 9700, 25887, 39297, 53795, 63735, 77517, 94877, 107270, 123552, 135522, 148422, 161197,
          174790, 192022, 205545, 218010, 228700, 239590, 255470, 266932, 288750},
         303602, "370fce16"},
        {{150, 11563, 25174, 45863}, 55370, "1f02e004"},
        {{150, 4650, 8062}, 10322, "12008703"},
    };
    for (const IdVector& v : vectors) {
        const CDiscToc toc{v.offsets, v.leadout};
        EXPECT_EQ(toc.DiscIdText(), QLatin1String(v.id));
        EXPECT_EQ(CDiscToc::FromText(toc.Text()), toc);
    }
}

TEST(DiscId, ChecksumIsATrueModulo)
{
    // Digit sums add up to 570: 570 % 255 = 0x3c, where masking would give 0x3a.
    CDiscToc toc;
    for (int i = 0; i < 25; ++i)
        toc.offsets.push_back((99 + 100 * i) * 75);
    toc.leadout = toc.offsets.back() + 75 * 60;
    EXPECT_EQ(toc.DiscIdText(), QStringLiteral("3c099c19"));
}

TEST(DiscToc, RejectsTablesThatCannotBeADisc)
{
    for (const char* text : {"", "150", "150 100", "150 4650 4650", "150 x 300", "-5 100"})
        EXPECT_FALSE(CDiscToc::FromText(QLatin1String(text))) << text;
}

TEST(TrackTimes, LengthsAndTexts)
{
    EXPECT_EQ(TrackLengthsFromToc(QStringLiteral("150 18000 33000")), (std::vector<int>{17850, 15000}));
    EXPECT_TRUE(TrackLengthsFromToc(QString()).empty());
    const std::pair<int, const char*> times[] = {
        {17850, "03:58"}, {15000, "03:20"}, {75 * 3600, "1:00:00"}, {74, ""}, {75, "00:01"},
        {75 * 3600 + 75 * 61, "1:01:01"}};
    for (const auto& [frames, text] : times)
        EXPECT_EQ(TrackTimeText(frames), QLatin1String(text)) << frames;
}

class CueImageTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString Image(const std::vector<CueTrack>& tracks) { return WriteCueImage(m_dir.path(), tracks); }
    QTemporaryDir m_dir;
};

TEST_F(CueImageTest, ReadsTheTableOfContentsWithOrWithoutATrailingSeparator)
{
    const QString cue = Image(ThreeTrackDisc());
    for (const QString& path : {cue, cue + QLatin1Char('/'), cue + QLatin1Char('\\')}) {
        const CTocReadResult result = ReadTableOfContents(path);
        ASSERT_TRUE(result.Ok()) << path.toStdString();
        EXPECT_EQ(result.Text(), QStringLiteral("150 4650 8062 10322"));
        EXPECT_EQ(result.toc->DiscIdLine(), QStringLiteral("12008703 3 150 4650 8062 137"));
    }
}

TEST_F(CueImageTest, DeviceStatusAndTrackItems)
{
    std::vector<CueTrack> tracks = ThreeTrackDisc();
    tracks.push_back({75 * 10, false});
    CCdAudio device;
    ASSERT_EQ(device.Open(Image(tracks)), CMciDevice::NoError);
    EXPECT_EQ(device.Status(CMciDevice::StatusNumberOfTracks), 4);
    EXPECT_EQ(device.Status(CMciDevice::StatusReady), 1);
    EXPECT_EQ(device.Mode(), CMciDevice::ModeStop);
    EXPECT_EQ(device.Status(CMciDevice::StatusLength), 10322 + 750 - 150);
    EXPECT_EQ(device.TrackStatus(2, CCdAudio::TrackStart), 4650);
    EXPECT_EQ(device.TrackStatus(2, CCdAudio::TrackLength), 8062 - 4650);
    EXPECT_EQ(device.TrackStatus(1, CCdAudio::TrackType), CCdAudio::TrackAudio);
    EXPECT_EQ(device.TrackStatus(4, CCdAudio::TrackType), CCdAudio::TrackOther);
    EXPECT_FALSE(device.TrackStatus(5, CCdAudio::TrackStart));
    EXPECT_EQ(device.LastError(), CMciDevice::ErrBadTrack);
    // An image has no audio output.
    EXPECT_EQ(device.PlayTrack(1), CMciDevice::ErrUnsupported);
    EXPECT_EQ(device.Close(), CMciDevice::NoError);
    EXPECT_FALSE(device.Status(CMciDevice::StatusNumberOfTracks));
    EXPECT_EQ(device.LastError(), CMciDevice::ErrNotOpen);
}

TEST_F(CueImageTest, FailuresCarryTheirMessages)
{
    const CTocReadResult missing = ReadTableOfContents(m_dir.filePath(QStringLiteral("none.cue")));
    EXPECT_FALSE(missing.Ok());
    EXPECT_EQ(missing.message, QStringLiteral("Unable to open device"));

    // A sheet that places a track beyond the end of its data.
    const QString cue = Image(ThreeTrackDisc());
    QFile bin(m_dir.filePath(QStringLiteral("disc.bin")));
    ASSERT_TRUE(bin.resize(2352 * 100));
    const CTocReadResult lying = ReadTableOfContents(cue);
    EXPECT_FALSE(lying.Ok());
    EXPECT_EQ(lying.message, QStringLiteral("Audio CD information unavailable.  Please verify there is an audio CD "
                                            "in your drive and try again."));
    EXPECT_EQ(lying.caption, QStringLiteral("MFC CDDB Sample App"));
}

} // namespace
