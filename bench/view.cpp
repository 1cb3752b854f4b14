// Dragging a selection of 200 primitives on a label of 1,000: one mouse-move
// step (the move through the view's gesture handling and a repaint of the
// whole view into an image of its size) must stay under 16 ms at 100%.
// A repaint of a label of 100,000 primitives must stay under 100 ms.
#include "directory/CDirectorySegment.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"
#include "drawing/CRectangle.h"
#include "drawing/DrawingDefaults.h"
#include "view/CCovermintView.h"

#include "support/ScratchHome.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {
void SendMouse(QWidget* target, QEvent::Type type, QPoint pixel, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pixel, target->mapToGlobal(pixel), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

std::shared_ptr<CPrimitive> MakeShape(int i, CDrawingEngine& engine)
{
    const int x = (i * 37) % 800;
    const int y = -((i * 53) % 1050);
    std::shared_ptr<CRectangle> shape;
    switch (i % 3) {
    case 0: shape = std::make_shared<CRectangle>(2, &engine); break;
    case 1: shape = std::make_shared<CEllipse>(2, &engine); break;
    default: shape = std::make_shared<CLine>(2, &engine); break;
    }
    shape->SetCorners(QPoint(x, y), QPoint(x + 40, y - 30));
    shape->SetHollowFill(i % 2 != 0);
    shape->SetFillColor(MakeColorRef(i % 256, 128, 255 - i % 256));
    return shape;
}

// An empty label in a view of 1000 x 750 pixels, with the selection tool.
struct ShownLabel
{
    ShownLabel()
    {
        CDrawingDefaults::Instance().currentTool = Tool::Selection;
        view.resize(1000, 750);
        view.show();
    }
    CCovermintDoc doc;
    CCovermintView view{doc};
};

void BM_DragSelectionStep(benchmark::State& state)
{
    ShownLabel shown;
    CCovermintDoc& doc = shown.doc;
    CCovermintView& view = shown.view;
    CDrawingEngine& engine = doc.Engine();
    for (int i = 0; i < 999; ++i) {
        auto shape = MakeShape(i, engine);
        engine.Append(shape);
        if (i % 5 == 0 && i < 995)
            shape->SetSelected(true);
    }
    // The 200th selected shape lies on top, where the drag grabs it.
    auto top = std::make_shared<CRectangle>(2, &engine);
    top->SetCorners(QPoint(400, -500), QPoint(450, -540));
    engine.Append(top);
    top->SetSelected(true);
    QWidget* port = view.viewport();
    const QPoint grab = view.ViewToPixel(QPoint(425, -520));
    SendMouse(port, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    QImage image(port->size(), QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        const QPoint to = grab + QPoint(step++ % 2 ? 0 : 3, 0);
        SendMouse(port, QEvent::MouseMove, to, Qt::LeftButton);
        port->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    // Proves the steps dragged the whole selection, not just one shape.
    state.counters["dragged"] = engine.PendingMove() ? engine.PendingMove()->Count() : 0;
    SendMouse(port, QEvent::MouseButtonRelease, grab, Qt::NoButton);
}
BENCHMARK(BM_DragSelectionStep)->Unit(benchmark::kMillisecond);

enum class RepaintAfter { Nothing, DragOfTopShape, ChangeAnywhere, ChangeBesideAListing };

// A repaint of the view on 100,000 primitives: with nothing changed (an
// expose), at each step of dragging the selected shape on top, and after a
// change the view is told of through the document (drawn again where it
// changed; with a listing on the label, the listing too).
void BM_Repaint100k(benchmark::State& state, RepaintAfter change)
{
    ShownLabel shown;
    CCovermintDoc& doc = shown.doc;
    CCovermintView& view = shown.view;
    CDrawingEngine& engine = doc.Engine();
    if (change == RepaintAfter::ChangeBesideAListing) {
        auto segment = std::make_shared<CDirectorySegment>(&engine);
        segment->SetCorners(QPoint(500, -700), QPoint(800, -1000));
        engine.Append(segment);
        CFileDirectory& tree = doc.AddDirectoryInformation(QString())->Tree();
        for (int i = 0; i < 60; ++i)
            tree.AddFile(QStringLiteral("track %1.mp3").arg(i));
    }
    for (int i = 0; i < 100000; ++i)
        engine.Append(MakeShape(i, engine));
    auto top = std::make_shared<CRectangle>(2, &engine);
    top->SetCorners(QPoint(400, -500), QPoint(450, -540));
    engine.Append(top);
    top->SetSelected(true);
    QWidget* port = view.viewport();
    QImage image(port->size(), QImage::Format_RGB32);
    port->render(&image);
    const QPoint grab = view.ViewToPixel(QPoint(425, -520));
    if (change == RepaintAfter::DragOfTopShape)
        SendMouse(port, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        ++step;
        if (change == RepaintAfter::DragOfTopShape) {
            SendMouse(port, QEvent::MouseMove, grab + QPoint(step % 2 ? 3 : 0, 0), Qt::LeftButton);
        } else if (change != RepaintAfter::Nothing) {
            engine.Primitives()[std::size_t(step) % 1000]->SetFillColor(MakeColorRef(step % 256, 0, 0));
            doc.UpdateAllViews();
        }
        port->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    if (change == RepaintAfter::DragOfTopShape)
        SendMouse(port, QEvent::MouseButtonRelease, grab, Qt::NoButton);
}
BENCHMARK_CAPTURE(BM_Repaint100k, unchanged, RepaintAfter::Nothing)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Repaint100k, drag_of_top_shape, RepaintAfter::DragOfTopShape)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Repaint100k, change_anywhere, RepaintAfter::ChangeAnywhere)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Repaint100k, change_beside_a_listing, RepaintAfter::ChangeBesideAListing)
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksInScratchHome<QApplication>(argc, argv);
}
