// Mouse and key gestures on a real view: selection rules, drag selection,
// drawing tools, moves at zoom, undo records and input out of order.
#include "ViewFixture.h"

#include "drawing/CFreehand.h"
#include "drawing/CTextPrimitive.h"
#include "toolkit/CommandIds.h"

#include <QScrollBar>
#include <QSignalSpy>

TEST_F(ViewTest, PressOnSelectedKeepsSelectionAndShiftToggles)
{
    auto a = AddRect({100, -100}, {200, -200});
    auto b = AddRect({300, -100}, {400, -200});
    auto c = AddRect({500, -100}, {600, -200});
    a->SetSelected(true);
    b->SetSelected(true);

    // Pressing on one of two selected primitives keeps both and drags both.
    Drag({150, -150}, {170, -150});
    EXPECT_TRUE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_EQ(Corner1(*a).x(), 120);
    EXPECT_EQ(Corner1(*b).x(), 320);
    EXPECT_EQ(Corner1(*c).x(), 500);

    // Pressing an unselected one selects only it.
    Press({550, -150});
    Release({550, -150});
    EXPECT_FALSE(a->IsSelected());
    EXPECT_FALSE(b->IsSelected());
    EXPECT_TRUE(c->IsSelected());

    // Shift adds, Shift on a selected one removes only that one.
    Press({350, -150}, Qt::ShiftModifier);
    Release({350, -150}, Qt::ShiftModifier);
    EXPECT_TRUE(b->IsSelected());
    EXPECT_TRUE(c->IsSelected());
    Press({550, -150}, Qt::ShiftModifier);
    Release({550, -150}, Qt::ShiftModifier);
    EXPECT_TRUE(b->IsSelected());
    EXPECT_FALSE(c->IsSelected());

    // Shift on empty paper keeps the selection; a plain press there clears it.
    Press({650, -450}, Qt::ShiftModifier);
    Release({650, -450}, Qt::ShiftModifier);
    EXPECT_TRUE(b->IsSelected());
    Press({650, -450});
    Release({650, -450});
    EXPECT_FALSE(Engine().FirstSelected());
}

TEST_F(ViewTest, DragSelectionReplacesOrAddsAndReturnsToSelection)
{
    auto a = AddRect({100, -100}, {200, -200});
    auto b = AddRect({400, -100}, {500, -200});
    b->SetSelected(true);
    const size_t count = Engine().Primitives().size();

    CCovermintView::SelectTool(CommandId::ToolDragSelection);
    EXPECT_TRUE(CCovermintView::IsToolChecked(CommandId::ToolDragSelection));
    Press({50, -50});
    MoveTo({150, -150});
    // While the box is drawn the tool reads Rectangle and the box is on top.
    EXPECT_TRUE(CCovermintView::IsToolChecked(CommandId::ToolRectangle));
    EXPECT_EQ(Engine().Primitives().size(), count + 1);
    Release({250, -250});
    EXPECT_TRUE(a->IsSelected());
    EXPECT_FALSE(b->IsSelected()) << "without Shift the box replaces the selection";
    EXPECT_EQ(Engine().Primitives().size(), count) << "the drag box is gone";
    EXPECT_TRUE(CCovermintView::IsToolChecked(CommandId::ToolSelection));
    EXPECT_EQ(CDrawingDefaults::Instance().dragBoxMode, DragBoxMode::None);

    // With Shift held at release the box adds to the selection.
    CCovermintView::SelectTool(CommandId::ToolDragSelection);
    Drag({350, -50}, {550, -250}, Qt::ShiftModifier);
    EXPECT_TRUE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_EQ(UndoCount(), 0);
}

