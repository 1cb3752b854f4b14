#include "drawing/PrimitiveClipboard.h"

#include <QCoreApplication>

namespace PrimitiveClipboard {
namespace {

std::vector<PrimitivePtr>& Storage()
{
    static std::vector<PrimitivePtr> copies;
    return copies;
}

} // namespace

void CopyOf(const std::vector<PrimitivePtr>& primitives)
{
    // Copies may hold fonts and images, which must go before the application
    // object does, not among the static destructors after it.
    static const bool releasedAtExit = (qAddPostRoutine(&Clear), true);
    Q_UNUSED(releasedAtExit);
    Clear();
    for (const PrimitivePtr& p : primitives) {
        PrimitivePtr copy = p->Clone();
        if (!copy)
            continue;
        copy->SetOwner(nullptr);
        Storage().push_back(std::move(copy));
    }
}

const std::vector<PrimitivePtr>& Contents()
{
    return Storage();
}

bool IsEmpty()
{
    return Storage().empty();
}

void Clear()
{
    Storage().clear();
}

} // namespace PrimitiveClipboard
