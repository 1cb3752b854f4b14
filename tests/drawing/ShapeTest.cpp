// Selection rules, handles, moves, descriptions and persistence of the
// primitive base and the four shapes.
#include "ShapeTestSupport.h"

#include <pugixml.hpp>

namespace {
pugi::xml_node LoadPrimitive(pugi::xml_document& doc, const char* xml)
{
    EXPECT_TRUE(doc.load_string(xml)) << xml;
    return doc.child("PRIMITIVE");
}
} // namespace

TEST_F(ShapeTest, SelectionRulesRespectSelectableAndGrabbedHandles)
{
    CDrawingEngine engine;
    auto rect = AddShape(engine, QPoint(0, 0), QPoint(100, -100));
    rect->SetSelectable(false);
    rect->SetSelected(true);
    EXPECT_FALSE(rect->IsSelected());
    // A grab can still be set on an unselectable shape by the corner code only
    // when selectable; make it selectable, grab, then make it unselectable.
    rect->SetSelectable(true);
    ASSERT_TRUE(rect->GrabHandle(QPoint(0, 0)));
    EXPECT_TRUE(rect->IsSelected()); // grabbed counts as selected
    EXPECT_TRUE(rect->IsHandleGrabbed());
    rect->SetSelectable(false);
    rect->SetSelected(false); // deselecting ignores the flag and drops the grab
    EXPECT_FALSE(rect->IsHandleGrabbed());
    EXPECT_FALSE(rect->IsSelected());
    EXPECT_FALSE(rect->GrabHandle(QPoint(0, 0))); // unselectable grabs nothing

    rect->SetSelectable(true);
    ASSERT_TRUE(rect->GrabHandle(QPoint(100, -100)));
    rect->SettleSelection();
    EXPECT_FALSE(rect->IsHandleGrabbed());
    EXPECT_TRUE(rect->IsSelected());
}

TEST_F(ShapeTest, CloneKeepsLooksButIsFreshlySelectableMoveableAndUnselected)
{
    CDrawingEngine engine;
    auto ellipse = AddShape<CEllipse>(engine, QPoint(10, -20), QPoint(30, -40), 3);
    ellipse->SetName(QStringLiteral("name"));
    ellipse->SetSegmentName(QStringLiteral("segment"));
    ellipse->SetLineColor(MakeColorRef(1, 2, 3));
    ellipse->SetFillColor(MakeColorRef(4, 5, 6));
    ellipse->SetTextColor(MakeColorRef(7, 8, 9));
    ellipse->SetCreatedFromTemplate(1);
    ellipse->SetHollowFill(false);
    ellipse->SetSelected(true);
    ellipse->SetMoveable(false);
    ellipse->SetSelectable(false);

    const auto copy = std::dynamic_pointer_cast<CEllipse>(ellipse->Clone());
    ASSERT_TRUE(copy);
    EXPECT_STREQ(copy->TypeName(), "CEllipse");
    EXPECT_TRUE(copy->IsSelectable());
    EXPECT_TRUE(copy->IsMoveable());
    EXPECT_FALSE(copy->IsSelected());
    EXPECT_EQ(copy->GetName(), QStringLiteral("name"));
    EXPECT_EQ(copy->GetSegmentName(), QStringLiteral("segment"));
    EXPECT_EQ(copy->LineColor(), MakeColorRef(1, 2, 3));
    EXPECT_EQ(copy->FillColor(), MakeColorRef(4, 5, 6));
    EXPECT_EQ(copy->TextColor(), MakeColorRef(7, 8, 9));
    EXPECT_EQ(copy->CreatedFromTemplate(), 1);
    EXPECT_EQ(copy->GetRect(), LRect(10, -20, 30, -40));
    EXPECT_EQ(copy->PenWidth(), 3);
    EXPECT_FALSE(copy->HollowFill());
    EXPECT_EQ(copy->Owner(), &engine);

    // Every kind clones to its own kind.
    for (const PrimitivePtr& p : {PrimitivePtr(std::make_shared<CRectangle>()), PrimitivePtr(std::make_shared<CRoundedRect>()),
                                  PrimitivePtr(std::make_shared<CLine>())})
        EXPECT_STREQ(p->Clone()->TypeName(), p->TypeName());
}