TEST_F(ViewTest, DrawingToolCreatesOnePrimitiveAndFallsBackToSelection)
{
    QSignalSpy toolSpy(view.get(), &CCovermintView::toolChanged);
    CCovermintView::SelectTool(CommandId::ToolRectangle);
    Drag({100, -100}, {300, -200});
    ASSERT_EQ(Engine().Primitives().size(), 1u);
    auto* rect = dynamic_cast<CRectangle*>(Engine().Primitives()[0].get());
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->GetRect(), LRect(100, -100, 300, -200));
    EXPECT_TRUE(rect->IsSelected());
    EXPECT_EQ(rect->PenWidth(), CDrawingDefaults::Instance().PenWidth());
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(CCovermintView::IsToolChecked(CommandId::ToolSelection));
    EXPECT_EQ(toolSpy.count(), 1);

    // The second drag selects and moves instead of drawing again.
    Drag({200, -150}, {210, -150});
    EXPECT_EQ(Engine().Primitives().size(), 1u);
    EXPECT_EQ(rect->GetRect(), LRect(110, -100, 310, -200));

    // Each tool makes its own class; the text tool places "<New Text>".
    const struct { int id; const char* type; } tools[] = {
        {CommandId::ToolLine, "CLine"}, {CommandId::ToolEllipse, "CEllipse"},
        {CommandId::ToolRoundedRectangle, "CRoundedRect"}, {CommandId::ToolFreehand, "CFreehand"},
        {CommandId::ToolText, "CTextPrimitive"}, {CommandId::ToolDirectorySegment, "CDirectorySegment"}};
    for (const auto& tool : tools) {
        CCovermintView::SelectTool(tool.id);
        Drag({400, -400}, {500, -450});
        EXPECT_STREQ(Engine().Primitives().back()->TypeName(), tool.type);
    }
    auto* text = dynamic_cast<CTextPrimitive*>(Engine().Primitives().end()[-2].get());
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Text(), QStringLiteral("<New Text>"));
    EXPECT_EQ(Engine().Primitives().size(), 7u);
    EXPECT_EQ(UndoCount(), 8) << "each of the seven drawings and the move is a step";
    EXPECT_TRUE(view->IsCommandEnabled(CommandId::ToolDirectorySegment));
}

TEST_F(ViewTest, UnmoveablePrimitiveStaysPutForDragsAndArrows)
{
    auto a = AddRect({100, -100}, {200, -200});
    auto b = AddRect({300, -100}, {400, -200});
    a->SetSelected(true);
    b->SetSelected(true);
    b->SetMoveable(false);
    Drag({150, -150}, {180, -150});
    QTest::keyClick(Port(), Qt::Key_Down);
    EXPECT_EQ(Corner1(*a), QPoint(130, -101));
    EXPECT_EQ(Corner1(*b), QPoint(300, -100));

    // With only unmoveable primitives selected nothing is recorded.
    a->SetSelected(false);
    const int before = UndoCount();
    QTest::keyClick(Port(), Qt::Key_Right);
    Drag({350, -150}, {390, -150});
    EXPECT_EQ(Corner1(*b), QPoint(300, -100));
    EXPECT_EQ(UndoCount(), before);
}

