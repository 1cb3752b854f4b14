#pragma once
// Our own reader of uncompressed Windows bitmaps: 1, 4 and 8 bits with a
// colour table, or 24 bits; bottom-up or top-down rows padded to 4 bytes.
// Nothing in the file is trusted: sizes, counts and offsets are checked
// against the data before use.
#include "drawing/DecodedPicture.h"

#include <QString>
#include <cstddef>
#include <cstdint>

// Random-access bytes, so the reader works the same on files and in memory.
class CByteSource
{
public:
    virtual ~CByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Reads exactly count bytes at offset; false when they are not all there.
    virtual bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) = 0;
};

class CMemoryByteSource final : public CByteSource
{
public:
    CMemoryByteSource(const unsigned char* data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint64_t Size() const override { return m_size; }
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override;

private:
    const unsigned char* m_data;
    std::size_t m_size;
};

enum class BmpStatus
{
    Ok,
    CannotOpen,     // missing, unreadable, or not a regular file
    NotBmp,         // no BMP signature, or a header this reader does not take
    Compressed,
    CorruptPalette,
    ReadError,      // the pixels are not all there
    OutOfMemory,    // above the pixel limit, or no memory for the pixels
};

struct BmpResult
{
    BmpStatus status = BmpStatus::ReadError;
    // On failure the reader's message ("Not a valid BMP File", "Read Error!", ...).
    QString message;
    CDecodedPicture picture;
    bool Ok() const { return status == BmpStatus::Ok; }
};

BmpResult ReadBmp(CByteSource& source);
BmpResult ReadBmpFile(const QString& path);
