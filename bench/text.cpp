// Repainting a label full of text: 500 text primitives of 5 lines each at
// 100%, as the screen paints them (96 dpi, y flipped). The target is 16 ms per
// repaint; "measures/repaint" shows that unchanged text is not measured again.
#include "drawing/CDrawingEngine.h"
#include "drawing/CTextPrimitive.h"
#include "drawing/LabelView.h"

#include "support/ScratchHome.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

class CBenchView : public ILabelView
{
public:
    int ZoomPercent() const override { return zoom; }
    void InvalidateView(bool) override {}
    int zoom = 100;
};

struct CTextLabel
{
    CTextLabel()
    {
        engine.SetView(&view);
        for (int i = 0; i < 500; ++i) {
            auto text = std::make_shared<CTextPrimitive>(&engine);
            text->SetText(QStringLiteral("Track %1\r\nArtist of the track\r\nAlbum title\r\n3:45\r\nNotes %2")
                              .arg(i)
                              .arg(i * 7));
            const QPoint anchor(20 + (i % 10) * 82, -20 - (i / 10) * 21);
            text->SetCorners(anchor, anchor);
            text->SetFont(FontSpec{QStringLiteral("Liberation Sans"), (i % 4) * 90, 0, i % 3, 6.0});
            engine.Append(text);
        }
    }

    void Repaint()
    {
        QPainter painter(&image);
        const qreal scale = image.logicalDpiX() / 100.0;
        painter.setTransform(QTransform(scale, 0, 0, -scale, 0, 0));
        engine.Render(painter, RenderOptions{});
    }

    CBenchView view;
    CDrawingEngine engine;
    QImage image{816, 1056, QImage::Format_RGB32};
};

void Report(benchmark::State& state, long measures)
{
    state.counters["measures/repaint"] = benchmark::Counter(double(measures) / double(state.iterations()));
}

// The everyday repaint: nothing changed since the last one.
void BM_RepaintUnchangedText(benchmark::State& state)
{
    CTextLabel label;
    label.Repaint();
    const long before = CTextPrimitive::MeasureCount();
    for (auto _ : state)
        label.Repaint();
    Report(state, CTextPrimitive::MeasureCount() - before);
}
BENCHMARK(BM_RepaintUnchangedText)->Unit(benchmark::kMillisecond);

// Every repaint at a new zoom, so every text is measured again.
void BM_RepaintAfterZoomChange(benchmark::State& state)
{
    CTextLabel label;
    const long before = CTextPrimitive::MeasureCount();
    for (auto _ : state) {
        label.view.zoom = label.view.zoom == 100 ? 90 : 100;
        label.Repaint();
    }
    Report(state, CTextPrimitive::MeasureCount() - before);
}
BENCHMARK(BM_RepaintAfterZoomChange)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksInScratchHome<QApplication>(argc, argv);
}
