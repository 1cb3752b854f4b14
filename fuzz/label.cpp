// A label file: load, save, load the saved file and save again. Whatever
// loads must survive its own save unchanged.
#include "FuzzSupport.h"

#include "document/CCovermintDoc.h"
#include "document/LabelFile.h"

namespace {

QByteArray SavedBytes(CCovermintDoc& document, const QString& path)
{
    if (!LabelFile::Store(document, path))
        __builtin_trap(); // a loaded label that cannot be saved
    return Fuzz::ReadFileOrTrap(path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::Initialize();
    const QString input = Fuzz::WriteScratchFile(QStringLiteral("input.cla"), data, size);
    CCovermintDoc first;
    if (!first.Load(input))
        return 0;
    const QString once = Fuzz::ScratchFolder() + QStringLiteral("/once.cla");
    const QByteArray savedOnce = SavedBytes(first, once);

    CCovermintDoc second;
    if (!second.Load(once))
        __builtin_trap(); // our own file does not load
    const QByteArray savedTwice = SavedBytes(second, Fuzz::ScratchFolder() + QStringLiteral("/twice.cla"));
    if (savedOnce != savedTwice)
        __builtin_trap();
    return 0;
}
