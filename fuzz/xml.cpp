// Any bytes given to the XML reader give either a document or a reason with
// its line, never both, and a document can always be written out again.
#include "base/XmlParser.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pugi::xml_document document;
    const XmlLoadResult result = ParseXml(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), document);
    if (result.ok != result.reason.isEmpty())
        __builtin_trap();
    if (!result.ok && (result.line < 1 || document.first_child()))
        __builtin_trap();
    std::ostringstream out;
    document.save(out);
    return 0;
}
