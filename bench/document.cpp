// Saving and loading a label far bigger than real ones: 5,000 primitives and
// a directory tree of 100,000 nodes. Target: < 0.5 s for each; loading grows
// linearly with the number of primitives. For scale, the same file is also
// checked with xmllint --noout and the ratio printed.
#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"
#include "drawing/CFreehand.h"
#include "drawing/CRectangle.h"
#include "drawing/CTextPrimitive.h"

#include "support/ScratchHome.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>

namespace {

QString g_labelPath;

void AddPrimitives(CCovermintDoc& doc, int count)
{
    CDrawingEngine& engine = doc.Engine();
    for (int i = 0; i < count; ++i) {
        const QPoint c1(i % 700, -(i % 950));
        const QPoint c2 = c1 + QPoint(40, -30);
        switch (i % 6) {
        case 0: {
            auto text = std::make_shared<CTextPrimitive>(&engine);
            text->SetText(QStringLiteral("Track %1\r\nsecond line").arg(i));
            text->SetCorners(c1, c2);
            engine.Append(text);
            break;
        }
        case 1: {
            auto stroke = std::make_shared<CFreehand>(2, &engine);
            for (int p = 0; p < 10; ++p)
                stroke->BeginCreate(c1 + QPoint(p * 3, -p * 2));
            engine.Append(stroke);
            break;
        }
        default: {
            std::shared_ptr<CRectangle> shape;
            if (i % 6 == 2)
                shape = std::make_shared<CRectangle>(1, &engine);
            else if (i % 6 == 3)
                shape = std::make_shared<CEllipse>(1, &engine);
            else if (i % 6 == 4)
                shape = std::make_shared<CRoundedRect>(1, &engine);
            else
                shape = std::make_shared<CLine>(1, &engine);
            shape->SetCorners(c1, c2);
            engine.Append(shape);
        }
        }
    }
}

// 1,000 folders of 99 files each, plus the folders: 100,000 nodes.
void AddTree(CCovermintDoc& doc)
{
    CFileDirectory tree;
    for (int d = 0; d < 1000; ++d) {
        CFileDirectory* folder = tree.AddDirectory(QStringLiteral("Folder %1").arg(d));
        for (int f = 0; f < 99; ++f) {
            CFileFile* file = folder->AddFile(QStringLiteral("song %1 - track name.mp3").arg(f));
            file->SetSize(3000000 + f);
            file->SetSongLength(180 + f);
            file->SetLastWriteTime(-123456789, 30000000);
        }
    }
    doc.FindDirectoryInformation(QString())->ReplaceTree(tree);
}

void BM_SaveLabel(benchmark::State& state)
{
    CCovermintDoc doc;
    AddPrimitives(doc, 5000);
    AddTree(doc);
    const QString path = g_labelPath + QStringLiteral(".saved");
    for (auto _ : state) {
        if (!doc.SaveTo(path))
            state.SkipWithError("save failed");
    }
    state.counters["MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
}

void BM_LoadLabel(benchmark::State& state)
{
    for (auto _ : state) {
        auto doc = std::make_unique<CCovermintDoc>();
        if (!doc->Load(g_labelPath) || doc->Engine().Primitives().size() != 5000)
            state.SkipWithError("load failed");
        state.PauseTiming(); // the document's teardown is not part of loading
        doc.reset();
        state.ResumeTiming();
    }
}

void BM_Xmllint(benchmark::State& state)
{
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty()) {
        state.SkipWithError("xmllint not installed");
        return;
    }
    for (auto _ : state) {
        QProcess lint;
        lint.start(xmllint, {QStringLiteral("--noout"), g_labelPath});
        if (!lint.waitForFinished(60000) || lint.exitCode() != 0)
            state.SkipWithError("xmllint rejected the file");
    }
}

// Loading must grow linearly with the number of primitives: 40,000 may take
// at most 4.4 times as long as 10,000 (the ratio is printed).
void BM_LoadPrimitives(benchmark::State& state)
{
    const int count = int(state.range(0));
    const QString path = g_labelPath + QStringLiteral(".%1").arg(count);
    {
        CCovermintDoc doc;
        AddPrimitives(doc, count);
        if (!doc.SaveTo(path)) {
            state.SkipWithError("save failed");
            return;
        }
    }
    for (auto _ : state) {
        auto doc = std::make_unique<CCovermintDoc>();
        if (!doc->Load(path) || doc->Engine().Primitives().size() != size_t(count))
            state.SkipWithError("load failed");
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    QFile::remove(path);
}

BENCHMARK(BM_SaveLabel)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadPrimitives)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadLabel)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Xmllint)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Remembers each benchmark's real time per iteration for the ratio line.
class CRecordingReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                seconds[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] =
                    run.real_accumulated_time / double(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv)
{
    const CScratchHome scratch;
    QGuiApplication app(argc, argv);
    scratch.Register();
    g_labelPath = scratch.Path() + QStringLiteral("/big.cla");
    {
        CCovermintDoc doc;
        AddPrimitives(doc, 5000);
        AddTree(doc);
        if (!doc.SaveTo(g_labelPath)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(g_labelPath));
            return 1;
        }
    }

    CRecordingReporter reporter;
    RunBenchmarks(argc, argv, &reporter);
    const auto small = reporter.seconds.find("BM_LoadPrimitives/10000");
    const auto large = reporter.seconds.find("BM_LoadPrimitives/40000");
    if (small != reporter.seconds.end() && large != reporter.seconds.end() && small->second > 0)
        std::printf("load 40,000 / load 10,000 primitives = %.2f (%.1f ms / %.1f ms)\n", large->second / small->second,
            large->second * 1000, small->second * 1000);
    const auto load = reporter.seconds.find("BM_LoadLabel");
    const auto lint = reporter.seconds.find("BM_Xmllint");
    if (load != reporter.seconds.end() && lint != reporter.seconds.end() && lint->second > 0)
        std::printf("load / xmllint --noout = %.2f (%.1f ms / %.1f ms)\n", load->second / lint->second,
            load->second * 1000, lint->second * 1000);
    return 0;
}