TEST_F(ViewTest, ZoomLadderCommandsAndHalfUnitMoveAt200)
{
    EXPECT_EQ(view->ZoomPercent(), 100);
    view->OnCommand(CommandId::Zoom300);
    view->OnCommand(CommandId::ZoomIn);
    EXPECT_EQ(view->ZoomPercent(), 300);
    const int range300 = view->verticalScrollBar()->maximum();
    view->OnCommand(CommandId::Zoom10);
    view->OnCommand(CommandId::ZoomOut);
    EXPECT_EQ(view->ZoomPercent(), 10);
    EXPECT_LT(view->verticalScrollBar()->maximum(), range300);
    view->SetZoom(75);
    view->OnCommand(CommandId::ZoomOut);
    EXPECT_EQ(view->ZoomPercent(), 100) << "off the ladder steps to 100";
    view->OnCommand(CommandId::ZoomIn);
    EXPECT_EQ(view->ZoomPercent(), 150);

    // At 200% one pixel is half a label unit, rounded away from zero to 1.
    view->SetZoom(200);
    auto rect = AddRect({100, -100}, {200, -200});
    rect->SetSelected(true);
    const QPoint start = Px({150, -150});
    QTest::mousePress(Port(), Qt::LeftButton, {}, start);
    QTest::mouseMove(Port(), start + QPoint(1, 0));
    QTest::mouseRelease(Port(), Qt::LeftButton, {}, start + QPoint(1, 0));
    EXPECT_EQ(Corner1(*rect), QPoint(101, -100));
    // Arrow keys move label units whatever the zoom.
    QTest::keyClick(Port(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(Corner1(*rect), QPoint(81, -100));
}

TEST_F(ViewTest, GesturesLeaveUndoRecords)
{
    auto rect = AddRect({100, -100}, {200, -200});
    // A drag that ends where it started records nothing.
    Press({150, -150});
    Release({150, -150});
    EXPECT_EQ(UndoCount(), 0);

    Drag({150, -150}, {190, -130});
    EXPECT_EQ(UndoCount(), 1);
    EXPECT_EQ(Corner1(*rect), QPoint(140, -80));
    doc->CommandProcessor().Undo();
    EXPECT_EQ(Corner1(*rect), QPoint(100, -100));
    doc->CommandProcessor().Redo();

    // A handle drag reshapes and records one reshape.
    Drag({240, -180}, {300, -220});
    EXPECT_EQ(UndoCount(), 2);
    EXPECT_EQ(rect->GetRect(), LRect(140, -80, 300, -220));
    doc->CommandProcessor().Undo();
    EXPECT_EQ(rect->GetRect(), LRect(140, -80, 240, -180));
}

TEST_F(ViewTest, ArrowAndDeleteKeys)
{
    auto rect = AddRect({100, -100}, {200, -200});
    // Nothing selected: no step recorded, nothing deleted.
    QTest::keyClick(Port(), Qt::Key_Up);
    QTest::keyClick(Port(), Qt::Key_Delete);
    EXPECT_EQ(UndoCount(), 0);
    EXPECT_EQ(Engine().Primitives().size(), 1u);

    rect->SetSelected(true);
    QTest::keyClick(Port(), Qt::Key_Up);
    EXPECT_EQ(Corner1(*rect), QPoint(100, -99));
    QTest::keyClick(Port(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Corner1(*rect), QPoint(100, -119));
    QTest::keyClick(Port(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(Port(), Qt::Key_Left);
    EXPECT_EQ(Corner1(*rect), QPoint(119, -119));
    EXPECT_EQ(UndoCount(), 4) << "each key press is one step";

    QTest::keyClick(Port(), Qt::Key_Delete);
    EXPECT_TRUE(Engine().Primitives().empty());
    EXPECT_EQ(UndoCount(), 5);
    doc->CommandProcessor().Undo();
    EXPECT_EQ(Engine().Primitives().size(), 1u);
}

TEST_F(ViewTest, InputOutOfOrderIsHarmless)
{
    auto rect = AddRect({100, -100}, {200, -200});
    // Release and moves without a press do nothing.
    Release({150, -150});
    MoveTo({300, -300});
    EXPECT_FALSE(rect->IsSelected());
    EXPECT_EQ(UndoCount(), 0);

    // A second press before the release ends the first drag properly.
    Press({150, -150});
    MoveTo({170, -150});
    // Keys during the drag wait for its end.
    QTest::keyClick(Port(), Qt::Key_Delete);
    QTest::keyClick(Port(), Qt::Key_Up);
    EXPECT_EQ(Engine().Primitives().size(), 1u);
    Press({170, -150});
    EXPECT_EQ(UndoCount(), 1);
    MoveTo({180, -150});
    Release({180, -150});
    EXPECT_EQ(UndoCount(), 2);
    EXPECT_EQ(Corner1(*rect), QPoint(130, -100));

    // A press during a drawing gesture finishes the drawn primitive first.
    CCovermintView::SelectTool(CommandId::ToolEllipse);
    Press({400, -400});
    MoveTo({450, -450});
    Press({460, -460});
    Release({460, -460});
    EXPECT_EQ(Engine().Primitives().size(), 2u);
    EXPECT_TRUE(CCovermintView::IsToolChecked(CommandId::ToolSelection));

    // A right click during a drag does not open a menu or disturb the drag.
    Press({150, -150});
    QTest::mousePress(Port(), Qt::RightButton, {}, Px({150, -150}));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    Release({150, -150});

    // A view closed in the middle of a drag selection leaves no box behind.
    CCovermintView::SelectTool(CommandId::ToolDragSelection);
    Press({50, -50});
    MoveTo({500, -400});
    EXPECT_EQ(Engine().Primitives().size(), 3u);
    view.reset();
    EXPECT_EQ(Engine().Primitives().size(), 2u);
    EXPECT_TRUE(CCovermintView::IsToolChecked(CommandId::ToolSelection));
}

TEST_F(ViewTest, StatusTextDescribesWhatIsUnderTheMouse)
{
    AddRect({100, 0}, {0, -100});
    QSignalSpy spy(view.get(), &CCovermintView::statusTextChanged);
    MoveTo({50, -50});
    ASSERT_FALSE(spy.isEmpty());
    EXPECT_EQ(spy.last().at(0).toString(),
              QStringLiteral("Rectangle : (  0.0,  0.0 ) x (  1.0,  1.0 )   w =   1.0 h =   1.0"));
    MoveTo({500, -500});
    EXPECT_EQ(spy.last().at(0).toString(), QString());
    Press({50, -50});
    MoveTo({60, -50});
    EXPECT_EQ(spy.last().at(0).toString(), QString()) << "empty while dragging";
    Release({60, -50});
}
