// Picture decoding and drawing. Targets: decoding a 4,000 x 3,000 JPEG within
// 1.5 times djpeg's time on the same file; a repaint of a page holding five
// 2,000 x 2,000 pictures at 100 percent under 30 ms.
#include "drawing/CDrawingEngine.h"
#include "drawing/CImagePrimitive.h"
#include "drawing/JpegReader.h"

#include "support/ScratchHome.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdlib>

#include <sys/resource.h>

namespace {

QString g_photo; // the 4,000 x 3,000 JPEG, made in main

// Something like a photograph: smooth gradients with fine detail, so the
// decoder has real work in every block.
QImage Photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb((x * 255 / width) ^ (y & 15), (y * 255 / height + (x * y >> 9)) & 255, ((x + y) >> 3) & 255);
    }
    return image;
}

void BM_DecodeJpeg(benchmark::State& state)
{
    for (auto _ : state) {
        JpegResult result = ReadJpegFile(g_photo);
        if (result.status != JpegStatus::Ok)
            state.SkipWithError("decoding failed");
        benchmark::DoNotOptimize(result.picture.rgb.data());
    }
}
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

double ChildCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Timed by djpeg's own CPU time, so the comparison with the CPU time of
// our decoder holds on a busy machine too.
void BM_DecodeJpegWithDjpeg(benchmark::State& state)
{
    const QByteArray command = "djpeg -outfile /dev/null '" + QFile::encodeName(g_photo) + "'";
    for (auto _ : state) {
        const double before = ChildCpuSeconds();
        if (std::system(command.constData()) != 0)
            state.SkipWithError("djpeg failed");
        state.SetIterationTime(ChildCpuSeconds() - before);
    }
}
BENCHMARK(BM_DecodeJpegWithDjpeg)->Unit(benchmark::kMillisecond)->UseManualTime();

// Decoding plus the conversion to the stored form and the drawable copy.
void BM_LoadJpegImage(benchmark::State& state)
{
    CDrawingEngine engine;
    for (auto _ : state) {
        CImagePrimitive image(&engine);
        if (!image.LoadFile(g_photo))
            state.SkipWithError("loading failed");
    }
}
BENCHMARK(BM_LoadJpegImage)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_RenderFiveLargeImages(benchmark::State& state)
{
    CDrawingEngine engine;
    const int side = 2000;
    const std::vector<unsigned char> pixels = [&] {
        std::vector<unsigned char> p(size_t(side) * side * 3);
        for (size_t i = 0; i < p.size(); ++i)
            p[i] = (i * 7 / 3) & 255;
        return p;
    }();
    for (int i = 0; i < 5; ++i) {
        auto image = std::make_shared<CImagePrimitive>(&engine);
        image->SetImage(QStringLiteral("/bench/%1.bmp").arg(i), pixels, side, side);
        image->MoveBy(i * 150, -i * 200); // overlapping, partly beyond the page
        engine.Append(image);
    }
    // The page at a 96 dpi screen, as the view paints it at 100 percent.
    const double pixelsPerUnit = double(state.range(0)) / 100.0;
    QImage page(int(850 * pixelsPerUnit), int(1100 * pixelsPerUnit), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&page);
        painter.scale(pixelsPerUnit, -pixelsPerUnit);
        engine.Render(painter, RenderOptions{});
    }
    // The pictures cover the middle of the page: it must not be white.
    if (page.pixel(page.width() / 2, page.height() / 2) == qRgb(255, 255, 255))
        state.SkipWithError("the pictures were not drawn");
}
BENCHMARK(BM_RenderFiveLargeImages)->Arg(96)->Arg(100)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv)
{
    const CScratchHome scratch;
    QGuiApplication app(argc, argv);
    scratch.Register();
    g_photo = QDir(scratch.Path()).filePath(QStringLiteral("photo.jpg"));
    if (!Photo(4000, 3000).save(g_photo, "JPEG", 90)) {
        std::fprintf(stderr, "could not write the test JPEG\n");
        return 1;
    }
    return RunBenchmarks(argc, argv);
}
