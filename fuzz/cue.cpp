// Any bytes given as a CUE sheet (next to a small BIN file): a table of
// contents that can be a disc, or the reader's message.
#include "cd/TocReader.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {
// One folder for the whole run: disc.cue is rewritten for every input.
const std::string& Folder()
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/covermint-fuzz-cue-XXXXXX";
        std::string made = mkdtemp(pattern) ? pattern : "/tmp";
        if (FILE* bin = std::fopen((made + "/disc.bin").c_str(), "wb")) {
            std::fseek(bin, 2352L * 10322 - 1, SEEK_SET);
            std::fputc(0, bin);
            std::fclose(bin);
        }
        return made;
    }();
    return folder;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string cue = Folder() + "/disc.cue";
    FILE* file = std::fopen(cue.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    const CTocReadResult result = ReadTableOfContents(QString::fromStdString(cue));
    if (result.Ok() ? !result.toc->IsValid() : result.message.isEmpty())
        __builtin_trap();
    return 0;
}
