#include "cli/HeadlessMode.h"

const std::vector<CHeadlessMode>& HeadlessModes()
{
    static const std::vector<CHeadlessMode> modes = {ExportMode(), InfoMode(), NewFromMode(),
                                                         ReadDirMode(), DiscIdMode(), CddbMode(), BatchMode()};
    return modes;
}

const QCommandLineOption& SaveOption()
{
    static const QCommandLineOption save = ValueOption("save", "The label file to write.", "OUT.cla");
    return save;
}

const QCommandLineOption& CddbSiteOption()
{
    static const QCommandLineOption site = ValueOption("cddb-site", "The CDDB site for this run.", "URL");
    return site;
}
