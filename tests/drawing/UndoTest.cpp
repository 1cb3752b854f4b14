// Undo and redo: the bounded command list and the move, reshape and delete
// commands as the gestures make them through a real document.
#include "ShapeTestSupport.h"

#include "document/CCovermintDoc.h"

namespace {
// A command that counts what was done to it.
class CCountingCommand : public CCommand
{
public:
    explicit CCountingCommand(int* undone = nullptr, bool undoSucceeds = true)
        : m_undone(undone), m_undoSucceeds(undoSucceeds) {}
    bool Undo() override
    {
        if (m_undone && m_undoSucceeds)
            ++*m_undone;
        return m_undoSucceeds;
    }
    bool Redo() override { return true; }

private:
    int* m_undone;
    bool m_undoSucceeds;
};

class UndoTest : public ShapeTest
{
protected:
    CCovermintDoc doc;
    CDrawingEngine& engine = doc.Engine();
    CCommandProcessor& processor = doc.CommandProcessor();

    // A Selection gesture: press, drag by the given steps, release.
    void Drag(QPoint press, std::initializer_list<QPoint> steps, bool shift = false)
    {
        engine.BeginPendingCommands();
        engine.SelectAt(press, shift);
        for (const QPoint& step : steps)
            engine.MoveSelected(step.x(), step.y());
        engine.SubmitPendingCommands();
        engine.SettleAll();
    }
    void ArrowKey(int dx, int dy)
    {
        engine.BeginPendingMove();
        engine.MoveSelected(dx, dy);
        engine.SubmitPendingCommands();
    }
};
} // namespace

TEST_F(UndoTest, TheDocumentUndoesItsFortyNewestCommands)
{
    auto shape = AddShape(engine, QPoint(0, 0), QPoint(100, -100));
    shape->SetSelected(true);
    for (int i = 0; i < 41; ++i)
        ArrowKey(1, 0);
    int undone = 0;
    while (processor.Undo())
        ++undone;
    EXPECT_EQ(undone, 40);
    EXPECT_EQ(shape->GetRect(), LRect(1, 0, 101, -100));
}

TEST_F(UndoTest, ProcessorKeepsTheLastFortyAndDropsTheRedoBranch)
{
    CCommandProcessor list(40);
    EXPECT_FALSE(list.Submit(nullptr));
    EXPECT_FALSE(list.Undo());
    EXPECT_FALSE(list.Redo());
    EXPECT_FALSE(list.CanUndo());
    EXPECT_FALSE(list.CanRedo());
    EXPECT_EQ(list.UndoText(), QStringLiteral("&Undo"));

    int undone = 0;
    for (int i = 0; i < 41; ++i)
        ASSERT_TRUE(list.Submit(std::make_unique<CCountingCommand>(&undone)));
    EXPECT_EQ(list.Count(), 40);
    EXPECT_EQ(list.UndoText(), QStringLiteral("&Undo Move"));
    EXPECT_EQ(list.RedoText(), QStringLiteral("&Redo"));
    while (list.Undo()) {
    }
    EXPECT_EQ(undone, 40);
    EXPECT_FALSE(list.CanUndo());
    EXPECT_TRUE(list.CanRedo());
    EXPECT_EQ(list.RedoText(), QStringLiteral("&Redo Move"));

    // With everything undone, a full list loses its oldest and then the rest.
    ASSERT_TRUE(list.Redo());
    ASSERT_TRUE(list.Undo());
    ASSERT_TRUE(list.Submit(std::make_unique<CCountingCommand>()));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(list.CanRedo());

    // Undo, then a new command: the undone one cannot come back.
    ASSERT_TRUE(list.Submit(std::make_unique<CCountingCommand>()));
    ASSERT_TRUE(list.Undo());
    EXPECT_TRUE(list.CanRedo());
    ASSERT_TRUE(list.Submit(std::make_unique<CCountingCommand>()));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_FALSE(list.CanRedo());
    EXPECT_FALSE(list.Redo());

    // A command whose undo fails keeps the position.
    ASSERT_TRUE(list.Submit(std::make_unique<CCountingCommand>(nullptr, false)));
    EXPECT_FALSE(list.Undo());
    EXPECT_TRUE(list.CanUndo());

    list.ClearAll();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.CanUndo());

    // A limit of 0 still keeps the newest command.
    list.SetLimit(0);
    ASSERT_TRUE(list.Submit(std::make_unique<CCountingCommand>()));
    ASSERT_TRUE(list.Submit(std::make_unique<CCountingCommand>()));
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(UndoTest, GesturesWithoutEffectAddNothing)
{
    auto rect = AddShape(engine, QPoint(0, 0), QPoint(100, -100));
    Drag(QPoint(50, -50), {});                          // click without moving
    Drag(QPoint(50, -50), {QPoint(5, 0), QPoint(-5, 0)}); // back where it began
    ArrowKey(20, 0);                                      // selected: counts
    engine.DeselectAll();
    ArrowKey(20, 0);                                      // nothing selected
    EXPECT_EQ(processor.Count(), 1);
    EXPECT_EQ(engine.PendingMove(), nullptr);
    EXPECT_EQ(engine.PendingReshape(), nullptr);
    EXPECT_EQ(rect->GetRect(), LRect(20, 0, 120, -100));
}

