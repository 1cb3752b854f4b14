// The view repaints from its rendered-page cache; whatever changed since the
// last paint, and however, it must show what a fresh rendering shows.
#include "ViewFixture.h"

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
};

TEST_F(PageCacheTest, EveryKindOfChangeShowsAtTheNextRepaint)
{
    AddFilled(QPoint(100, -100), QPoint(300, -300), MakeColorRef(255, 0, 0));
    auto middle = AddFilled(QPoint(200, -200), QPoint(400, -400), MakeColorRef(0, 255, 0));
    AddFilled(QPoint(150, -350), QPoint(250, -450), MakeColorRef(0, 0, 255));
    const struct
    {
        const char* name;
        std::function<void()> change;
    } steps[] = {
        {"select the top shape", [&] { Press(QPoint(240, -440)); Release(QPoint(240, -440)); }},
        {"drag it over the others", [&] { Drag(QPoint(240, -440), QPoint(300, -250)); }},
        {"select the bottom shape under the others", [&] { Press(QPoint(110, -110)); Release(QPoint(110, -110)); }},
        {"drag it", [&] { Drag(QPoint(110, -110), QPoint(130, -130)); }},
        {"click beside everything", [&] { Press(QPoint(420, -100)); Release(QPoint(420, -100)); }},
        {"recolour a shape the view is not told of", [&] { middle->SetFillColor(MakeColorRef(255, 255, 0)); }},
        {"hollow a shape and update the document's views", [&] { middle->SetHollowFill(true); doc->UpdateAllViews(); }},
        {"zoom", [&] { view->SetZoom(200); }},
        {"scroll", [&] { view->verticalScrollBar()->setValue(90); view->horizontalScrollBar()->setValue(40); }},
        {"draw a new rectangle", [&] {
             CDrawingDefaults::Instance().currentTool = Tool::Rectangle;
             Drag(QPoint(50, -80), QPoint(90, -120));
         }},
        {"delete the selection", [&] { QTest::keyClick(view.get(), Qt::Key_Delete); }},
        {"scroll further than the viewport is high", [&] { view->verticalScrollBar()->setValue(1500); }},
    };
    view->resize(460, 460); // smaller than the page, so that it scrolls
    Shown();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const QImage before = Fresh();
        step.change();
        const QImage after = Fresh();
        EXPECT_NE(after, before); // the step changed what shows
        EXPECT_EQ(Shown(), after);
    }
}

} // namespace
