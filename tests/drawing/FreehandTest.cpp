// Freehand strokes: the creating gesture, hit tests, grabbing, moves, drag
// box selection, the file form and drawing checked by pixels.
#include "drawing/CDrawingEngine.h"
#include "drawing/CFreehand.h"
#include "support/TempHome.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <sstream>

namespace {

QImage Paint(CPrimitive& primitive)
{
    QImage canvas(200, 200, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.scale(1, -1);
    primitive.Draw(painter);
    return canvas;
}

int DarkPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

} // namespace

TEST(Freehand, PressAndReleaseWithoutMovementGivesAHittableDot)
{
    CTempHome home;
    CDrawingEngine engine;
    CFreehand stroke(4, &engine);
    EXPECT_TRUE(stroke.IsOverlapExempt());
    stroke.BeginCreate(QPoint(100, -100));
    stroke.EndCreate(QPoint(100, -100));
    ASSERT_EQ(stroke.Points().size(), 2u);
    EXPECT_EQ(stroke.Points()[0], stroke.Points()[1]);
    EXPECT_EQ(stroke.GetDescription(), QStringLiteral("Freehand : 2 points"));

    EXPECT_TRUE(stroke.HitTest(QPoint(102, -98)));
    EXPECT_FALSE(stroke.HitTest(QPoint(103, -100)));
    EXPECT_FALSE(stroke.HitTest(QPoint(100, -103)));

    // Drawn as a dot of the pen's width around the point.
    const QImage page = Paint(stroke);
    EXPECT_LT(qGray(page.pixel(100, 100)), 128);
    EXPECT_GT(DarkPixels(page), 4);
    EXPECT_EQ(page.pixel(110, 100), qRgb(255, 255, 255));

    // Without an owner nothing is drawn or hit, and moves add no points.
    CFreehand unowned;
    unowned.BeginCreate(QPoint(1, 1));
    unowned.TrackCreate(QPoint(5, 5));
    unowned.EndCreate(QPoint(5, 5));
    EXPECT_EQ(unowned.Points().size(), 1u);
    EXPECT_FALSE(unowned.HitTest(QPoint(1, 1)));
    EXPECT_EQ(DarkPixels(Paint(unowned)), 0);
}

TEST(Freehand, DrawsItsPolylineAndHandlesWhenSelected)
{
    CTempHome home;
    CDrawingEngine engine;
    CFreehand stroke(1, &engine);
    stroke.BeginCreate(QPoint(20, -20));
    for (int x = 21; x <= 150; ++x)
        stroke.TrackCreate(QPoint(x, -20));
    stroke.EndCreate(QPoint(150, -120));
    EXPECT_EQ(stroke.Points().size(), 132u);

    const QImage plain = Paint(stroke);
    EXPECT_LT(qGray(plain.pixel(80, 20)), 128);
    EXPECT_LT(qGray(plain.pixel(150, 70)), 128);
    EXPECT_EQ(plain.pixel(80, 60), qRgb(255, 255, 255));
    // The line colour is the stroke's own.
    stroke.SetLineColor(MakeColorRef(255, 0, 0));
    const QRgb red = Paint(stroke).pixel(80, 20);
    EXPECT_GT(qRed(red), 200);
    EXPECT_LT(qGreen(red), 60);

    // Selected, every point gets a handle: the end point's square shows
    // beside the vertical last segment.
    stroke.SetSelected(true);
    const QRect besideEnd(143, 113, 5, 15);
    EXPECT_EQ(DarkPixels(plain.copy(besideEnd)), 0);
    EXPECT_GT(DarkPixels(Paint(stroke).copy(besideEnd)), 2);

    EXPECT_TRUE(stroke.HitTest(QPoint(80, -21)));
    EXPECT_TRUE(stroke.HitTest(QPoint(150, -80)));
    EXPECT_FALSE(stroke.HitTest(QPoint(80, -60)));
}

TEST(Freehand, MovesWholeOrByTheGrabbedPoint)
{
    CTempHome home;
    CDrawingEngine engine;
    CFreehand stroke(2, &engine);
    stroke.BeginCreate(QPoint(0, 0));
    for (int i = 1; i < 299; ++i)
        stroke.TrackCreate(QPoint(i, -i % 7));
    stroke.EndCreate(QPoint(299, -5));
    ASSERT_EQ(stroke.Points().size(), 300u);
    const std::vector<QPoint> before = stroke.Points();
    stroke.MoveBy(10, 0);
    for (size_t i = 0; i < before.size(); ++i)
        ASSERT_EQ(stroke.Points()[i], before[i] + QPoint(10, 0)) << i;

    // Three points within the grab tolerance (6 at 100 percent): the last
    // of them is grabbed, and only it moves.
    CFreehand near(2, &engine);
    near.BeginCreate(QPoint(50, -50));
    near.TrackCreate(QPoint(53, -52));
    near.TrackCreate(QPoint(90, -90));
    near.TrackCreate(QPoint(47, -46));
    near.EndCreate(QPoint(200, -200));
    ASSERT_TRUE(near.GrabHandle(QPoint(50, -49)));
    EXPECT_EQ(near.GrabbedPoint(), QPoint(47, -46));
    EXPECT_TRUE(near.IsSelected());
    near.MoveBy(5, -5);
    EXPECT_EQ(near.Points()[3], QPoint(52, -51));
    EXPECT_EQ(near.Points()[0], QPoint(50, -50));
    EXPECT_EQ(near.Points()[1], QPoint(53, -52));
    EXPECT_EQ(near.GrabbedPoint(), QPoint(52, -51));
    near.MoveBy(1, 1);
    EXPECT_EQ(near.Points()[3], QPoint(53, -50));

    // Exactly the tolerance away is not near; an unselectable stroke grabs nothing.
    CFreehand far(2, &engine);
    far.BeginCreate(QPoint(0, 0));
    far.EndCreate(QPoint(100, 0));
    EXPECT_FALSE(far.GrabHandle(QPoint(6, 0)));
    EXPECT_FALSE(far.IsHandleGrabbed());
    far.SetSelectable(false);
    EXPECT_FALSE(far.GrabHandle(QPoint(0, 0)));
}

TEST(Freehand, DragBoxSelection)
{
    CTempHome home;
    CDrawingEngine engine;
    CFreehand single(1, &engine);
    single.BeginCreate(QPoint(500, -500));
    EXPECT_TRUE(single.Intersects(LRect(0, 0, 10, -10)));
    EXPECT_TRUE(single.SelectIfIntersects(LRect(0, 0, 10, -10)));
    CFreehand empty(1, &engine);
    EXPECT_TRUE(empty.Intersects(LRect(0, 0, 1, -1)));

    // All points on one y: still met by a box crossing that y.
    CFreehand flat(1, &engine);
    flat.BeginCreate(QPoint(10, -50));
    flat.TrackCreate(QPoint(40, -50));
    flat.EndCreate(QPoint(80, -50));
    EXPECT_TRUE(flat.Intersects(LRect(0, -40, 100, -60)));
    EXPECT_FALSE(flat.Intersects(LRect(0, -60, 100, -70)));
    EXPECT_FALSE(flat.Intersects(LRect(90, -40, 100, -60)));
    CFreehand vertical(1, &engine);
    vertical.BeginCreate(QPoint(30, 0));
    vertical.EndCreate(QPoint(30, -90));
    EXPECT_TRUE(vertical.Intersects(LRect(0, -40, 100, -60)));

    EXPECT_EQ(flat.GetBounds(), LRect(10, -50, 80, -50));
    EXPECT_EQ(flat.GetTopLeft(), QPoint(10, -50));
    EXPECT_EQ(empty.GetBounds(), LRect(0, 0, 0, 0));
}

TEST(Freehand, PointEditsCopiesAndTheFileForm)
{
    CTempHome home;
    CDrawingEngine engine;
    CFreehand stroke(3, &engine);
    stroke.BeginCreate(QPoint(1, -1));
    stroke.TrackCreate(QPoint(2, -2));
    stroke.EndCreate(QPoint(3, -3));
    stroke.SetPoint(1, 20, -20);
    stroke.SetPoint(3, 99, 99);
    stroke.SetPoint(-1, 99, 99);
    stroke.RemovePoint(5);
    stroke.RemovePoint(-1);
    EXPECT_EQ(stroke.Points(), (std::vector<QPoint>{{1, -1}, {20, -20}, {3, -3}}));

    stroke.SetName(QStringLiteral("scribble"));
    stroke.SetSelectable(false);
    auto copy = std::dynamic_pointer_cast<CFreehand>(stroke.Clone());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Points(), stroke.Points());
    EXPECT_EQ(copy->PenWidth(), 3);
    EXPECT_EQ(copy->GetName(), QStringLiteral("scribble"));
    EXPECT_TRUE(copy->IsSelectable());
    EXPECT_TRUE(copy->IsOverlapExempt());
    copy->MoveBy(1, 1);
    EXPECT_EQ(stroke.Points()[0], QPoint(1, -1));

