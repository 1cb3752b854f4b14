// The engine as a set: stacking, selection, the clipboard, attributes of the
// selection, zoom conversion, fonts and loading.
#include "ShapeTestSupport.h"

#include "document/CPreferences.h"
#include "drawing/CFreehand.h"
#include "drawing/CTextPrimitive.h"
#include "drawing/DrawingDefaults.h"
#include "drawing/PensAndFonts.h"

#include <pugixml.hpp>

namespace {
// Names of the primitives bottom to top, e.g. "ADBC".
std::string Order(const CDrawingEngine& engine)
{
    std::string s;
    for (const PrimitivePtr& p : engine.Primitives())
        s += p->GetName().toStdString();
    return s;
}

class EngineTest : public ShapeTest
{
protected:
    // A, B, C, D side by side, each 100 wide.
    void AddFour(CDrawingEngine& engine)
    {
        for (int i = 0; i < 4; ++i)
            AddShape(engine, QPoint(i * 200, 0), QPoint(i * 200 + 100, -100))->SetName(QString(QChar('A' + i)));
    }
    void Select(CDrawingEngine& engine, const std::string& names)
    {
        engine.DeselectAll();
        for (const PrimitivePtr& p : engine.Primitives())
            if (names.find(p->GetName().toStdString()) != std::string::npos)
                p->SetSelected(true);
    }
    std::string Restacked(const std::string& selected, RestackKind kind)
    {
        CDrawingEngine engine;
        AddFour(engine);
        Select(engine, selected);
        engine.Restack(kind);
        return Order(engine);
    }
};
} // namespace

TEST_F(EngineTest, RestackMovesRunsOfSelectedPrimitives)
{
    EXPECT_EQ(Restacked("BC", RestackKind::Raise), "ADBC");
    EXPECT_EQ(Restacked("BC", RestackKind::Lower), "BCAD");
    EXPECT_EQ(Restacked("BC", RestackKind::MoveToTop), "ADBC");
    EXPECT_EQ(Restacked("BC", RestackKind::MoveToBottom), "BCAD");
    EXPECT_EQ(Restacked("AC", RestackKind::Raise), "BADC");
    EXPECT_EQ(Restacked("AC", RestackKind::Lower), "ACBD");
    EXPECT_EQ(Restacked("AC", RestackKind::MoveToTop), "BDAC");
    EXPECT_EQ(Restacked("BD", RestackKind::MoveToBottom), "BDAC");
    EXPECT_EQ(Restacked("D", RestackKind::Raise), "ABCD");
    EXPECT_EQ(Restacked("A", RestackKind::Lower), "ABCD");

    CDrawingEngine engine;
    AddFour(engine);
    EXPECT_FALSE(engine.CanRestack());
    EXPECT_FALSE(engine.FirstSelected());
    Select(engine, "CB");
    EXPECT_TRUE(engine.CanRestack());
    EXPECT_EQ(engine.FirstSelected()->GetName(), QStringLiteral("B")); // the lowest
    engine.SelectAll();
    EXPECT_FALSE(engine.CanRestack());
}

TEST_F(EngineTest, SelectAtHonoursStackingHandlesAndShift)
{
    CDrawingEngine engine;
    auto below = AddShape(engine, QPoint(0, 0), QPoint(200, -200));
    auto above = AddShape(engine, QPoint(100, -100), QPoint(300, -300));
    auto apart = AddShape(engine, QPoint(500, -500), QPoint(600, -600));

    engine.SelectAt(QPoint(150, -150), false); // both hit: the top wins
    EXPECT_TRUE(above->IsSelected());
    EXPECT_FALSE(below->IsSelected());

    engine.SelectAt(QPoint(550, -550), true); // Shift adds
    EXPECT_TRUE(above->IsSelected());
    EXPECT_TRUE(apart->IsSelected());

    engine.SelectAt(QPoint(250, -250), false); // a selected one keeps the selection
    EXPECT_TRUE(above->IsSelected());
    EXPECT_TRUE(apart->IsSelected());

    engine.SelectAt(QPoint(800, -800), true); // Shift on empty space: unchanged
    EXPECT_TRUE(above->IsSelected());
    EXPECT_TRUE(apart->IsSelected());

    engine.SelectAt(QPoint(550, -550), true); // Shift on a selected one drops only it
    EXPECT_TRUE(above->IsSelected());
    EXPECT_FALSE(apart->IsSelected());

    engine.SelectAt(QPoint(50, -50), false); // an unselected one replaces the selection
    EXPECT_TRUE(below->IsSelected());
    EXPECT_FALSE(above->IsSelected());

    // A corner of the lower shape grabs it, even when not selected before.
    engine.SelectAt(QPoint(601, -599), false);
    EXPECT_TRUE(apart->IsHandleGrabbed());
    EXPECT_FALSE(below->IsSelected());

    engine.SelectAt(QPoint(800, -800), false); // empty space clears
    EXPECT_FALSE(engine.FirstSelected());
}

