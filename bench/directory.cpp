// Reading a tree of 50,000 files in 5,000 folders (one file in ten audio)
// against `find DIR -printf '%s %T@\n'` on the same tree, warm cache.
#include "directory/DirectoryReader.h"

#include "support/ScratchHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <benchmark/benchmark.h>

namespace {

QByteArray Mp3() { QByteArray b(4096, 0); qToBigEndian<quint32>(0xFFFB9000, b.data()); return b; }

QByteArray Wav()
{
    QByteArray b = QByteArray("RIFF") + QByteArray(4, 0) + "WAVEfmt " + QByteArray::fromHex("10000000" "0100" "0200" "44ac0000" "10b10200" "0400" "1000") + "data";
    b += QByteArray::fromHex("00100000") + QByteArray(4096, 0);
    qToLittleEndian<quint32>(quint32(b.size() - 8), b.data() + 4);
    return b;
}

QByteArray Voc()
{
    return QByteArray("Creative Voice File\x1a\x1a\x00\x0a\x01\x29\x11", 26) + QByteArray::fromHex("010201008300")
           + QByteArray(256, 0) + QByteArray(1, 0);
}

QString Tree()
{
    static QTemporaryDir dir;
    static bool made = false;
    if (!made) {
        made = true;
        const QByteArray audio[3] = {Mp3(), Wav(), Voc()};
        const char* extensions[3] = {".mp3", ".wav", ".voc"};
        const QByteArray text(2000, 'x');
        for (int top = 0; top < 50; ++top) {
            for (int sub = 0; sub < 100; ++sub) {
                const QString folder = QStringLiteral("%1/d%2/s%3/").arg(dir.path()).arg(top).arg(sub);
                QDir().mkpath(folder);
                for (int i = 0; i < 10; ++i) {
                    const bool isAudio = i == 0;
                    const int kind = (top + sub) % 3;
                    QFile file(folder + QStringLiteral("file %1").arg(i) + (isAudio ? extensions[kind] : ".txt"));
                    file.open(QIODevice::WriteOnly);
                    file.write(isAudio ? audio[kind] : text);
                }
            }
        }
    }
    return dir.path();
}

void BM_Find(benchmark::State& state)
{
    const QString root = Tree();
    for (auto _ : state) {
        QProcess find;
        find.setStandardOutputFile(QProcess::nullDevice());
        find.start(QStringLiteral("find"), {root, QStringLiteral("-printf"), QStringLiteral("%s %T@\\n")});
        if (!find.waitForFinished(60000) || find.exitCode() != 0)
            state.SkipWithError("find failed");
    }
}

void TimeReading(benchmark::State& state, bool songLengths)
{
    CDirectoryReadRequest request;
    request.path = Tree();
    request.depth = 999;
    request.readSongLengths = songLengths;
    for (auto _ : state) {
        CDiskInformation disk;
        if (ReadTree(request, disk) != ReadOk || CFileFile::LiveCount() != 50000)
            state.SkipWithError("read failed");
    }
}

void BM_ReadTreeWithoutSongLengths(benchmark::State& state) { TimeReading(state, false); }
void BM_ReadTreeWithSongLengths(benchmark::State& state) { TimeReading(state, true); }

BENCHMARK(BM_Find)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_ReadTreeWithoutSongLengths)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_ReadTreeWithSongLengths)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

} // namespace
int main(int argc, char** argv)
{
    return RunBenchmarksInScratchHome<QCoreApplication>(argc, argv);
}
