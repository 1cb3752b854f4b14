// Any bytes given as a CDDB server's reply: a reply within the bounds with
// only well-formed matches, or a message.
#include "cd/CddbReply.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const CCddbReplyParse parsed = ParseCddbReply(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!parsed.reply) {
        if (parsed.error.isEmpty())
            __builtin_trap();
        return 0;
    }
    if (parsed.reply->code < 100 || parsed.reply->code > 599 || (!parsed.reply->HasBody() && !parsed.reply->body.isEmpty()))
        __builtin_trap();
    for (const CCddbMatch& match : QueryMatches(*parsed.reply))
        if (!IsCddbCategoryName(match.category) || !IsCddbDiscIdText(match.discId))
            __builtin_trap();
    return 0;
}
