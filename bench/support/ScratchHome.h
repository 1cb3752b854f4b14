#pragma once
// The main of a benchmark program that builds documents: a throw-away home
// folder and settings, so that the preferences the first engine loads never
// touch the user's own, and Qt's offscreen platform unless one is chosen.
#include <QDir>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

inline int RunBenchmarksInScratchHome(int argc, char** argv)
{
    QTemporaryDir scratch;
    qputenv("XDG_CONFIG_HOME", QDir(scratch.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString home = QDir(scratch.path()).filePath(QStringLiteral("home"));
    QDir().mkpath(QDir(home).filePath(QStringLiteral("Templates")));
    QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint")).setValue(QStringLiteral("HOMEDIR"), home);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
