#include "TestPictures.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {
void Put16(QByteArray& out, std::uint16_t v)
{
    out.append(char(v & 0xff)).append(char(v >> 8));
}
void Put32(QByteArray& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}
} // namespace

QByteArray MakeBmp(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                   const QByteArray& rows, std::uint32_t colorsUsed)
{
    const std::uint32_t offset = 14 + 40 + std::uint32_t(palette.size()) * 4;
    QByteArray out("BM");
    Put32(out, offset + std::uint32_t(rows.size()));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1);
    Put16(out, std::uint16_t(bits));
    Put32(out, 0); // no compression
    Put32(out, std::uint32_t(rows.size()));
    Put32(out, 3937);
    Put32(out, 3937);
    Put32(out, colorsUsed);
    Put32(out, 0);
    for (std::uint32_t rgb : palette)
        Put32(out, rgb); // 0x00RRGGBB is stored blue, green, red, 0
    return out + rows;
}

QByteArray MakeBmp24(int width, int height, const std::function<std::uint32_t(int, int)>& colour)
{
    QByteArray rows;
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colour(x, y);
            rows.append(char(c & 0xff)).append(char((c >> 8) & 0xff)).append(char((c >> 16) & 0xff));
        }
        while (rows.size() % 4)
            rows.append('\0');
    }
    return MakeBmp(width, height, 24, {}, rows);
}

void Patch16(QByteArray& data, int offset, std::uint16_t value)
{
    data[offset] = char(value & 0xff);
    data[offset + 1] = char(value >> 8);
}

void Patch32(QByteArray& data, int offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        data[offset + i] = char((value >> (8 * i)) & 0xff);
}

QByteArray MakeJpeg(int width, int height, int components, const std::function<std::uint32_t(int, int)>& colour,
                    bool progressive)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(size_t(width) * size_t(components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = int(cinfo.next_scanline);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colour(x, y);
            for (int k = 0; k < components; ++k) {
                const int shift = components == 1 ? 16 : 8 * (components - 1 - k);
                row[size_t(x * components + k)] = (c >> shift) & 0xff;
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char*>(buffer), int(size));
    std::free(buffer);
    return out;
}

void PatchJpegSize(QByteArray& jpeg, int width, int height)
{
    for (int i = 0; i + 8 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xff && (marker == 0xc0 || marker == 0xc2)) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height & 0xff);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width & 0xff);
            return;
        }
    }
}

bool WriteBytes(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

std::uint32_t Quadrants(int x, int y)
{
    if (y < 75)
        return x < 150 ? kRed : kGreen;
    return x < 150 ? kBlue : 0x808080;
}