TEST_F(ShapeTest, HandlesGrabWithinToleranceAndMoveTheirCorner)
{
    CZoomView view(100);
    CDrawingEngine engine;
    engine.SetView(&view);
    auto rect = AddShape(engine, QPoint(0, 0), QPoint(100, -100));

    EXPECT_TRUE(rect->GrabHandle(QPoint(105, 5))); // 5 away: near (x2, y1)
    rect->SetSelected(false);
    EXPECT_FALSE(rect->GrabHandle(QPoint(106, 0))); // 6 away: not near
    ASSERT_TRUE(rect->GrabHandle(QPoint(100, 0)));
    rect->MoveBy(10, 10);
    EXPECT_EQ(rect->GetRect(), LRect(0, 10, 110, -100));
    EXPECT_EQ(rect->GrabbedPoint(), QPoint(110, 10));
    // Dragging across the opposite corner turns the box over.
    rect->MoveBy(-200, -200);
    EXPECT_EQ(rect->GetRect(), LRect(0, -190, -90, -100));

    // Tolerance follows the zoom: at 300% it is 12 label units, and view
    // points are divided by 3 first.
    view.zoom = 300;
    auto other = AddShape(engine, QPoint(300, -300), QPoint(400, -400));
    EXPECT_TRUE(other->GrabHandle(QPoint(3 * 311, 3 * -300)));
    other->SetSelected(false);
    EXPECT_FALSE(other->GrabHandle(QPoint(3 * 312, 3 * -300)));

    // Without a grab, the whole shape moves; a grabbed point that no longer
    // matches a corner moves nothing.
    other->MoveBy(5, 5);
    EXPECT_EQ(other->GetRect(), LRect(305, -295, 405, -395));
    ASSERT_TRUE(other->GrabHandle(QPoint(3 * 305, 3 * -295)));
    other->SetCorners(QPoint(0, 0), QPoint(10, -10));
    other->MoveBy(5, 5);
    EXPECT_EQ(other->GetRect(), LRect(0, 0, 10, -10));
}

TEST_F(ShapeTest, LineHitsOnlyNearItselfAndItsFlatBoxStillIntersects)
{
    CDrawingEngine engine;
    auto line = AddShape<CLine>(engine, QPoint(0, -100), QPoint(200, -100));
    EXPECT_TRUE(line->HitTest(QPoint(50, -98)));
    EXPECT_FALSE(line->HitTest(QPoint(50, -97)));
    EXPECT_TRUE(line->Intersects(LRect(40, -90, 60, -110)));
    EXPECT_FALSE(line->Intersects(LRect(40, -80, 60, -95)));
    auto vertical = AddShape<CLine>(engine, QPoint(300, 0), QPoint(300, -200));
    EXPECT_TRUE(vertical->Intersects(LRect(290, -50, 310, -60)));

    // The same flat box as a rectangle has no area.
    auto flat = AddShape(engine, QPoint(0, -100), QPoint(200, -100));
    EXPECT_FALSE(flat->Intersects(LRect(40, -90, 60, -110)));
    EXPECT_TRUE(flat->HitTest(QPoint(50, -102))); // the box rule's margin

    // Diagonal line: on it, not in its box corner.
    auto diagonal = AddShape<CLine>(engine, QPoint(0, 0), QPoint(100, -100));
    EXPECT_TRUE(diagonal->HitTest(QPoint(50, -50)));
    EXPECT_FALSE(diagonal->HitTest(QPoint(90, -10)));
    // A line grabs all four corners of its box.
    EXPECT_TRUE(diagonal->GrabHandle(QPoint(100, 0)));
    diagonal->MoveBy(0, 20);
    EXPECT_EQ(diagonal->GetRect(), LRect(0, 20, 100, -100));
}

