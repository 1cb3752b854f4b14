// The view repaints from its rendered-page cache; whatever changed since the
// last paint, and however, it must show what a fresh rendering shows.
#include "ViewFixture.h"

#include "directory/CDirectorySegment.h"
#include "directory/CDocumentDirectoryInformation.h"
#include "drawing/CTextPrimitive.h"

#include <QPainter>
#include <QScrollBar>

namespace {

class PageCacheTest : public ViewTest
{
protected:
    QImage Shown()
    {
        QImage image(Port()->size(), QImage::Format_RGB32);
        Port()->render(&image);
        return image;
    }

    QImage Fresh()
    {
        QImage image(Port()->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        painter.translate(-view->horizontalScrollBar()->value(), -view->verticalScrollBar()->value());
        painter.scale(Port()->logicalDpiX() / 100.0, -Port()->logicalDpiY() / 100.0);
        RenderOptions options;
        options.pageSize = doc->PageSize();
        Engine().Render(painter, options);
        return image;
    }

    std::shared_ptr<CRectangle> AddFilled(QPoint c1, QPoint c2, ColorRef fill)
    {
        auto rect = AddRect(c1, c2);
        rect->SetHollowFill(false);
        rect->SetFillColor(fill);
        return rect;
    }

    struct Step
    {
        const char* name;
        std::function<void()> change;
    };

    // Each step changes what shows, and the next repaint shows just that.
    void ExpectEachStepShows(const std::vector<Step>& steps)
    {
        Shown();
        for (const Step& step : steps) {
            SCOPED_TRACE(step.name);
            const QImage before = Fresh();
            step.change();
            // Shown first: a fresh rendering would measure a changed text for it.
            const QImage shown = Shown();
            const QImage after = Fresh();
            EXPECT_NE(after, before);
            EXPECT_EQ(shown, after);
        }
    }
};

TEST_F(PageCacheTest, EveryKindOfChangeShowsAtTheNextRepaint)
{
    AddFilled(QPoint(100, -100), QPoint(300, -300), MakeColorRef(255, 0, 0));
    auto middle = AddFilled(QPoint(200, -200), QPoint(400, -400), MakeColorRef(0, 255, 0));
    AddFilled(QPoint(150, -350), QPoint(250, -450), MakeColorRef(0, 0, 255));
    auto text = std::make_shared<CTextPrimitive>(&Engine());
    text->SetCorners(QPoint(120, -60), QPoint(120, -60));
    text->SetText(QStringLiteral("ab"));
    Engine().Append(text);
    const auto restack = [&](auto reorder) {
        std::vector<PrimitivePtr> stack = Engine().Primitives();
        reorder(stack);
        Engine().SetPrimitives(stack);
        doc->UpdateAllViews();
    };
    view->resize(460, 460); // smaller than the page, so that it scrolls
    ExpectEachStepShows({
        {"select the top shape", [&] { Press(QPoint(240, -440)); Release(QPoint(240, -440)); }},
        {"drag it over the others", [&] { Drag(QPoint(240, -440), QPoint(300, -250)); }},
        {"select the bottom shape under the others", [&] { Press(QPoint(110, -110)); Release(QPoint(110, -110)); }},
        {"drag it", [&] { Drag(QPoint(110, -110), QPoint(130, -130)); }},
        {"click beside everything", [&] { Press(QPoint(420, -100)); Release(QPoint(420, -100)); }},
        {"recolour a shape the view is not told of", [&] { middle->SetFillColor(MakeColorRef(255, 255, 0)); }},
        {"hollow a shape and update the document's views", [&] { middle->SetHollowFill(true); doc->UpdateAllViews(); }},
        {"thicken a pen the view is not told of", [&] { middle->SetPenWidth(12); }},
        {"lengthen a text far past its old box", [&] {
             text->SetText(QStringLiteral("a much longer line of text"));
             doc->UpdateAllViews();
         }},
        {"put the bottom shape on top", [&] { restack([](auto& stack) { std::rotate(stack.begin(), stack.begin() + 1, stack.end()); }); }},
        {"put the top shape at the bottom", [&] { restack([](auto& stack) { std::rotate(stack.rbegin(), stack.rbegin() + 1, stack.rend()); }); }},
        {"remove a shape from the middle of the stack", [&] { Engine().Remove(middle.get()); doc->UpdateAllViews(); }},
        {"zoom", [&] { view->SetZoom(200); }},
        {"scroll", [&] { view->verticalScrollBar()->setValue(90); view->horizontalScrollBar()->setValue(40); }},
        {"draw a new rectangle", [&] {
             CDrawingDefaults::Instance().currentTool = Tool::Rectangle;
             Drag(QPoint(50, -80), QPoint(90, -120));
         }},
        {"delete the selection", [&] { QTest::keyClick(view.get(), Qt::Key_Delete); }},
        {"scroll further than the viewport is high", [&] { view->verticalScrollBar()->setValue(1500); }},
        {"scroll back and lengthen the text at once", [&] {
             view->verticalScrollBar()->setValue(0);
             text->SetText(QStringLiteral("longer still, and longer than the viewport is wide"));
         }},
    });
}

// A listing shows data no primitive holds, flows around what lies above it
// and continues in the next segment of its name: a change to any of these
// shows in full.
TEST_F(PageCacheTest, ListingChangesShowAtTheNextRepaint)
{
    for (const QPoint corner : {QPoint(50, -50), QPoint(450, -50)}) {
        auto segment = std::make_shared<CDirectorySegment>(&Engine());
        segment->SetCorners(corner, corner + QPoint(200, -120));
        Engine().Append(segment);
    }
    CFileDirectory& tree = doc->AddDirectoryInformation(QString())->Tree();
    for (int i = 0; i < 9; ++i)
        tree.AddFile(QStringLiteral("file%1.txt").arg(i));
    auto above = AddFilled(QPoint(60, -60), QPoint(200, -80), MakeColorRef(0, 0, 255));
    auto apart = AddFilled(QPoint(100, -400), QPoint(200, -450), MakeColorRef(0, 255, 0));
    ExpectEachStepShows({
        {"list a file first, moving every row on", [&] {
             tree.AddFile(QStringLiteral("aaa.txt"));
             std::rotate(tree.Children().rbegin(), tree.Children().rbegin() + 1, tree.Children().rend());
             doc->UpdateAllViews();
         }},
        {"move the shape above the listing", [&] { above->MoveBy(0, -40); doc->UpdateAllViews(); }},
        {"recolour a shape away from the listing", [&] { apart->SetFillColor(MakeColorRef(255, 0, 255)); }},
    });
}

} // namespace
