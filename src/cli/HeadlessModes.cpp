#include "cli/HeadlessMode.h"

const std::vector<CHeadlessMode>& HeadlessModes()
{
    static const std::vector<CHeadlessMode> modes = {ExportMode(), InfoMode(), NewFromMode(),
                                                         ReadDirMode(), DiscIdMode(), CddbMode(), BatchMode()};
    return modes;
}