TEST_F(EngineTest, AnUnselectableShapeOnTopBlocksTheClick)
{
    CDrawingEngine engine;
    auto below = AddShape(engine, QPoint(0, 0), QPoint(200, -200));
    auto cover = AddShape(engine, QPoint(50, -50), QPoint(150, -150));
    cover->SetSelectable(false);
    below->SetSelected(true);
    engine.SelectAt(QPoint(100, -100), false);
    EXPECT_FALSE(engine.FirstSelected());

    engine.SetSelectable(true); // makes selectable, selects nothing
    EXPECT_TRUE(cover->IsSelectable());
    EXPECT_FALSE(engine.FirstSelected());

    below->SetSelected(true);
    engine.SetSelectable(false); // the selected one becomes unselectable and all are deselected
    EXPECT_FALSE(below->IsSelectable());
    EXPECT_TRUE(cover->IsSelectable());
    EXPECT_FALSE(engine.FirstSelected());
    engine.SelectAll();
    EXPECT_FALSE(below->IsSelected());
    EXPECT_TRUE(cover->IsSelected());
}

TEST_F(EngineTest, SelectInRectReplacesOrAddsAndCatchesFlatLines)
{
    CDrawingEngine engine;
    auto left = AddShape(engine, QPoint(0, 0), QPoint(100, -100));
    auto line = AddShape<CLine>(engine, QPoint(300, -50), QPoint(500, -50));
    left->SetSelected(true);
    engine.SelectInRect(LRect(350, 0, 400, -100), false);
    EXPECT_FALSE(left->IsSelected());
    EXPECT_TRUE(line->IsSelected());
    left->SetSelected(true);
    line->SetSelected(false);
    engine.SelectInRect(LRect(350, 0, 400, -100), true);
    EXPECT_TRUE(left->IsSelected());
    EXPECT_TRUE(line->IsSelected());
}

TEST_F(EngineTest, MoveSelectedSkipsUnmoveableAndReshapesGrabbed)
{
    CDrawingEngine engine;
    auto fixed = AddShape(engine, QPoint(0, 0), QPoint(100, -100));
    auto free = AddShape(engine, QPoint(200, 0), QPoint(300, -100));
    auto grabbed = AddShape(engine, QPoint(400, 0), QPoint(500, -100));
    fixed->SetMoveable(false);
    engine.SelectAll();
    ASSERT_TRUE(grabbed->GrabHandle(QPoint(500, -100)));
    engine.MoveSelected(10, -20);
    EXPECT_EQ(fixed->GetRect(), LRect(0, 0, 100, -100));
    EXPECT_EQ(free->GetRect(), LRect(210, -20, 310, -120));
    EXPECT_EQ(grabbed->GetRect(), LRect(400, 0, 510, -120));
}

TEST_F(EngineTest, PasteOffsetsEachCopyAndSelectsOnlyTheLatest)
{
    CDrawingEngine engine;
    auto rect = AddShape(engine, QPoint(0, 0), QPoint(100, -100));
    EXPECT_FALSE(!PrimitiveClipboard::IsEmpty());
    engine.Paste(); // nothing to paste
    EXPECT_EQ(engine.Primitives().size(), 1u);

    rect->SetSelected(true);
    engine.Copy();
    ASSERT_TRUE(!PrimitiveClipboard::IsEmpty());
    engine.Paste();
    engine.Paste();
    ASSERT_EQ(engine.Primitives().size(), 3u);
    const auto first = std::static_pointer_cast<CRectangle>(engine.Primitives()[1]);
    const auto second = std::static_pointer_cast<CRectangle>(engine.Primitives()[2]);
    EXPECT_EQ(first->GetRect(), LRect(5, -5, 105, -105));
    EXPECT_EQ(second->GetRect(), LRect(5, -5, 105, -105));
    EXPECT_FALSE(rect->IsSelected());
    EXPECT_FALSE(first->IsSelected());
    EXPECT_TRUE(second->IsSelected());
    EXPECT_EQ(second->Owner(), &engine);

    // Copy and Cut with nothing selected empty the clipboard.
    engine.DeselectAll();
    engine.Cut();
    EXPECT_FALSE(!PrimitiveClipboard::IsEmpty());
    EXPECT_EQ(engine.Primitives().size(), 3u);
}

