// Any bytes given to the JPEG decoder give either a picture of exactly the
// size it reports or a failure; libjpeg's errors must never end the process.
#include "drawing/JpegReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A lower pixel limit than the program's keeps each run quick; the
    // code path past the limit check is the same.
    constexpr std::uint64_t kFuzzMaxPixels = 1'000'000;
    const JpegResult result = ReadJpegMemory(data, size, kFuzzMaxPixels);
    const CDecodedPicture& p = result.picture;
    if (result.status == JpegStatus::Ok) {
        if (p.width <= 0 || p.height <= 0 || p.rgb.size() != std::size_t(p.width) * std::size_t(p.height) * 3)
            __builtin_trap();
    } else if (!p.rgb.empty()) {
        __builtin_trap();
    }
    return 0;
}
