#include "export/SvgCompaction.h"

#include <QByteArrayView>

namespace {
// Between two groups the writer puts exactly this; the text inside a group
// is escaped, so it never holds it.
constexpr QByteArrayView kNextGroup("</g>\n\n<g ");
constexpr qsizetype kCloseLength = 6; // "</g>\n\n"
constexpr QByteArrayView kHeaderEnd(">\n");
} // namespace

QByteArray CompactSvgGroups(const QByteArray& svg)
{
    QByteArray out;
    out.reserve(svg.size());
    QByteArrayView open;    // the state of the group written last
    QByteArrayView pending; // the state of a group with nothing drawn yet
    qsizetype at = 0;
    for (;;) {
        const qsizetype next = svg.indexOf(kNextGroup, at);
        const qsizetype headerEnd = next < 0 ? -1 : svg.indexOf(kHeaderEnd, next + kCloseLength);
        const qsizetype contentEnd = headerEnd < 0 ? svg.size() : next;
        if (contentEnd > at) {
            if (!pending.isNull() && pending != open) {
                out += "</g>\n\n";
                out += pending;
                open = pending;
            }
            pending = {};
            out += QByteArrayView(svg).sliced(at, contentEnd - at);
        }
        if (headerEnd < 0)
            return out;
        pending = QByteArrayView(svg).sliced(next + kCloseLength, headerEnd + kHeaderEnd.size() - next - kCloseLength);
        at = headerEnd + kHeaderEnd.size();
    }
}
