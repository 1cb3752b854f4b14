// Start-up to a shown main window with a well-filled home folder: 200 labels
// and 50 templates in 5 categories. Target: < 1 s. Also timed: the same with
// a label named on the command line.
#include "app/CCovermintApp.h"
#include "app/CMainFrame.h"
#include "document/HomeFolderSeed.h"
#include "document/CPreferences.h"

#include "support/ScratchHome.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QDeadlineTimer>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kLabels = 200;
constexpr int kCategories = 5;
constexpr int kTemplatesPerCategory = 10;

// The home folder, made once: the shipped seed, then copies of its ZIP template.
class CBusyHome
{
public:
    CBusyHome()
    {
        QString error;
        if (!CHomeFolderSeed::Populate(QStringLiteral(COVERMINT_SOURCE_SHARE), m_dir.path(), &error))
            std::fprintf(stderr, "bench_startup: %s\n", qPrintable(error));
        const QString source = m_dir.filePath(QStringLiteral("Templates/ZIP Disk/ZIP Disk Label.cte"));
        QDir root(m_dir.path());
        for (int i = 0; i < kLabels; ++i)
            QFile::copy(source, root.filePath(QStringLiteral("Labels/Label %1.cla").arg(i, 3, 10, QLatin1Char('0'))));
        for (int c = 0; c < kCategories; ++c) {
            const QString category = QStringLiteral("Templates/Category %1").arg(c);
            root.mkpath(category);
            for (int t = 0; t < kTemplatesPerCategory; ++t)
                QFile::copy(source, root.filePath(category + QStringLiteral("/Template %1.cte").arg(t)));
        }
        CHomeFolderSeed::Register(m_dir.path());
        // The tip of the day shows, as for a new user.
        QSettings(QStringLiteral("Covermint"), QStringLiteral("Covermint")).setValue(QStringLiteral("Tip/StartUp"), 0);
    }
    QString Label(int i) const { return m_dir.filePath(QStringLiteral("Labels/Label %1.cla").arg(i, 3, 10, QLatin1Char('0'))); }

private:
    QTemporaryDir m_dir;
};

CBusyHome& Home()
{
    static CBusyHome home;
    return home;
}

bool WaitUntilExposed(QWidget* window)
{
    const QDeadlineTimer deadline(5000);
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return !deadline.hasExpired();
}

void StartUp(benchmark::State& state, const QStringList& files)
{
    Home();
    for (auto _ : state) {
        // Each start reads the preferences afresh, as a new process would.
        CPreferences::Reset();
        auto app = std::make_unique<CCovermintApp>(QCoreApplication::applicationDirPath(), false);
        app->Start(QStringList{QStringLiteral("covermint")} + files);
        if (!WaitUntilExposed(app->MainFrame()))
            state.SkipWithError("the main window was not shown");
        QCoreApplication::processEvents();
        state.PauseTiming();
        app.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_StartUp(benchmark::State& state)
{
    StartUp(state, {});
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_StartUpWithALabel(benchmark::State& state)
{
    StartUp(state, {Home().Label(42)});
}
BENCHMARK(BM_StartUpWithALabel)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    // Never the user's own settings: HOMEDIR is registered for the run.
    const CScratchHome scratch;
    QApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
