// Any bytes give sound that fits in the file, or a reason.
#include "directory/CVOCInfo.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CVOCInfo info;
    if (info.Load(buffer)) {
        if (info.SoundBytes() <= 0 || info.SoundBytes() > qint64(size) || info.SongLength() < 0)
            __builtin_trap();
    } else if (info.Error().isEmpty()) {
        __builtin_trap();
    }
    return 0;
}
