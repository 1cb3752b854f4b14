// A CDDB lookup answered from the on-disk cache, and the whole-process time
// of --disc-id on a CUE image.
#include "cd/CCddbClient.h"
#include "support/HeadlessProcess.h"

#include "support/ScratchHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The image of 60 s, 45 s 37 f and 30 s 10 f: disc id 12008703.
QString WriteImage(const QString& folder)
{
    QFile bin(folder + QStringLiteral("/disc.bin"));
    if (!bin.open(QIODevice::WriteOnly) || !bin.resize(qint64(10322 - 150) * 2352))
        return {};
    QFile cue(folder + QStringLiteral("/disc.cue"));
    if (!cue.open(QIODevice::WriteOnly))
        return {};
    cue.write("FILE \"disc.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
              "  TRACK 02 AUDIO\n    INDEX 01 01:00:00\n  TRACK 03 AUDIO\n    INDEX 01 01:45:37\n");
    return cue.fileName();
}

void BM_LookupFromCache(benchmark::State& state)
{
    QTemporaryDir dir;
    CXmcdRecord record;
    record.offsets = {150, 4650, 8062};
    record.discLength = 137;
    record.discIds = QStringLiteral("12008703");
    record.SetArtistAndTitle(QStringLiteral("Artist"), QStringLiteral("Title"));
    record.ResizeTracks(3);
    record.ttitles = {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")};
    for (const char* category : {"rock", "jazz", "misc", "folk"})
        QDir(dir.path()).mkpath(QString::fromLatin1(category));
    CCddbCache(dir.path()).Store(QStringLiteral("rock"), QStringLiteral("12008703"), record);
    ICddbPrompts nobody;
    CCddbClient client(nobody);
    CCddbOptions options;
    options.site = QUrl(QStringLiteral("http://127.0.0.1:9/~cddb/cddb.cgi")); // never reached
    options.cacheFolder = dir.path();
    client.SetOptions(options);
    for (auto _ : state)
        if (client.LookupMediaByToc(QStringLiteral("150 4650 8062 10322"), 0) != CCddbClient::OneMatch)
            state.SkipWithError("not answered from the cache");
}
BENCHMARK(BM_LookupFromCache)->Unit(benchmark::kMillisecond);

void BM_DiscIdOfACueImage(benchmark::State& state)
{
    const HeadlessProcess program;
    const QString cue = WriteImage(program.Folder());
    program.Time(state, {QStringLiteral("--disc-id"), cue}, "12008703 3 150 4650 8062 137\n");
}
BENCHMARK(BM_DiscIdOfACueImage)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksInScratchHome<QCoreApplication>(argc, argv);
}
