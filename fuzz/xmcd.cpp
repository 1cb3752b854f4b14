// Any bytes given as an xmcd entry: a record whose track lists agree and
// stay within 99 tracks, which writes and reads back with the same values,
// or a message.
#include "cd/XmcdRecord.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const CXmcdParse parsed = ParseXmcd(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!parsed.record) {
        if (parsed.error.isEmpty())
            __builtin_trap();
        return 0;
    }
    const CXmcdRecord& r = *parsed.record;
    if (r.TrackCount() < 1 || r.TrackCount() > 99 || r.extts.size() != r.ttitles.size() || r.offsets.size() > 99)
        __builtin_trap();
    (void)CddbUnescape(r.extd);
    const CXmcdParse again = ParseXmcd(WriteXmcd(r));
    if (!again.record)
        __builtin_trap();
    const CXmcdRecord& a = *again.record;
    if (a.offsets != r.offsets || a.discLength != r.discLength || a.revision != r.revision || a.discIds != r.discIds
        || a.dtitle != r.dtitle || a.dyear != r.dyear || a.dgenre != r.dgenre || a.extd != r.extd
        || a.playorder != r.playorder || a.ttitles != r.ttitles || a.extts != r.extts)
        __builtin_trap();
    return 0;
}
