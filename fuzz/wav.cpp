// Any bytes give a wave format with a data size inside the file, or a reason.
#include "directory/CWAVInfo.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::CheckDeviceReader<CWAVInfo>(data, size, [size](const CWAVInfo& info) {
        return info.DataSize() >= 0 && info.DataSize() <= qint64(size) && info.SongLength() >= 0;
    });
    return 0;
}
