// Laying out and drawing a directory listing of 10,000 entries with 50
// primitives stacked above the segment, at 100%. Target: < 20 ms per drawing.
#include "directory/CDirectorySegment.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "document/CCovermintDoc.h"
#include "drawing/LabelView.h"

#include "support/ScratchHome.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

namespace {
class CHundredPercent : public ILabelView
{
public:
    int ZoomPercent() const override { return 100; }
    void InvalidateView(bool) override {}
};

// 100 folders of 99 files each, sizes of a few KB to a few MB.
void FillTree(CFileDirectory& root)
{
    QRandomGenerator random(7);
    for (int d = 0; d < 100; ++d) {
        CFileDirectory* folder = root.AddDirectory(QStringLiteral("Folder %1").arg(d));
        for (int f = 0; f < 99; ++f)
            folder->AddFile(QStringLiteral("track %1 of the folder.mp3").arg(f))->SetFullSize(random.bounded(8 << 20));
    }
}

// A segment over box with the tree and 50 small rectangles above it, spread
// over the segment and the page around it.
void BuildLabel(CCovermintDoc& doc, LRect box, double pointSize)
{
    auto segment = std::make_shared<CDirectorySegment>(&doc.Engine());
    segment->SetCorners({box.left, box.top}, {box.right, box.bottom});
    segment->SetFont(FontSpec{QStringLiteral("Liberation Sans"), 0, 0, FontSpec::JustifyLeft, pointSize});
    segment->SetColumnWidth(1.2375);
    segment->SetSizeUnits(QStringLiteral("K"));
    doc.Engine().Append(segment);
    FillTree(doc.FindDirectoryInformation(QString())->Tree());
    QRandomGenerator random(11);
    for (int i = 0; i < 50; ++i) {
        auto shape = std::make_shared<CRectangle>(1, &doc.Engine());
        const QPoint corner(random.bounded(800), -random.bounded(1050));
        shape->SetCorners(corner, corner + QPoint(20 + random.bounded(40), -(10 + random.bounded(30))));
        doc.Engine().Append(shape);
    }
}

void RenderLabel(benchmark::State& state, LRect box, double pointSize)
{
    CHundredPercent zoom;
    CCovermintDoc doc;
    doc.Engine().SetView(&zoom);
    BuildLabel(doc, box, pointSize);
    QImage image(900, 1150, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setTransform(QTransform(1, 0, 0, -1, 0, 0));
    for (auto _ : state)
        doc.Engine().Render(painter, RenderOptions{});
    const auto* segment = static_cast<const CDirectorySegment*>(doc.Engine().Primitives().front().get());
    state.counters["placed"] = segment->PlacedCount();
    state.counters["leftOut"] = segment->LeftOutCount();
}

// A whole page of 6-point rows: the most a label can show.
void BM_FullPageListing(benchmark::State& state)
{
    RenderLabel(state, LRect(25, -25, 825, -1075), 6.0);
}
BENCHMARK(BM_FullPageListing)->Unit(benchmark::kMillisecond);

// The CD back insert's segment: almost all of the tree is left out.
void BM_CdBackListing(benchmark::State& state)
{
    RenderLabel(state, LRect(78, -140, 559, -490), 8.0);
}
BENCHMARK(BM_CdBackListing)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksInScratchHome<QGuiApplication>(argc, argv);
}