TEST_F(UndoTest, MoveUndoRedoAndAShiftArrowOfTwenty)
{
    auto a = AddShape(engine, QPoint(0, 0), QPoint(100, -100));
    auto b = AddShape(engine, QPoint(200, 0), QPoint(300, -100));
    a->SetSelected(true);
    b->SetSelected(true);
    Drag(QPoint(50, -50), {QPoint(3, -4), QPoint(7, -6)}); // both drag together
    EXPECT_EQ(a->GetRect(), LRect(10, -10, 110, -110));
    EXPECT_EQ(b->GetRect(), LRect(210, -10, 310, -110));
    ArrowKey(0, -20);
    EXPECT_EQ(a->GetRect(), LRect(10, -30, 110, -130));

    doc.SetModifiedFlag(false);
    ASSERT_TRUE(processor.Undo());
    EXPECT_EQ(a->GetRect(), LRect(10, -10, 110, -110));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(processor.Undo());
    EXPECT_EQ(a->GetRect(), LRect(0, 0, 100, -100));
    EXPECT_EQ(b->GetRect(), LRect(200, 0, 300, -100));
    ASSERT_TRUE(processor.Redo());
    EXPECT_EQ(b->GetRect(), LRect(210, -10, 310, -110));
}

TEST_F(UndoTest, UndoOfAMoveWhoseShapeWasCutStillSucceeds)
{
    auto a = AddShape(engine, QPoint(0, 0), QPoint(100, -100));
    auto b = AddShape(engine, QPoint(200, 0), QPoint(300, -100));
    a->SetSelected(true);
    b->SetSelected(true);
    ArrowKey(10, 0);
    b->SetSelected(false);
    engine.Cut();
    ASSERT_TRUE(processor.Undo());
    EXPECT_EQ(b->GetRect(), LRect(200, 0, 300, -100));
    EXPECT_EQ(a->GetRect(), LRect(10, 0, 110, -100)); // out of the engine: untouched
    EXPECT_FALSE(engine.Contains(a.get()));
}

TEST_F(UndoTest, ReshapeUndoRedoUndo)
{
    auto rect = AddShape(engine, QPoint(0, 0), QPoint(100, -100));
    auto other = AddShape(engine, QPoint(300, 0), QPoint(400, -100));
    other->SetSelected(true);
    rect->SetSelected(true);
    // Press on rect's corner (x2, y2): a grab deselects the rest.
    Drag(QPoint(100, -100), {QPoint(20, 0), QPoint(0, -30)});
    EXPECT_EQ(rect->GetRect(), LRect(0, 0, 120, -130));
    EXPECT_EQ(other->GetRect(), LRect(300, 0, 400, -100));
    ASSERT_EQ(processor.Count(), 1);
    EXPECT_TRUE(rect->IsSelected());
    EXPECT_FALSE(rect->IsHandleGrabbed());

    ASSERT_TRUE(processor.Undo());
    EXPECT_EQ(rect->GetRect(), LRect(0, 0, 100, -100));
    EXPECT_FALSE(rect->IsSelected()); // restoring deselects
    ASSERT_TRUE(processor.Redo());
    EXPECT_EQ(rect->GetRect(), LRect(0, 0, 120, -130));
    ASSERT_TRUE(processor.Undo());
    EXPECT_EQ(rect->GetRect(), LRect(0, 0, 100, -100));
}

