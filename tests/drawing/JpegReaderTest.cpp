// The JPEG decoder on pictures made with libjpeg's compressor, and on files
// that are cut short, damaged, oversized or not files at all.
#include "TestPictures.h"

#include "drawing/JpegReader.h"

#include <gtest/gtest.h>

#include <cstdlib>


namespace {

JpegResult Decode(const QByteArray& data)
{
    return ReadJpegMemory(reinterpret_cast<const unsigned char*>(data.constData()), size_t(data.size()));
}

// Within JPEG's loss of a flat-coloured area.
void ExpectNear(const CDecodedPicture& p, int x, int y, std::uint32_t rgb, const char* where)
{
    const unsigned char* px = p.rgb.data() + (size_t(y) * size_t(p.width) + size_t(x)) * 3;
    EXPECT_NEAR(px[0], int((rgb >> 16) & 0xff), 8) << where;
    EXPECT_NEAR(px[1], int((rgb >> 8) & 0xff), 8) << where;
    EXPECT_NEAR(px[2], int(rgb & 0xff), 8) << where;
}

} // namespace

TEST(JpegReader, DecodesColourAndGreyTopRowFirst)
{
    for (bool progressive : {false, true}) {
        const JpegResult r = Decode(MakeJpeg(300, 150, 3, Quadrants, progressive));
        ASSERT_EQ(r.status, JpegStatus::Ok) << r.detail.toStdString();
        EXPECT_EQ(r.picture.width, 300);
        EXPECT_EQ(r.picture.height, 150);
        ASSERT_EQ(r.picture.rgb.size(), size_t(300 * 150 * 3));
        ExpectNear(r.picture, 20, 20, kRed, "top-left");
        ExpectNear(r.picture, 280, 20, kGreen, "top-right");
        ExpectNear(r.picture, 20, 130, kBlue, "bottom-left");
        ExpectNear(r.picture, 280, 130, 0x808080, "bottom-right");
    }

    // Grey pictures give each grey value as red, green and blue.
    const JpegResult grey = Decode(MakeJpeg(33, 17, 1, [](int x, int) { return x < 16 ? 0x300000u : 0xd00000u; }));
    ASSERT_EQ(grey.status, JpegStatus::Ok) << grey.detail.toStdString();
    ASSERT_EQ(grey.picture.rgb.size(), size_t(33 * 17 * 3));
    ExpectNear(grey.picture, 2, 8, 0x303030, "dark half");
    ExpectNear(grey.picture, 30, 8, 0xd0d0d0, "light half");
}

TEST(JpegReader, BadDataFailsWithAReasonAndNeverEndsTheProgram)
{
    const QByteArray good =
        MakeJpeg(256, 256, 3, [](int x, int y) { return std::uint32_t(x << 16 | (x ^ y) << 8 | y); });
    ASSERT_EQ(Decode(good).status, JpegStatus::Ok);

    // Cut in the middle of the scan: libjpeg would fill the rest with grey.
    const JpegResult cut = Decode(good.left(good.size() * 3 / 4));
    EXPECT_EQ(cut.status, JpegStatus::Failed);
    EXPECT_TRUE(cut.detail.contains(QLatin1String("Premature end"))) << cut.detail.toStdString();
    EXPECT_TRUE(cut.picture.rgb.empty());

    // Cut inside the headers, not a JPEG at all, empty.
    for (const QByteArray& bad : {good.left(40), QByteArray("\x89PNG\r\n\x1a\n0000000000"), QByteArray()}) {
        const JpegResult r = Decode(bad);
        EXPECT_EQ(r.status, JpegStatus::Failed);
        EXPECT_FALSE(r.detail.isEmpty());
    }

    // Scrambled entropy-coded data.
    QByteArray scrambled = good;
    std::srand(7);
    for (int i = scrambled.size() / 3; i < scrambled.size() - 2; i += 5)
        scrambled[i] = char(std::rand());
    const JpegResult s = Decode(scrambled);
    EXPECT_EQ(s.status, JpegStatus::Failed);

    // CMYK is refused with its own reason rather than shown in wrong colours.
    const JpegResult cmyk = Decode(MakeJpeg(16, 16, 4, [](int, int) { return 0x10203040u; }));
    EXPECT_EQ(cmyk.status, JpegStatus::Failed);
    EXPECT_TRUE(cmyk.detail.contains(QLatin1String("CMYK"))) << cmyk.detail.toStdString();

    // A header claiming 20,000 x 20,000 is refused before any pixel memory.
    QByteArray huge = MakeJpeg(16, 16, 3, [](int, int) { return kRed; });
    PatchJpegSize(huge, 20000, 20000);
    EXPECT_EQ(Decode(huge).status, JpegStatus::TooLarge);
    // Just under the limit passed in it is decoded (and found short).
    QByteArray wide = MakeJpeg(16, 16, 3, [](int, int) { return kRed; });
    PatchJpegSize(wide, 2000, 1000);
    EXPECT_EQ(ReadJpegMemory(reinterpret_cast<const unsigned char*>(wide.constData()), size_t(wide.size()), 2000000)
                  .status,
              JpegStatus::Failed);
}
