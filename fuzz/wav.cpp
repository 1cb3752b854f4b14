// Any bytes give a wave format with a data size inside the file, or a reason.
#include "directory/CWAVInfo.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CWAVInfo info;
    if (info.Load(buffer)) {
        if (info.DataSize() < 0 || info.DataSize() > qint64(size) || info.SongLength() < 0)
            __builtin_trap();
    } else if (info.Error().isEmpty()) {
        __builtin_trap();
    }
    return 0;
}
