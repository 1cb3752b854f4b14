// Any bytes given to Qt's picture readers give either a picture within the
// pixel bound or a failure with a reason; nothing may end the process.
#include "FuzzSupport.h"

#include "drawing/PictureReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::Initialize(); // the readers of WebP, TIFF, SVG, ... are plugins
    // A lower pixel limit than the program's keeps each run quick; the
    // code path past the limit check is the same.
    constexpr std::uint64_t kFuzzMaxPixels = 1'000'000;
    const PictureResult result =
        ReadPictureMemory(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), kFuzzMaxPixels);
    if (result.Ok()) {
        const QImage& p = result.image;
        if (std::uint64_t(p.width()) * std::uint64_t(p.height()) > kFuzzMaxPixels
            || p.format() != QImage::Format_ARGB32_Premultiplied)
            __builtin_trap();
    } else if (result.reason.isEmpty()) {
        __builtin_trap();
    }
    return 0;
}
