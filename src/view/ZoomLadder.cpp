#include "view/ZoomLadder.h"

namespace {
int LadderIndex(int zoomPercent)
{
    for (int i = 0; i < CommandId::kZoomLevels; ++i)
        if (CommandId::kZoomLadder[i] == zoomPercent)
            return i;
    return -1;
}

int Step(int zoomPercent, int direction)
{
    const int i = LadderIndex(zoomPercent);
    if (i < 0)
        return 100;
    const int next = i + direction;
    if (next < 0 || next >= CommandId::kZoomLevels)
        return zoomPercent;
    return CommandId::kZoomLadder[next];
}
} // namespace

int ZoomLadder::Next(int zoomPercent)
{
    return Step(zoomPercent, +1);
}

int ZoomLadder::Previous(int zoomPercent)
{
    return Step(zoomPercent, -1);
}

int ZoomLadder::ForCommand(int commandId)
{
    const int i = commandId - CommandId::Zoom10;
    if (i < 0 || i >= CommandId::kZoomLevels)
        return 0;
    return CommandId::kZoomLadder[i];
}