TEST_F(EngineTest, CutAndPasteCarryPrimitivesToAnotherLabelInOrder)
{
    auto source = std::make_unique<CDrawingEngine>();
    CDrawingEngine target;
    auto keep = AddShape(*source, QPoint(0, 0), QPoint(10, -10));
    auto lower = AddShape<CEllipse>(*source, QPoint(100, -100), QPoint(200, -200));
    auto upper = AddShape<CLine>(*source, QPoint(300, -300), QPoint(400, -400));
    lower->SetSelected(true);
    upper->SetSelected(true);
    source->Cut();
    ASSERT_EQ(source->Primitives().size(), 1u);
    EXPECT_EQ(source->Primitives()[0], keep);
    source.reset(); // the source label is closed before pasting

    target.Paste();
    ASSERT_EQ(target.Primitives().size(), 2u);
    EXPECT_STREQ(target.Primitives()[0]->TypeName(), "CEllipse");
    EXPECT_STREQ(target.Primitives()[1]->TypeName(), "CLine");
    EXPECT_EQ(std::static_pointer_cast<CRectangle>(target.Primitives()[0])->GetRect(), LRect(105, -105, 205, -205));
    EXPECT_EQ(std::static_pointer_cast<CRectangle>(target.Primitives()[1])->GetRect(), LRect(305, -305, 405, -405));
    for (const PrimitivePtr& p : target.Primitives())
        EXPECT_EQ(p->Owner(), &target);
}

TEST_F(EngineTest, SelectionAttributesReachOnlyTheKindsThatHaveThem)
{
    CDrawingEngine engine;
    auto rect = AddShape(engine, QPoint(0, 0), QPoint(100, -100), 1);
    auto line = AddShape<CLine>(engine, QPoint(0, 0), QPoint(100, -100), 1);
    auto stroke = std::make_shared<CFreehand>(1, &engine);
    engine.Append(stroke);
    auto text = std::make_shared<CTextPrimitive>(&engine);
    engine.Append(text);
    auto unselected = AddShape(engine, QPoint(0, 0), QPoint(100, -100), 1);
    rect->SetSelected(true);
    line->SetSelected(true);
    stroke->SetSelected(true);
    text->SetSelected(true);

    engine.SetSelectedPenWidth(4);
    EXPECT_EQ(rect->PenWidth(), 4);
    EXPECT_EQ(line->PenWidth(), 4);
    EXPECT_EQ(stroke->PenWidth(), 4);
    EXPECT_EQ(unselected->PenWidth(), 1);

    engine.SetSelectedHollowFill(false);
    EXPECT_FALSE(rect->HollowFill());
    EXPECT_TRUE(unselected->HollowFill());

    engine.SetSelectedLineColour(MakeColorRef(2, 2, 2));
    EXPECT_EQ(text->LineColor(), MakeColorRef(2, 2, 2));
    EXPECT_EQ(unselected->LineColor(), MakeColorRef(0, 0, 0));

    FontSpec font{QStringLiteral("Liberation Sans"), 90, FontSpec::Bold, FontSpec::JustifyCenter, 20.0};
    CDrawingDefaults::Instance().SetFont(font);
    engine.ApplyCurrentFont();
    EXPECT_EQ(text->Font(), font);
    EXPECT_EQ(CPreferences::Instance().Font(), font); // written back
}

TEST_F(EngineTest, SetTextByNameMatchesTheExactName)
{
    CDrawingEngine engine;
    auto title = std::make_shared<CTextPrimitive>(&engine);
    title->SetName(QStringLiteral("Label Name"));
    title->SetText(QStringLiteral("old"));
    auto other = std::make_shared<CTextPrimitive>(&engine);
    other->SetName(QStringLiteral("label name"));
    other->SetText(QStringLiteral("old"));
    engine.Append(title);
    engine.Append(other);
    AddShape(engine, QPoint(0, 0), QPoint(1, -1))->SetName(QStringLiteral("Label Name"));
    engine.SetTextByName(QStringLiteral("Label Name"), QStringLiteral("new"));
    EXPECT_EQ(title->Text(), QStringLiteral("new"));
    EXPECT_EQ(other->Text(), QStringLiteral("old"));
}

TEST_F(EngineTest, ZoomConversionRoundsHalfAwayFromZero)
{
    CZoomView view(200);
    CDrawingEngine engine;
    EXPECT_EQ(engine.ZoomPercent(), 100); // no view yet
    engine.SetView(&view);
    EXPECT_EQ(engine.ToLabel(1), 1);   // 0.5 -> 1
    EXPECT_EQ(engine.ToLabel(-1), -1); // -0.5 -> -1
    EXPECT_EQ(engine.ToView(QPoint(3, -3)), QPoint(6, -6));
    view.zoom = 50;
    EXPECT_EQ(engine.ToView(3), 2); // 1.5 -> 2
    EXPECT_EQ(engine.ToView(-3), -2);
    view.zoom = 30;
    // 30 x 0.01 in single precision lies just below 0.3, so 5 -> 1.4999999.
    EXPECT_EQ(engine.ToView(5), 1);
    EXPECT_EQ(engine.ToView(-5), -1);
    EXPECT_EQ(engine.ToLabel(10), 33); // 33.3
    EXPECT_DOUBLE_EQ(engine.ToViewD(5), 1.5);
    EXPECT_EQ(engine.GrabTolerance(), 6);
    view.zoom = 250;
    EXPECT_EQ(engine.GrabTolerance(), 10);
}

