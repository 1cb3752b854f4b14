// Any bytes given to the BMP reader give either a picture of exactly the
// size it reports or one of the reader's messages.
#include "drawing/BmpReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CMemoryByteSource source(data, size);
    const BmpResult result = ReadBmp(source);
    const CDecodedPicture& p = result.picture;
    if (result.Ok()) {
        if (p.width <= 0 || p.height <= 0 || p.rgb.size() != std::size_t(p.width) * std::size_t(p.height) * 3)
            __builtin_trap();
    } else if (!p.rgb.empty() || result.message.isEmpty()) {
        __builtin_trap();
    }
    return 0;
}
