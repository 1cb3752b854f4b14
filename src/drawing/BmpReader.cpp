#include "drawing/BmpReader.h"

#include <array>
#include <cstring>
#include <new>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint64_t kInfoHeaderSize = 40;

std::uint16_t U16(const unsigned char* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
std::uint32_t U32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16)
        | (std::uint32_t(p[3]) << 24);
}
std::int32_t I32(const unsigned char* p) { return std::int32_t(U32(p)); }

class CFileByteSource final : public CByteSource
{
public:
    CFileByteSource(int fd, std::uint64_t size) : m_fd(fd), m_size(size) {}
    ~CFileByteSource() override { ::close(m_fd); }
    std::uint64_t Size() const override { return m_size; }
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override
    {
        auto* out = static_cast<unsigned char*>(buffer);
        while (count > 0) {
            const ssize_t n = ::pread(m_fd, out, count, off_t(offset));
            if (n <= 0)
                return false;
            out += n;
            offset += std::uint64_t(n);
            count -= std::size_t(n);
        }
        return true;
    }

private:
    int m_fd;
    std::uint64_t m_size;
};

struct BmpFailure
{
    BmpStatus status;
    const char* message;
};

const BmpFailure kNotBmp{BmpStatus::NotBmp, "Not a valid BMP File"};
const BmpFailure kHeaderReadError{BmpStatus::ReadError, "Read Error"};
const BmpFailure kCompressed{BmpStatus::Compressed, "This is a compressed file."};
const BmpFailure kCorruptPalette{BmpStatus::CorruptPalette, "Corrupt palette"};
const BmpFailure kPixelReadError{BmpStatus::ReadError, "Read Error!"};
const BmpFailure kOutOfMemory{BmpStatus::OutOfMemory, "Out of memory"};
const BmpFailure kRowAllocFailed{BmpStatus::OutOfMemory, "Memory alloc Failed"};

BmpResult Fail(const BmpFailure& failure)
{
    BmpResult r;
    r.status = failure.status;
    r.message = QString::fromLatin1(failure.message);
    return r;
}

struct BmpHeader
{
    std::uint64_t pixelOffset = 0;
    std::uint32_t infoSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: top row first
    unsigned bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
};

// Returns nullptr when the header is usable, else the failure.
const BmpFailure* ReadHeader(CByteSource& source, BmpHeader& h)
{
    std::array<unsigned char, kFileHeaderSize + kInfoHeaderSize> raw{};
    if (!source.ReadAt(0, raw.data(), 2))
        return &kNotBmp;
    if (raw[0] != 'B' || raw[1] != 'M')
        return &kNotBmp;
    if (!source.ReadAt(0, raw.data(), raw.size()))
        return &kHeaderReadError;
    const unsigned char* info = raw.data() + kFileHeaderSize;
    h.pixelOffset = U32(raw.data() + 10);
    h.infoSize = U32(info);
    h.width = I32(info + 4);
    h.height = I32(info + 8);
    const unsigned planes = U16(info + 12);
    h.bits = U16(info + 14);
    h.compression = U32(info + 16);
    h.colorsUsed = U32(info + 32);
    // Only the Windows header and its later extensions; the 12-byte OS/2
    // header lays its fields out differently.
    if (h.infoSize < kInfoHeaderSize || planes != 1 || h.width <= 0 || h.height == 0)
        return &kNotBmp;
    if (h.compression != 0)
        return &kCompressed;
    if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 24)
        return &kNotBmp;
    return nullptr;
}

// The colour table as blue-green-red-reserved quads; indexes beyond the
// stored entries stay black.
const BmpFailure* ReadPalette(CByteSource& source, const BmpHeader& h, std::array<unsigned char, 256 * 4>& palette)
{
    palette.fill(0);
    if (h.bits > 8)
        return nullptr;
    const std::uint32_t capacity = 1u << h.bits;
    const std::uint32_t count = h.colorsUsed ? h.colorsUsed : capacity;
    if (count > capacity)
        return &kCorruptPalette;
    if (!source.ReadAt(kFileHeaderSize + h.infoSize, palette.data(), std::size_t(count) * 4))
        return &kCorruptPalette;
    return nullptr;
}

void DecodeRow(const unsigned char* in, unsigned bits, std::size_t width,
               const std::array<unsigned char, 256 * 4>& palette, unsigned char* out)
{
    if (bits == 24) {
        for (std::size_t x = 0; x < width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
        return;
    }
    const unsigned perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (std::size_t x = 0; x < width; ++x, out += 3) {
        const unsigned shift = 8 - bits * (unsigned(x % perByte) + 1);
        const unsigned index = (in[x / perByte] >> shift) & mask;
        const unsigned char* quad = palette.data() + index * 4;
        out[0] = quad[2];
        out[1] = quad[1];
        out[2] = quad[0];
    }
}

} // namespace

bool CMemoryByteSource::ReadAt(std::uint64_t offset, void* buffer, std::size_t count)
{
    if (offset > m_size || count > m_size - offset)
        return false;
    std::memcpy(buffer, m_data + offset, count);
    return true;
}

BmpResult ReadBmp(CByteSource& source)
{
    BmpHeader h;
    if (const BmpFailure* failure = ReadHeader(source, h))
        return Fail(*failure);

    const std::uint64_t width = std::uint64_t(h.width);
    const std::uint64_t height = std::uint64_t(h.height < 0 ? -h.height : h.height);
    // Both are below 2^31, so neither product can overflow 64 bits.
    if (width * height > kMaxPicturePixels)
        return Fail(kOutOfMemory);

    std::array<unsigned char, 256 * 4> palette;
    if (const BmpFailure* failure = ReadPalette(source, h, palette))
        return Fail(*failure);

    const std::uint64_t rowBytes = (width * h.bits + 31) / 32 * 4;
    const std::uint64_t fileSize = source.Size();
    if (h.pixelOffset > fileSize || rowBytes * height > fileSize - h.pixelOffset)
        return Fail(kPixelReadError);

    BmpResult result;
    std::vector<unsigned char> row;
    try {
        row.resize(std::size_t(rowBytes));
    } catch (const std::bad_alloc&) {
        return Fail(kRowAllocFailed);
    }
    try {
        result.picture.rgb.resize(std::size_t(width * height * 3));
    } catch (const std::bad_alloc&) {
        return Fail(kOutOfMemory);
    }
    const bool bottomUp = h.height > 0;
    for (std::uint64_t i = 0; i < height; ++i) {
        if (!source.ReadAt(h.pixelOffset + i * rowBytes, row.data(), row.size()))
            return Fail(kPixelReadError);
        const std::uint64_t y = bottomUp ? height - 1 - i : i;
        DecodeRow(row.data(), h.bits, std::size_t(width), palette, result.picture.rgb.data() + y * width * 3);
    }
    result.picture.width = int(width);
    result.picture.height = int(height);
    result.status = BmpStatus::Ok;
    return result;
}

BmpResult ReadBmpFile(const QString& path)
{
    const int fd = OpenRegularFile(path);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        if (fd >= 0)
            ::close(fd);
        BmpResult r;
        r.status = BmpStatus::CannotOpen;
        r.message = QStringLiteral("Can't open file for reading :\n") + path;
        return r;
    }
    CFileByteSource source(fd, std::uint64_t(st.st_size));
    return ReadBmp(source);
}
