// Rendering, hit testing and undo of the drawing engine at label sizes well
// beyond real labels. Targets: Render < 16 ms, SelectAt and SelectInRect over
// 10,000 primitives < 1 ms, undo + redo of a 1,000-primitive move < 1 ms.
#include "document/CCovermintDoc.h"
#include "drawing/CDrawingEngine.h"
#include "drawing/CRectangle.h"
#include "drawing/LabelView.h"
#include "support/ScratchHome.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {
class CFixedZoomView : public ILabelView
{
public:
    explicit CFixedZoomView(int zoom) : m_zoom(zoom) {}
    int ZoomPercent() const override { return m_zoom; }
    void InvalidateView(bool) override {}

private:
    int m_zoom;
};

// count shapes of the four kinds, 0.1 to 0.6 inch across, pen widths 1 to 4,
// a third of them filled, on the page: 1,000 of them cover it about once.
void Populate(CDrawingEngine& engine, int count)
{
    QRandomGenerator random(42);
    for (int i = 0; i < count; ++i) {
        const QPoint c1(random.bounded(790), -random.bounded(1040));
        const QPoint c2 = c1 + QPoint(10 + random.bounded(50), -(10 + random.bounded(50)));
        std::shared_ptr<CRectangle> shape;
        switch (i % 4) {
        case 0: shape = std::make_shared<CRectangle>(1 + (i / 4) % 4, &engine); break;
        case 1: shape = std::make_shared<CEllipse>(1 + (i / 4) % 4, &engine); break;
        case 2: shape = std::make_shared<CRoundedRect>(1 + (i / 4) % 4, &engine); break;
        default: shape = std::make_shared<CLine>(1 + (i / 4) % 4, &engine); break;
        }
        shape->SetCorners(c1, c2);
        shape->SetHollowFill(i % 3 != 0);
        shape->SetFillColor(MakeColorRef(random.bounded(256), random.bounded(256), random.bounded(256)));
        if (i % 10 == 0)
            shape->SetSelected(true);
        engine.Append(shape);
    }
}

void BM_Render(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    CFixedZoomView view(zoom);
    CDrawingEngine engine;
    engine.SetView(&view);
    Populate(engine, int(state.range(1)));
    QImage image(850 * zoom / 100, 1100 * zoom / 100, QImage::Format_RGB32);
    // Touched once before timing: mapping the fresh buffer's pages is the
    // allocation's cost, not the drawing's, and would otherwise be spread
    // over however many iterations the run happens to take.
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setTransform(QTransform(1, 0, 0, -1, 0, 0));
        engine.Render(painter, RenderOptions{});
    }
}
// The second argument is the number of shapes; 0 measures the page alone.
// Arguments: zoom, number of shapes (0 measures the page alone).
BENCHMARK(BM_Render)->Args({100, 1000})->Args({300, 1000})->Args({300, 0})->Unit(benchmark::kMillisecond);

void BM_SelectAtMiss(benchmark::State& state)
{
    CDrawingEngine engine;
    Populate(engine, 10000);
    for (auto _ : state)
        engine.SelectAt(QPoint(2000, 2000), false); // walks everything twice
}
BENCHMARK(BM_SelectAtMiss)->Unit(benchmark::kMicrosecond);

void BM_SelectAtHit(benchmark::State& state)
{
    CDrawingEngine engine;
    Populate(engine, 10000);
    bool shift = false;
    for (auto _ : state) {
        engine.SelectAt(QPoint(400, -500), shift);
        shift = !shift;
    }
}
BENCHMARK(BM_SelectAtHit)->Unit(benchmark::kMicrosecond);

void BM_SelectInRect(benchmark::State& state)
{
    CDrawingEngine engine;
    Populate(engine, 10000);
    for (auto _ : state)
        engine.SelectInRect(LRect(100, -100, 500, -600), false);
}
BENCHMARK(BM_SelectInRect)->Unit(benchmark::kMicrosecond);

// One mouse move of a drag of 1,000 selected primitives, undo record included.
void BM_DragStep(benchmark::State& state)
{
    CDrawingEngine engine;
    Populate(engine, 1000);
    engine.SelectAll();
    engine.BeginPendingCommands();
    int step = 1;
    for (auto _ : state) {
        engine.MoveSelected(step, -step);
        step = -step;
    }
    engine.SubmitPendingCommands();
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

void BM_UndoRedoMove(benchmark::State& state)
{
    CCovermintDoc doc;
    CDrawingEngine& engine = doc.Engine();
    Populate(engine, 1000);
    engine.SelectAll();
    engine.BeginPendingMove();
    engine.MoveSelected(20, 0);
    engine.SubmitPendingCommands();
    CCommandProcessor& commands = doc.CommandProcessor();
    for (auto _ : state) {
        commands.Undo();
        commands.Redo();
    }
}
BENCHMARK(BM_UndoRedoMove)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksInScratchHome<QGuiApplication>(argc, argv);
}