TEST_F(ShapeTest, DescriptionsGiveInchesMeasuredDownFromTheTop)
{
    CDrawingEngine engine;
    auto rect = AddShape(engine, QPoint(100, -100), QPoint(0, 0));
    EXPECT_EQ(rect->GetDescription(), QStringLiteral("Rectangle : (  0.0,  0.0 ) x (  1.0,  1.0 )   w =   1.0 h =   1.0"));
    auto ellipse = AddShape<CEllipse>(engine, QPoint(0, 0), QPoint(1234, -567));
    EXPECT_EQ(ellipse->GetDescription(), QStringLiteral("Ellipse : (  0.0,  0.0 ) x ( 12.3,  5.7 )   w =  12.3 h =   5.7"));
    auto line = AddShape<CLine>(engine, QPoint(200, -300), QPoint(100, -50));
    EXPECT_EQ(line->GetDescription(), QStringLiteral("Line : (  1.0,  0.5 ) x (  2.0,  3.0 )"));
    EXPECT_EQ(line->GetTopLeft(), QPoint(100, -50));
    EXPECT_EQ(line->GetBottomRight(), QPoint(200, -300));
}

TEST_F(ShapeTest, EachShapeSurvivesAFileRoundTrip)
{
    CDrawingEngine engine;
    auto rect = AddShape(engine, QPoint(10, -20), QPoint(110, -220), 3);
    auto round = AddShape<CRoundedRect>(engine, QPoint(-5, 5), QPoint(50, -60), 2);
    auto ellipse = AddShape<CEllipse>(engine, QPoint(0, 0), QPoint(850, -1100), 4);
    auto line = AddShape<CLine>(engine, QPoint(700, -10), QPoint(20, -900), 1);
    rect->SetHollowFill(false);
    rect->SetFillColor(MakeColorRef(10, 200, 30));
    round->SetLineColor(MakeColorRef(255, 128, 0));
    ellipse->SetTextColor(MakeColorRef(0, 0, 255));
    ellipse->SetName(QStringLiteral(" spaced <name> & \"quotes\" "));
    line->SetSegmentName(QStringLiteral("Größe"));
    line->SetSelectable(false);
    line->SetMoveable(false);
    rect->SetCreatedFromTemplate(1);

    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("COVERMINTLABEL");
    engine.Persist(true, root);
    const QString path = home.FilePath(QStringLiteral("shapes.cla"));
    ASSERT_TRUE(doc.save_file(path.toUtf8().constData()));
    EXPECT_STREQ(root.child("DRAWINGENGINE").child("PRIMITIVE").child_value("PRIMTYPE"), "CRectangle");

    pugi::xml_document reread;
    ASSERT_TRUE(reread.load_file(path.toUtf8().constData()));
    CDrawingEngine loaded;
    loaded.Persist(false, reread.child("COVERMINTLABEL"));
    ASSERT_EQ(loaded.Primitives().size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& before = static_cast<const CRectangle&>(*engine.Primitives()[i]);
        const auto* after = dynamic_cast<const CRectangle*>(loaded.Primitives()[i].get());
        ASSERT_TRUE(after);
        SCOPED_TRACE(before.TypeName());
        EXPECT_STREQ(after->TypeName(), before.TypeName());
        EXPECT_EQ(after->GetRect(), before.GetRect());
        EXPECT_EQ(after->PenWidth(), before.PenWidth());
        EXPECT_EQ(after->HollowFill(), before.HollowFill());
        EXPECT_EQ(after->LineColor(), before.LineColor());
        EXPECT_EQ(after->FillColor(), before.FillColor());
        EXPECT_EQ(after->TextColor(), before.TextColor());
        EXPECT_EQ(after->GetName(), before.GetName());
        EXPECT_EQ(after->GetSegmentName(), before.GetSegmentName());
        EXPECT_EQ(after->IsSelectable(), before.IsSelectable());
        EXPECT_EQ(after->IsMoveable(), before.IsMoveable());
        EXPECT_EQ(after->CreatedFromTemplate(), before.CreatedFromTemplate());
        EXPECT_EQ(after->Owner(), &loaded);
    }
}

