// Rendering checked by pixels: one view unit is one pixel and y points up.
#include "ShapeTestSupport.h"

namespace {
const QColor kWhite(Qt::white);
const QColor kBlack(Qt::black);
const QColor kGrey(192, 192, 192);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kCyan(0, 255, 255);

// True when a pixel within one of the view point has the colour (the exact
// pixel a one-unit edge lands on is the rasteriser's choice).
bool NearViewPixel(const QImage& image, int x, int y, QColor colour)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (ViewPixel(image, x + dx, y + dy) == colour)
                return true;
    return false;
}

class RenderTest : public ShapeTest
{
protected:
    std::shared_ptr<CRectangle> AddFilled(CDrawingEngine& engine, QPoint c1, QPoint c2, ColorRef fill)
    {
        auto shape = AddShape(engine, c1, c2);
        shape->SetHollowFill(false);
        shape->SetFillColor(fill);
        return shape;
    }
};
} // namespace

TEST_F(RenderTest, ScreenShowsWhitePageOutlineAndDropShadow)
{
    CZoomView view(100);
    CDrawingEngine engine;
    engine.SetView(&view);
    QImage image = WhiteCanvas();
    image.fill(kCyan);
    RenderInto(image, engine);
    EXPECT_EQ(image.pixelColor(400, 500), kWhite); // the background is cleared
    EXPECT_EQ(image.pixelColor(899, 1149), kWhite);
    EXPECT_EQ(image.pixelColor(1, 500), kBlack);   // left edge, 3 wide
    EXPECT_EQ(image.pixelColor(844, 500), kBlack); // right edge at W - 6
    EXPECT_EQ(image.pixelColor(500, 1095), kBlack); // bottom edge at H - 5
    EXPECT_EQ(image.pixelColor(3, 500), kWhite);
    EXPECT_EQ(image.pixelColor(850, 500), kGrey);  // right shadow W - 5 .. W + 15
    EXPECT_EQ(image.pixelColor(864, 500), kGrey);
    EXPECT_EQ(image.pixelColor(866, 500), kWhite);
    EXPECT_EQ(image.pixelColor(850, 10), kWhite);  // starts 20 below the top
    EXPECT_EQ(image.pixelColor(500, 1110), kGrey); // bottom shadow
    EXPECT_EQ(image.pixelColor(500, 1116), kWhite);
    EXPECT_EQ(image.pixelColor(10, 1110), kWhite); // starts 20 from the left

    view.zoom = 50;
    image.fill(kCyan);
    RenderInto(image, engine);
    EXPECT_EQ(image.pixelColor(430, 300), kGrey); // shadow at 423 .. 433
    EXPECT_EQ(image.pixelColor(436, 300), kWhite);
    EXPECT_EQ(image.pixelColor(422, 300), kBlack); // outline at 422
}

TEST_F(RenderTest, FillHollowAndOutlineOfEachShape)
{
    CDrawingEngine engine;
    // A green ground under each test shape.
    for (int i = 0; i < 4; ++i)
        AddFilled(engine, QPoint(i * 200, -100), QPoint(i * 200 + 150, -250), MakeColorRef(0, 255, 0));
    auto filled = AddFilled(engine, QPoint(20, -120), QPoint(130, -230), MakeColorRef(255, 0, 0));
    filled->SetLineColor(MakeColorRef(0, 0, 255));
    auto whiteFill = AddFilled(engine, QPoint(220, -120), QPoint(330, -230), MakeColorRef(255, 255, 255));
    auto hollowEllipse = AddShape<CEllipse>(engine, QPoint(420, -120), QPoint(530, -230));
    auto hollowRound = AddShape<CRoundedRect>(engine, QPoint(620, -120), QPoint(730, -230));
    auto filledEllipse = AddShape<CEllipse>(engine, QPoint(20, -300), QPoint(130, -400));
    filledEllipse->SetHollowFill(false);
    filledEllipse->SetFillColor(MakeColorRef(255, 0, 0));
    auto filledLine = AddShape<CLine>(engine, QPoint(200, -300), QPoint(350, -450));
    filledLine->SetHollowFill(false);
    filledLine->SetFillColor(MakeColorRef(255, 0, 0));

    QImage image = WhiteCanvas();
    RenderInto(image, engine);
    EXPECT_EQ(ViewPixel(image, 75, -175), kRed);
    EXPECT_TRUE(NearViewPixel(image, 20, -175, kBlue)); // outline in the line colour
    EXPECT_EQ(ViewPixel(image, 275, -175), kWhite);    // a white fill hides the ground
    EXPECT_EQ(ViewPixel(image, 475, -175), kGreen);    // hollow: the ground shows
    EXPECT_TRUE(NearViewPixel(image, 420, -175, kBlack));
    EXPECT_EQ(ViewPixel(image, 675, -175), kGreen);
    EXPECT_TRUE(NearViewPixel(image, 675, -120, kBlack));
    EXPECT_EQ(ViewPixel(image, 75, -350), kRed);
    EXPECT_EQ(ViewPixel(image, 22, -302), kWhite); // outside the ellipse, inside its box
    EXPECT_EQ(ViewPixel(image, 320, -330), kWhite); // a line is never filled
    EXPECT_TRUE(NearViewPixel(image, 275, -375, kBlack));
}

