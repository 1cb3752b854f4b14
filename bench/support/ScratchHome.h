#pragma once
// The main of a benchmark program: Qt's offscreen platform unless one is
// chosen, and, for programs that build documents, a throw-away home folder
// and settings so that the preferences the first engine loads never touch
// the user's own.
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// Made before the application object, which reads the environment it sets.
class CScratchHome
{
public:
    CScratchHome()
    {
        qputenv("XDG_CONFIG_HOME", QDir(m_dir.path()).filePath(QStringLiteral("config")).toLocal8Bit());
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    // Once the application exists: the home folder the program will use.
    void Register() const
    {
        const QString home = QDir(m_dir.path()).filePath(QStringLiteral("home"));
        QDir().mkpath(QDir(home).filePath(QStringLiteral("Templates")));
        QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint")).setValue(QStringLiteral("HOMEDIR"), home);
    }

    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

inline int RunBenchmarks(int& argc, char** argv, benchmark::BenchmarkReporter* reporter = nullptr)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(reporter);
    benchmark::Shutdown();
    return 0;
}

// App: the application class the benchmarks need (QProcess needs at least
// a QCoreApplication; drawing text a QGuiApplication; widgets a QApplication).
template <class App>
int RunBenchmarksInScratchHome(int argc, char** argv)
{
    const CScratchHome scratch;
    App app(argc, argv);
    scratch.Register();
    return RunBenchmarks(argc, argv);
}
