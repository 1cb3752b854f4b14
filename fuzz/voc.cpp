// Any bytes give sound that fits in the file, or a reason.
#include "directory/CVOCInfo.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::CheckDeviceReader<CVOCInfo>(data, size, [size](const CVOCInfo& info) {
        return info.SoundBytes() > 0 && info.SoundBytes() <= qint64(size) && info.SongLength() >= 0;
    });
    return 0;
}