TEST_F(RenderTest, HandlesShowOnSelectedShapesAndTheGrabbedOneIsFilled)
{
    CDrawingEngine engine;
    auto rect = AddFilled(engine, QPoint(100, -100), QPoint(300, -300), MakeColorRef(255, 0, 0));
    QImage image = WhiteCanvas();
    RenderInto(image, engine);
    EXPECT_EQ(ViewPixel(image, 298, -102), kRed); // unselected: no handle

    rect->SetSelected(true);
    image = WhiteCanvas();
    RenderInto(image, engine);
    for (const QPoint& corner : {QPoint(300, -100), QPoint(300, -300), QPoint(100, -300), QPoint(100, -100)}) {
        SCOPED_TRACE(corner.x() * 1000 + corner.y());
        const QPoint inward(corner.x() == 100 ? 2 : -2, corner.y() == -100 ? -2 : 2);
        EXPECT_EQ(ViewPixel(image, corner.x() + inward.x(), corner.y() + inward.y()), kWhite);
        EXPECT_TRUE(NearViewPixel(image, corner.x() + 2 * inward.x(), corner.y() + 2 * inward.y(), kBlack)); // square edge
        EXPECT_EQ(ViewPixel(image, corner.x() + 3 * inward.x(), corner.y() + 3 * inward.y()), kRed);
    }

    // At 300% the grabbed corner (x2, y1) is a black square, the others not.
    CZoomView view(300);
    engine.SetView(&view);
    ASSERT_TRUE(rect->GrabHandle(QPoint(900, -300)));
    image = WhiteCanvas(1000, 1000);
    RenderInto(image, engine);
    EXPECT_EQ(ViewPixel(image, 898, -302), kBlack);
    EXPECT_EQ(ViewPixel(image, 302, -302), kWhite);

    // At 30% the label -> view -> label round trip is not exact; the grabbed
    // handle is filled all the same.
    view.zoom = 30;
    rect->SetCorners(QPoint(105, -105), QPoint(305, -305));
    rect->SetSelected(false);
    ASSERT_TRUE(rect->GrabHandle(QPoint(32, -32)));
    image = WhiteCanvas(200, 200);
    RenderInto(image, engine);
    EXPECT_EQ(ViewPixel(image, 34, -34), kBlack);
}

TEST_F(RenderTest, DragBoxDrawsLightGreyOnlyForTheRectangle)
{
    CDrawingEngine engine;
    auto box = AddShape(engine, QPoint(100, -100), QPoint(300, -300), 4);
    box->MarkDragBox(true);
    EXPECT_TRUE(box->IsOverlapExempt());
    auto round = AddShape<CRoundedRect>(engine, QPoint(400, -100), QPoint(600, -300), 4);
    round->MarkDragBox(true);
    QImage image = WhiteCanvas();
    RenderInto(image, engine);
    EXPECT_TRUE(NearViewPixel(image, 100, -200, kGrey));
    EXPECT_FALSE(NearViewPixel(image, 100, -200, kBlack));
    EXPECT_EQ(ViewPixel(image, 98, -200), kWhite); // one unit wide, not four
    EXPECT_EQ(ViewPixel(image, 400, -200), kBlack);
}

TEST_F(RenderTest, PenWidthFollowsTheZoomAndNeverVanishes)
{
    struct Case
    {
        int zoom, penWidth, rows;
    };
    for (const Case& c : {Case{100, 4, 4}, Case{50, 4, 2}, Case{300, 1, 3}, Case{10, 1, 1}, Case{100, 0, 1}}) {
        SCOPED_TRACE(c.zoom * 100 + c.penWidth);
        CZoomView view(c.zoom);
        CDrawingEngine engine;
        engine.SetView(&view);
        AddShape<CLine>(engine, QPoint(0, -200), QPoint(800, -200), c.penWidth);
        QImage image = WhiteCanvas(2500, 1000);
        RenderInto(image, engine);
        const int column = engine.ToView(400);
        const int row = -engine.ToView(-200);
        EXPECT_EQ(CountInColumn(image, column, row - 10, row + 10, kBlack), c.rows);
    }
}

TEST_F(RenderTest, PrintingDrawsAtFullSizeWithoutPageOrHandles)
{
    CZoomView view(200);
    CDrawingEngine engine;
    engine.SetView(&view);
    auto rect = AddFilled(engine, QPoint(100, -100), QPoint(200, -200), MakeColorRef(255, 0, 0));
    rect->SetSelected(true);
    QImage image = WhiteCanvas();
    image.fill(kCyan);
    RenderInto(image, engine, true);
    EXPECT_EQ(ViewPixel(image, 150, -150), kRed);
    EXPECT_EQ(ViewPixel(image, 198, -102), kRed); // no handle
    EXPECT_EQ(ViewPixel(image, 300, -300), kCyan); // not doubled, no background
    EXPECT_EQ(image.pixelColor(1, 500), kCyan);     // no page outline
    EXPECT_FALSE(engine.IsPrinting());
    EXPECT_EQ(engine.ZoomPercent(), 200);
}
