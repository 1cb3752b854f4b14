// The header of a template or label as the workspace and the new-label
// dialog read it, and rewrite it in place.
#include "FuzzSupport.h"

#include "document/LabelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::Initialize();
    Fuzz::WriteScratchFile(QStringLiteral("input.cte"), data, size);
    CLabelHeaderFields header;
    if (!LabelFile::ReadHeader(Fuzz::ScratchFolder(), QStringLiteral("input.cte"), header))
        return 0;
    header.name = QStringLiteral("renamed <&>");
    if (!LabelFile::WriteHeader(Fuzz::ScratchFolder(), QStringLiteral("input.cte"), header))
        __builtin_trap(); // a header that read must be writable
    CLabelHeaderFields again;
    if (!LabelFile::ReadHeader(Fuzz::ScratchFolder(), QStringLiteral("input.cte"), again) || again.name != header.name)
        __builtin_trap();
    return 0;
}
