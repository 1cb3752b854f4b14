// Whole-process time of a headless export: start, load a shipped template,
// render a 300 dpi PNG, write it, exit.
#include "support/HeadlessProcess.h"

#include "support/ScratchHome.h"

#include <QCoreApplication>

namespace {

void BM_ExportShippedTemplateToPng(benchmark::State& state)
{
    const HeadlessProcess program;
    const QString cte = QStringLiteral(COVERMINT_SOURCE_SHARE "/Templates/CD Jewel Case/CD Front Insert.cte");
    program.Time(state, {QStringLiteral("--export"), program.Folder() + QStringLiteral("/out.png"), cte});
}
BENCHMARK(BM_ExportShippedTemplateToPng)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksInScratchHome<QCoreApplication>(argc, argv);
}
