// ISO 9660 images read as drives: any bytes give a tree within the limits
// or a reason, never a crash, a hang or unbounded memory.
#include "FuzzSupport.h"

#include "directory/IsoImageReader.h"

namespace {

int CountNodes(const CFileDirectory& directory)
{
    int count = 0;
    for (const FileNodePtr& child : directory.Children()) {
        ++count;
        if (!child->IsFile())
            count += CountNodes(static_cast<const CFileDirectory&>(*child));
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::Initialize();
    const QString path = Fuzz::WriteScratchFile(QStringLiteral("image.iso"), data, size);
    IsoReadLimits limits;
    limits.maxNodes = 5000;
    const IsoImageTree tree = ReadIsoImage(path, limits);
    if (tree.ok != (tree.root != nullptr) || (!tree.ok && tree.error.isEmpty()))
        __builtin_trap();
    if (tree.ok && (CountNodes(*tree.root) > limits.maxNodes || tree.totalBytes != qint64(size)))
        __builtin_trap();
    return 0;
}
