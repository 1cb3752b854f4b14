#pragma once
// The process-wide clipboard of primitives. It holds copies that belong to
// no engine, so the label they came from may close before they are pasted.
#include "drawing/CPrimitive.h"

#include <vector>

namespace PrimitiveClipboard {

// Replaces the contents with detached copies of the primitives.
void CopyOf(const std::vector<PrimitivePtr>& primitives);
const std::vector<PrimitivePtr>& Contents();
bool IsEmpty();
void Clear();

} // namespace PrimitiveClipboard
