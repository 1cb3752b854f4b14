// The BMP reader on files built byte by byte: every supported depth and row
// order, and headers that lie about sizes, counts and offsets.
#include "TestPictures.h"

#include "drawing/BmpReader.h"

#include <gtest/gtest.h>


namespace {

BmpResult Read(const QByteArray& file)
{
    CMemoryByteSource source(reinterpret_cast<const unsigned char*>(file.constData()), size_t(file.size()));
    return ReadBmp(source);
}

std::vector<unsigned char> Rgb(std::initializer_list<std::uint32_t> colours)
{
    std::vector<unsigned char> out;
    for (std::uint32_t c : colours) {
        out.push_back((c >> 16) & 0xff);
        out.push_back((c >> 8) & 0xff);
        out.push_back(c & 0xff);
    }
    return out;
}

} // namespace

TEST(BmpReader, ReadsEveryDepthTopRowFirst)
{
    // 24 bits, 3 x 2: rows of 9 bytes padded to 12.
    const QByteArray file24 = MakeBmp24(3, 2, [](int x, int y) {
        return y == 0 ? std::uint32_t(x == 0 ? kRed : x == 1 ? kGreen : kBlue) : 0x102030u;
    });
    BmpResult r = Read(file24);
    ASSERT_TRUE(r.Ok()) << r.message.toStdString();
    EXPECT_EQ(r.picture.width, 3);
    EXPECT_EQ(r.picture.height, 2);
    EXPECT_EQ(r.picture.rgb, Rgb({kRed, kGreen, kBlue, 0x102030, 0x102030, 0x102030}));

    // 1 bit, 10 x 2 (two bytes of bits, padded to 4): bottom row stored first.
    QByteArray rows1;
    rows1.append(char(0b11000000)).append(char(0b01000000)).append(2, '\0'); // bottom: x = 0, 1, 9
    rows1.append(char(0b00000001)).append(char(0b10000000)).append(2, '\0'); // top: x = 7, 8
    r = Read(MakeBmp(10, 2, 1, {0xffffff, 0x000080}, rows1));
    ASSERT_TRUE(r.Ok()) << r.message.toStdString();
    for (int x = 0; x < 10; ++x) {
        const bool topSet = x == 7 || x == 8;
        const bool bottomSet = x == 0 || x == 1 || x == 9;
        EXPECT_EQ(r.picture.rgb[size_t(3 * x + 2)], topSet ? 0x80 : 0xff) << "top x=" << x;
        EXPECT_EQ(r.picture.rgb[size_t(30 + 3 * x + 2)], bottomSet ? 0x80 : 0xff) << "bottom x=" << x;
        EXPECT_EQ(r.picture.rgb[size_t(30 + 3 * x)], bottomSet ? 0x00 : 0xff) << "bottom red x=" << x;
    }

    // 4 bits, 3 x 1: nibbles 2, 1, 0.
    QByteArray rows4;
    rows4.append(char(0x21)).append(char(0x00)).append(2, '\0');
    r = Read(MakeBmp(3, 1, 4, {kRed, kGreen, kBlue}, rows4, 3));
    ASSERT_TRUE(r.Ok()) << r.message.toStdString();
    EXPECT_EQ(r.picture.rgb, Rgb({kBlue, kGreen, kRed}));

    // 8 bits, top-down (negative height), 2 x 2.
    QByteArray rows8;
    rows8.append(char(1)).append(char(0)).append(2, '\0'); // top row
    rows8.append(char(0)).append(char(1)).append(2, '\0');
    QByteArray file8 = MakeBmp(2, 2, 8, {0x112233, 0x445566}, rows8, 2);
    Patch32(file8, BmpField::Height, std::uint32_t(-2));
    r = Read(file8);
    ASSERT_TRUE(r.Ok()) << r.message.toStdString();
    EXPECT_EQ(r.picture.rgb, Rgb({0x445566, 0x112233, 0x112233, 0x445566}));

    // An index beyond a short colour table reads as black instead of
    // reaching past the table.
    QByteArray rowsBeyond;
    rowsBeyond.append(char(200)).append(3, '\0');
    r = Read(MakeBmp(1, 1, 8, {0xffffff}, rowsBeyond, 1));
    ASSERT_TRUE(r.Ok()) << r.message.toStdString();
    EXPECT_EQ(r.picture.rgb, Rgb({0x000000}));
}

