// One main for every test program: a QApplication on the offscreen platform,
// so real widgets, fonts and painting work headless. Each process gets its own
// settings and home folders, since CTest runs tests side by side and the
// registered home folder lives in the settings.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir isolated;
    if (!isolated.isValid())
        return 2;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "HOME"}) {
        const QString folder = isolated.path() + QLatin1Char('/') + QLatin1String(name);
        QDir().mkpath(folder);
        qputenv(name, QFile::encodeName(folder));
    }
    int status = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    return status;
}
