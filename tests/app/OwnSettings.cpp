// CTest runs each test case in a process of its own, several at a time. The
// per-user settings (HOMEDIR, recent files, tips) of this program's processes
// live in a folder of their own, so that parallel cases never see each
// other's home folder. Set before main(), ahead of the first QSettings.
#include <QTemporaryDir>

namespace {

QTemporaryDir g_configFolder;
const bool g_configSet = qputenv("XDG_CONFIG_HOME", g_configFolder.path().toLocal8Bit());

} // namespace
