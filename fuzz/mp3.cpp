// Any bytes give either no frame header or a header that passes the test,
// and never a negative length.
#include "directory/CMP3HeaderReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CMP3HeaderReader reader;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The file may be longer than what was read.
    const qint64 fileSize = size > 8 ? qint64(data[size - 1]) << 28 | qint64(size) : qint64(size);
    if (reader.Parse(bytes, fileSize) && !CMP3HeaderReader::IsFrameHeader(reader.Header()))
        __builtin_trap();
    if (reader.SongLength() < 0 || reader.BitRate() < 0)
        __builtin_trap();
    return 0;
}
