// Any XML read as a directory tree stores and reads back to the same tree.
#include "directory/CFileInformation.h"

#include <cstddef>
#include <cstdint>

namespace {

QByteArray Outline(const CFileDirectory& root)
{
    QByteArray out;
    std::vector<std::pair<const CFileDirectory*, int>> pending{{&root, 0}};
    while (!pending.empty()) {
        const auto [directory, level] = pending.back();
        pending.pop_back();
        for (const FileNodePtr& child : directory->Children()) {
            out += QByteArray::number(level) + ' ' + child->Name().toUtf8();
            if (child->IsFile()) {
                const auto& f = static_cast<const CFileFile&>(*child);
                out += ' ' + QByteArray::number(f.GetFullSize()) + ' ' + QByteArray::number(f.GetLastWriteLow()) + ' '
                       + QByteArray::number(f.GetLastWriteHigh()) + ' ' + QByteArray::number(f.GetSongLength());
            } else {
                pending.emplace_back(static_cast<const CFileDirectory*>(child.get()), level + 1);
            }
            out += '\n';
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pugi::xml_document xml;
    if (!xml.load_buffer(data, size))
        return 0;
    CFileDirectory first;
    first.Load(xml.child("DIRECTORY"));
    pugi::xml_document stored;
    first.Store(stored);
    CFileDirectory second;
    second.Load(stored.child("DIRECTORY"));
    if (Outline(first) != Outline(second))
        __builtin_trap();
    return 0;
}