TEST(BmpReader, RefusesLyingHeadersWithTheirMessages)
{
    const QByteArray good = MakeBmp24(4, 4, [](int, int) { return kGreen; });
    ASSERT_TRUE(Read(good).Ok());

    struct Case
    {
        const char* what;
        std::function<void(QByteArray&)> spoil;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"empty file", [](QByteArray& f) { f.clear(); }, "Not a valid BMP File"},
        {"other signature", [](QByteArray& f) { f[0] = 'P'; }, "Not a valid BMP File"},
        {"cut in the header", [](QByteArray& f) { f.truncate(30); }, "Read Error"},
        {"OS/2 header size", [](QByteArray& f) { Patch32(f, BmpField::InfoSize, 12); }, "Not a valid BMP File"},
        {"zero width", [](QByteArray& f) { Patch32(f, BmpField::Width, 0); }, "Not a valid BMP File"},
        {"negative width", [](QByteArray& f) { Patch32(f, BmpField::Width, std::uint32_t(-4)); },
         "Not a valid BMP File"},
        {"zero height", [](QByteArray& f) { Patch32(f, BmpField::Height, 0); }, "Not a valid BMP File"},
        {"zero planes", [](QByteArray& f) { Patch16(f, BmpField::Planes, 0); }, "Not a valid BMP File"},
        {"32 bits", [](QByteArray& f) { Patch16(f, BmpField::Bits, 32); }, "Not a valid BMP File"},
        {"run-length", [](QByteArray& f) { Patch32(f, BmpField::Compression, 1); }, "This is a compressed file."},
        {"bit fields", [](QByteArray& f) { Patch32(f, BmpField::Compression, 3); }, "This is a compressed file."},
        {"width x height beyond 2^32",
         [](QByteArray& f) {
             Patch32(f, BmpField::Width, 0x7fffffff);
             Patch32(f, BmpField::Height, 0x7fffffff);
         },
         "Out of memory"},
        {"most negative height", [](QByteArray& f) { Patch32(f, BmpField::Height, 0x80000000u); }, "Out of memory"},
        {"pixels past the end", [](QByteArray& f) { Patch32(f, BmpField::PixelOffset, 0xfffffff0u); }, "Read Error!"},
        {"rows cut short", [](QByteArray& f) { f.chop(5); }, "Read Error!"},
        {"more rows than data", [](QByteArray& f) { Patch32(f, BmpField::Height, 5000); }, "Read Error!"},
    };
    for (const Case& c : cases) {
        QByteArray file = good;
        c.spoil(file);
        const BmpResult r = Read(file);
        EXPECT_EQ(r.message.toStdString(), c.message) << c.what;
        EXPECT_FALSE(r.Ok()) << c.what;
        EXPECT_TRUE(r.picture.rgb.empty()) << c.what;
    }

    // Colour tables: more entries than the depth allows, or a table that
    // runs past the end of the file.
    QByteArray rows;
    rows.append(char(0)).append(3, '\0');
    QByteArray tooMany = MakeBmp(1, 1, 8, {0xffffff}, rows, 1);
    Patch32(tooMany, BmpField::ColorsUsed, 257);
    EXPECT_EQ(Read(tooMany).message.toStdString(), "Corrupt palette");
    QByteArray pastEnd = MakeBmp(1, 1, 8, {0xffffff}, rows, 1);
    Patch32(pastEnd, BmpField::ColorsUsed, 200);
    EXPECT_EQ(Read(pastEnd).message.toStdString(), "Corrupt palette");
    QByteArray hugeInfo = MakeBmp(1, 1, 8, {0xffffff}, rows, 1);
    Patch32(hugeInfo, BmpField::InfoSize, 0xffffff00u);
    EXPECT_EQ(Read(hugeInfo).message.toStdString(), "Corrupt palette");
}