TEST_F(UndoTest, HandleDragReshapesOneAndMovesTheOtherSelectedMoveFirst)
{
    auto rect = AddShape<CEllipse>(engine, QPoint(0, 0), QPoint(100, -100));
    auto other = AddShape(engine, QPoint(300, 0), QPoint(400, -100));
    engine.BeginPendingCommands();
    other->SetSelected(true);
    ASSERT_TRUE(rect->GrabHandle(QPoint(0, 0)));
    engine.MoveSelected(-10, 10);
    EXPECT_EQ(engine.PendingReshape()->ClassCode(), 5);
    EXPECT_EQ(engine.PendingReshape()->GetPrimitive(), rect);
    EXPECT_EQ(engine.PendingMove()->Count(), 1);
    engine.SubmitPendingCommands();
    ASSERT_EQ(processor.Count(), 2);
    ASSERT_TRUE(processor.Undo()); // the reshape was submitted second
    EXPECT_EQ(rect->GetRect(), LRect(0, 0, 100, -100));
    EXPECT_EQ(other->GetRect(), LRect(290, 10, 390, -90));
    ASSERT_TRUE(processor.Undo());
    EXPECT_EQ(other->GetRect(), LRect(300, 0, 400, -100));
}

TEST_F(UndoTest, DeleteUndoRestoresTheStackingOrder)
{
    std::vector<std::shared_ptr<CRectangle>> shapes;
    for (int i = 0; i < 4; ++i) {
        shapes.push_back(AddShape(engine, QPoint(i * 10, 0), QPoint(i * 10 + 5, -5)));
        shapes.back()->SetName(QString(QChar('A' + i)));
    }
    const auto order = [this] {
        QString s;
        for (const PrimitivePtr& p : engine.Primitives())
            s += p->GetName();
        return s;
    };
    engine.DeleteSelected(); // nothing selected: no command
    EXPECT_EQ(processor.Count(), 0);
    shapes[1]->SetSelected(true);
    shapes[3]->SetSelected(true);
    doc.SetModifiedFlag(false);
    engine.DeleteSelected();
    EXPECT_EQ(order(), QStringLiteral("AC"));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(processor.Undo());
    EXPECT_EQ(order(), QStringLiteral("ABCD"));
    ASSERT_TRUE(processor.Redo());
    EXPECT_EQ(order(), QStringLiteral("AC"));
    ASSERT_TRUE(processor.Undo());

    // Undone, cut to the clipboard, then redone and undone again: the
    // primitive comes back once and drawn by this engine.
    engine.DeselectAll();
    shapes[1]->SetSelected(true);
    engine.Cut();
    EXPECT_EQ(order(), QStringLiteral("ACD"));
    ASSERT_TRUE(processor.Redo());
    ASSERT_TRUE(processor.Undo());
    EXPECT_EQ(order(), QStringLiteral("ABCD"));
    EXPECT_EQ(shapes[1]->Owner(), &engine);
}

TEST_F(UndoTest, RestackAndAttributeChangesMarkTheLabelModified)
{
    auto a = AddShape(engine, QPoint(0, 0), QPoint(10, -10));
    auto b = AddShape(engine, QPoint(20, 0), QPoint(30, -10));
    a->SetSelected(true);
    doc.SetModifiedFlag(false);
    engine.Restack(RestackKind::MoveToBottom); // already at the bottom
    EXPECT_FALSE(doc.IsModified());
    engine.Restack(RestackKind::Raise);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(engine.Primitives().back(), a);

    doc.SetModifiedFlag(false);
    engine.DeselectAll();
    engine.SetSelectedLineColour(MakeColorRef(1, 2, 3)); // nothing selected
    EXPECT_FALSE(doc.IsModified());
    b->SetSelected(true);
    engine.SetSelectedLineColour(MakeColorRef(1, 2, 3));
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(false);
    engine.Cut();
    EXPECT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(false);
    engine.Paste();
    EXPECT_TRUE(doc.IsModified());
}
