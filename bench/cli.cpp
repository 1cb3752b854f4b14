// Whole-process time of a headless export: start, load a shipped template,
// render a 300 dpi PNG, write it, exit.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_ExportShippedTemplateToPng(benchmark::State& state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("home"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("HOME"), dir.path() + QStringLiteral("/home"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path() + QStringLiteral("/config"));
    const QString cte = QStringLiteral(COVERMINT_SOURCE_SHARE "/Templates/CD Jewel Case/CD Front Insert.cte");
    const QString out = dir.path() + QStringLiteral("/out.png");
    const QStringList args{QStringLiteral("--export"), out, cte};
    auto run = [&] {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(COVERMINT_BINARY), args);
        process.waitForFinished(30000);
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    };
    if (!run()) { // the first run seeds the home folder
        state.SkipWithError("export failed");
        return;
    }
    for (auto _ : state)
        if (!run())
            state.SkipWithError("export failed");
}
BENCHMARK(BM_ExportShippedTemplateToPng)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