TEST_F(EngineTest, FontsArePixelSizedFromPointsWithTheStyleBits)
{
    CZoomView view(50);
    CDrawingEngine engine;
    engine.SetView(&view);
    const FontSpec fontSpec{QStringLiteral("Liberation Serif"), 0,
                        FontSpec::Bold | FontSpec::Italic | FontSpec::Underline | FontSpec::StrikeOut, FontSpec::JustifyLeft,
                        12.0};
    const QFont unscaled = UnscaledFont(fontSpec);
    EXPECT_EQ(unscaled.pixelSize(), 16); // trunc(12 / 72 * 100)
    EXPECT_EQ(unscaled.family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(unscaled.weight(), QFont::Bold);
    EXPECT_TRUE(unscaled.italic());
    EXPECT_TRUE(unscaled.underline());
    EXPECT_TRUE(unscaled.strikeOut());
    EXPECT_EQ(ScaledFont(fontSpec, engine.Zoom()).pixelSize(), 8);

    FontSpec plain;
    plain.pointSize = -5; // nonsense sizes give the smallest font
    EXPECT_EQ(ScaledFont(plain, engine.Zoom()).pixelSize(), 1);
}

TEST_F(EngineTest, LoadingSkipsUnknownTypesAndKeepsFileOrder)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(R"(<COVERMINTLABEL><DRAWINGENGINE>
        <PRIMITIVE><PRIMTYPE>CRectangle</PRIMTYPE><POINT><X>0</X><Y>0</Y></POINT><POINT><X>100</X><Y>-100</Y></POINT></PRIMITIVE>
        <PRIMITIVE><PRIMTYPE>CTriangle</PRIMTYPE></PRIMITIVE>
        <PRIMITIVE><PRIMTYPE></PRIMTYPE></PRIMITIVE>
        <PRIMITIVE/>
        <PRIMITIVE><PRIMTYPE>crectangle</PRIMTYPE></PRIMITIVE>
        <PRIMITIVE><PRIMTYPE>CTextPrimitive</PRIMTYPE></PRIMITIVE>
        <PRIMITIVE><PRIMTYPE>CEllipse</PRIMTYPE><PENWIDTH>3</PENWIDTH></PRIMITIVE>
        <NOTAPRIMITIVE><PRIMTYPE>CLine</PRIMTYPE></NOTAPRIMITIVE>
    </DRAWINGENGINE></COVERMINTLABEL>)"));
    CDrawingEngine engine;
    engine.Persist(false, doc.child("COVERMINTLABEL"));
    ASSERT_EQ(engine.Primitives().size(), 3u);
    EXPECT_STREQ(engine.Primitives()[0]->TypeName(), "CRectangle");
    EXPECT_STREQ(engine.Primitives()[1]->TypeName(), "CTextPrimitive"); // on top of the rectangle
    EXPECT_STREQ(engine.Primitives()[2]->TypeName(), "CEllipse");
    EXPECT_EQ(std::static_pointer_cast<CRectangle>(engine.Primitives()[2])->PenWidth(), 3);
    EXPECT_EQ(std::static_pointer_cast<CRectangle>(engine.Primitives()[0])->PenWidth(), 1);

    // No DRAWINGENGINE, or no root at all: nothing, and no crash.
    pugi::xml_document empty;
    engine.Persist(false, empty.append_child("COVERMINTLABEL"));
    engine.Persist(false, pugi::xml_node());
    EXPECT_EQ(engine.Primitives().size(), 3u);

    EXPECT_STREQ(engine.CreateByType(QStringLiteral("CRoundedRect"))->TypeName(), "CRoundedRect");
    EXPECT_STREQ(engine.CreateByType(QStringLiteral("CLine"))->TypeName(), "CLine");
    EXPECT_STREQ(engine.CreateByType(QStringLiteral("CFreehand"))->TypeName(), "CFreehand");
    EXPECT_STREQ(engine.CreateByType(QStringLiteral("CImagePrimitive"))->TypeName(), "CImagePrimitive");
    EXPECT_FALSE(engine.CreateByType(QStringLiteral("CPrimitive")));
}