TEST_F(ShapeTest, LoadingKeepsDefaultsForMissingValuesAndUsesTheFirstTwoPoints)
{
    CDrawingEngine engine;
    pugi::xml_document doc;
    CLine line(7, &engine);
    line.SetLineColor(MakeColorRef(9, 9, 9));
    line.SetSelectable(true);
    const pugi::xml_node element = LoadPrimitive(doc, R"(<PRIMITIVE>
        <PRIMTYPE>CLine</PRIMTYPE>
        <FGCOLORR>200</FGCOLORR><FGCOLORG>100</FGCOLORG>
        <BGCOLORR>1</BGCOLORR><BGCOLORG>2</BGCOLORG><BGCOLORB>259</BGCOLORB>
        <ISSELECTABLE>0</ISSELECTABLE>
        <PENWIDTH></PENWIDTH>
        <POINT><X>1</X><Y>-2</Y></POINT>
        <POINT><X>30</X><Y>-40</Y></POINT>
        <POINT><X>500</X><Y>-600</Y></POINT>
    </PRIMITIVE>)");
    EXPECT_EQ(line.Persist(false, element), 1);
    EXPECT_EQ(line.GetRect(), LRect(1, -2, 30, -40));
    EXPECT_EQ(line.LineColor(), MakeColorRef(9, 9, 9)); // no FGCOLORB: unchanged
    EXPECT_EQ(line.FillColor(), MakeColorRef(1, 2, 3)); // masked to 8 bits
    EXPECT_EQ(line.PenWidth(), 7);                       // empty: unchanged
    EXPECT_FALSE(line.IsSelectable());
    EXPECT_TRUE(line.IsMoveable()); // no ISMOVEABLE: stays moveable
    EXPECT_EQ(line.Persist(false, pugi::xml_node()), 0);
    EXPECT_EQ(line.Persist(true, pugi::xml_node()), 0);
}

TEST_F(ShapeTest, HostileValuesAreClampedNotTrusted)
{
    CDrawingEngine engine;
    pugi::xml_document doc;
    CRectangle rect(1, &engine);
    const pugi::xml_node element = LoadPrimitive(doc, R"(<PRIMITIVE>
        <PRIMTYPE>CRectangle</PRIMTYPE>
        <PENWIDTH>-5</PENWIDTH>
        <HOLLOWFILL>77</HOLLOWFILL>
        <ISMOVEABLE>abc</ISMOVEABLE>
        <POINT><X>99999999999999999999</X><Y>-2147483648</Y></POINT>
        <POINT><X>12abc</X><Y>nonsense</Y></POINT>
    </PRIMITIVE>)");
    EXPECT_EQ(rect.Persist(false, element), 1);
    EXPECT_EQ(rect.PenWidth(), 0);
    EXPECT_TRUE(rect.HollowFill());
    EXPECT_FALSE(rect.IsMoveable());
    const LRect r = rect.GetRect();
    EXPECT_LE(std::abs(r.left), kMaxLabelCoordinate);
    EXPECT_EQ(r.top, -kMaxLabelCoordinate);
    EXPECT_EQ(r.right, 12);
    EXPECT_EQ(r.bottom, 0);
    // Moving an extreme shape further stays in range.
    rect.MoveBy(INT_MAX, INT_MIN);
    EXPECT_EQ(rect.GetRect().top, -kMaxLabelCoordinate);
}
