#include "cli/HeadlessMode.h"

const std::vector<CHeadlessMode>& HeadlessModes()
{
    static const std::vector<CHeadlessMode> modes = {ExportMode(), InfoMode(), NewFromMode(),
                                                         ReadDirMode(), DiscIdMode(), CddbMode()};
    return modes;
}

const QCommandLineOption& SaveOption()
{
    static const QCommandLineOption save = ValueOption("save", "The label file to write.", "OUT.cla");
    return save;
}
