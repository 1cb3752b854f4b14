// A label file: load, save, load what was saved and save again. Whatever
// loads must survive its own save unchanged.
#include "FuzzSupport.h"

#include "document/CCovermintDoc.h"
#include "document/LabelFile.h"

#include <QBuffer>

namespace {

bool ReadBytes(CCovermintDoc& document, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return LabelFile::Read(document, buffer, QStringLiteral("input")).ok;
}

QByteArray SavedBytes(CCovermintDoc& document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!LabelFile::Store(document, buffer))
        __builtin_trap(); // a loaded label that cannot be saved
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::Initialize();
    CCovermintDoc first;
    if (!ReadBytes(first, QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size))))
        return 0;
    const QByteArray savedOnce = SavedBytes(first);

    CCovermintDoc second;
    if (!ReadBytes(second, savedOnce))
        __builtin_trap(); // our own file does not load
    if (SavedBytes(second) != savedOnce)
        __builtin_trap();
    return 0;
}