    pugi::xml_document doc;
    pugi::xml_node engineElement = doc.append_child("DRAWINGENGINE");
    EXPECT_EQ(stroke.Persist(true, engineElement), 1);
    pugi::xml_node element = engineElement.child("PRIMITIVE");
    EXPECT_STREQ(element.child("PRIMTYPE").text().get(), "CFreehand");
    EXPECT_STREQ(element.child("PENWIDTH").text().get(), "3");
    EXPECT_FALSE(element.child("HOLLOWFILL"));
    CFreehand loaded(1, &engine);
    EXPECT_EQ(loaded.Persist(false, element), 1);
    EXPECT_EQ(loaded.Points(), stroke.Points());
    EXPECT_EQ(loaded.PenWidth(), 3);
    EXPECT_EQ(loaded.GetName(), QStringLiteral("scribble"));
    EXPECT_EQ(loaded.Persist(false, pugi::xml_node()), 0);

    // No POINT children: no points, nothing drawn.
    pugi::xml_document bare;
    bare.load_string("<PRIMITIVE><PRIMTYPE>CFreehand</PRIMTYPE><PENWIDTH>2</PENWIDTH></PRIMITIVE>");
    CFreehand none(1, &engine);
    EXPECT_EQ(none.Persist(false, bare.child("PRIMITIVE")), 1);
    EXPECT_TRUE(none.Points().empty());
    EXPECT_EQ(DarkPixels(Paint(none)), 0);

    // Values no label holds are kept within range, so moving and drawing
    // cannot overflow.
    pugi::xml_document wild;
    wild.load_string("<PRIMITIVE><PENWIDTH>99999999</PENWIDTH><POINT><X>2147483647</X><Y>-2147483648</Y></POINT>"
                     "<POINT><X>5</X></POINT></PRIMITIVE>");
    CFreehand clamped(1, &engine);
    EXPECT_EQ(clamped.Persist(false, wild.child("PRIMITIVE")), 1);
    EXPECT_EQ(clamped.PenWidth(), CFreehand::kMaxPenWidth);
    EXPECT_EQ(clamped.Points(), (std::vector<QPoint>{{kMaxLabelCoordinate, -kMaxLabelCoordinate}, {5, 0}}));
    clamped.MoveBy(2000000000, 0);
    EXPECT_EQ(clamped.Points()[1], QPoint(kMaxLabelCoordinate, 0));
    Paint(clamped);
}
