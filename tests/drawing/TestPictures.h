#pragma once
// Pictures made on the spot for the image tests: BMP files written byte by
// byte (so headers can lie) and JPEG files from libjpeg's compressor.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// A BMP with a 40-byte info header, the given colour table (0x00RRGGBB
// values) and pixel rows already in file order and padded.
QByteArray MakeBmp(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                   const QByteArray& rows, std::uint32_t colorsUsed = 0);
// 24-bit bottom-up BMP of colour(x, y) (0x00RRGGBB, y = 0 the top row).
QByteArray MakeBmp24(int width, int height, const std::function<std::uint32_t(int, int)>& colour);

// Overwrites a little-endian field of a built file.
void Patch16(QByteArray& data, int offset, std::uint16_t value);
void Patch32(QByteArray& data, int offset, std::uint32_t value);

// Offsets of the BMP header fields.
namespace BmpField {
constexpr int PixelOffset = 10;
constexpr int InfoSize = 14;
constexpr int Width = 18;
constexpr int Height = 22;
constexpr int Planes = 26;
constexpr int Bits = 28;
constexpr int Compression = 30;
constexpr int ColorsUsed = 46;
constexpr int Palette = 54;
} // namespace BmpField

// A JPEG of colour(x, y) with 1 (grey: red byte used), 3 (RGB) or 4 (CMYK)
// components, at high quality.
QByteArray MakeJpeg(int width, int height, int components, const std::function<std::uint32_t(int, int)>& colour,
                    bool progressive = false);
// Rewrites the width and height of the first SOF marker.
void PatchJpegSize(QByteArray& jpeg, int width, int height);

bool WriteBytes(const QString& path, const QByteArray& data);

constexpr std::uint32_t kRed = 0xff0000;
constexpr std::uint32_t kGreen = 0x00ff00;
constexpr std::uint32_t kBlue = 0x0000ff;

// 300 x 150: red top-left, green top-right, blue bottom-left, grey bottom-right.
std::uint32_t Quadrants(int x, int y);
