#include "view/CGestureController.h"

#include "document/CCovermintDoc.h"
#include "drawing/CRectangle.h"
#include "drawing/CTextPrimitive.h"
#include "view/ToolTable.h"

#include <Qt>

CGestureController::CGestureController(CCovermintDoc& document, ILabelView& view)
    : m_document(document), m_view(view)
{
}

CDrawingEngine& CGestureController::Engine() const
{
    return m_document.Engine();
}

void CGestureController::Repaint()
{
    m_view.InvalidateView(false);
}

void CGestureController::LeftDown(QPoint viewPoint, bool shift)
{
    // A press whose release never arrived (focus stolen mid-drag) ends the
    // old gesture here, so its undo record and drag box are not left behind.
    if (HasCapture())
        LeftUp(viewPoint, shift);
    m_lastPoint = viewPoint;

    const CDrawingDefaults& defaults = CDrawingDefaults::Instance();
    if (defaults.dragBoxMode != DragBoxMode::None)
        StartDragBox(viewPoint);
    else if (defaults.currentTool == Tool::Selection)
        StartSelection(viewPoint, shift);
    else
        StartCreation(viewPoint);
}

void CGestureController::StartDragBox(QPoint viewPoint)
{
    CDrawingDefaults& defaults = CDrawingDefaults::Instance();
    m_boxPurpose = defaults.dragBoxMode;
    defaults.currentTool = Tool::Rectangle;
    auto box = std::make_shared<CRectangle>(defaults.PenWidth(), &Engine());
    box->SetHollowFill(true);
    box->MarkDragBox(true);
    Engine().Append(box);
    m_gesturePrimitive = box;
    box->BeginCreate(viewPoint);
    m_gesture = Gesture::DragBox;
}

void CGestureController::StartSelection(QPoint viewPoint, bool shift)
{
    CDrawingEngine& engine = Engine();
    m_moveFrom = viewPoint;
    engine.BeginPendingCommands();
    engine.SelectAt(viewPoint, shift);
    m_gesture = Gesture::Select;
    Repaint();
}

void CGestureController::StartCreation(QPoint viewPoint)
{
    CDrawingEngine& engine = Engine();
    PrimitivePtr primitive = ToolTable::CreatePrimitive(CDrawingDefaults::Instance().currentTool, engine);
    if (!primitive)
        return;
    engine.DeselectAll();
    m_creation.emplace(engine, QStringLiteral("Draw"), CEditRecorder::Scope::OrderOnly);
    engine.Append(primitive);
    engine.MarkModified();
    m_gesturePrimitive = primitive;
    primitive->BeginCreate(viewPoint);
    m_gesture = Gesture::Create;
}

void CGestureController::MouseMove(QPoint viewPoint)
{
    if (!HasCapture())
        return;
    m_lastPoint = viewPoint;
    CDrawingEngine& engine = Engine();
    if (m_gesture != Gesture::Select) {
        if (m_gesturePrimitive)
            m_gesturePrimitive->TrackCreate(viewPoint);
        return;
    }
    if (viewPoint == m_moveFrom)
        return;
    const QPoint delta = engine.ToLabel(viewPoint - m_moveFrom);
    m_moveFrom = viewPoint;
    engine.MoveSelected(delta.x(), delta.y());
    Repaint();
}

bool CGestureController::LeftUp(QPoint viewPoint, bool shift)
{
    if (!HasCapture())
        return false;
    CDrawingEngine& engine = Engine();
    const Gesture gesture = m_gesture;
    m_gesture = Gesture::None;

    // Deleting everything mid-gesture drops the primitive being made.
    if (m_gesturePrimitive && !engine.Contains(m_gesturePrimitive.get()))
        m_gesturePrimitive.reset();
    if (PrimitivePtr primitive = m_gesturePrimitive) {
        primitive->SetSelected(true);
        primitive->EndCreate(viewPoint);
        Repaint();
    }

    bool toolReset = false;
    switch (gesture) {
    case Gesture::DragBox:
        FinishDragBox(shift);
        toolReset = true;
        break;
    case Gesture::Select:
        engine.SubmitPendingCommands();
        engine.SettleAll();
        Repaint();
        break;
    case Gesture::Create:
        if (m_creation)
            m_creation->Finish();
        m_creation.reset();
        ToolTable::Select(Tool::Selection);
        toolReset = true;
        break;
    case Gesture::None:
        break;
    }
    m_gesturePrimitive.reset();
    return toolReset;
}

void CGestureController::FinishDragBox(bool shift)
{
    CDrawingEngine& engine = Engine();
    auto* box = dynamic_cast<CRectangle*>(m_gesturePrimitive.get());
    if (box && m_boxPurpose == DragBoxMode::Selection)
        engine.SelectInRect(box->GetRect(), shift);
    ToolTable::Select(Tool::Selection);
    m_boxPurpose = DragBoxMode::None;
    if (box)
        engine.Remove(box);
    Repaint();
}

PrimitivePtr CGestureController::DoubleClick(QPoint viewPoint)
{
    if (HasCapture())
        return nullptr;
    CDrawingEngine& engine = Engine();
    engine.DeselectAll();
    PrimitivePtr found;
    const auto& list = engine.Primitives();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        const PrimitivePtr& primitive = *it;
        const bool editable = primitive->IsDirectorySegment() || dynamic_cast<CTextPrimitive*>(primitive.get());
        if (editable && primitive->SelectIfHit(viewPoint)) {
            found = primitive;
            break;
        }
    }
    Repaint();
    return found;
}

std::optional<CGestureController::ContextTarget> CGestureController::RightDown(QPoint viewPoint)
{
    if (HasCapture())
        return std::nullopt;
    CDrawingEngine& engine = Engine();
    engine.DeselectAll();
    Repaint();
    const auto& list = engine.Primitives();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        const PrimitivePtr& primitive = *it;
        const bool wasSelectable = primitive->IsSelectable();
        // Unselectable primitives are found too, so that they can be made
        // selectable again from the menu.
        primitive->SetSelectable(true);
        const bool hit = primitive->SelectIfHit(viewPoint);
        primitive->SetSelectable(wasSelectable);
        if (hit) {
            Repaint();
            return ContextTarget{primitive, wasSelectable};
        }
    }
    return std::nullopt;
}

bool CGestureController::KeyDown(int key, bool shift)
{
    // Keys wait for the end of a mouse gesture: they would otherwise mix
    // their own undo records into the gesture's pending ones.
    if (HasCapture())
        return false;
    CDrawingEngine& engine = Engine();
    if (key == Qt::Key_Delete) {
        engine.DeleteSelected();
        Repaint();
        return true;
    }
    const int step = shift ? 20 : 1;
    QPoint delta;
    switch (key) {
    case Qt::Key_Up: delta = QPoint(0, step); break;
    case Qt::Key_Down: delta = QPoint(0, -step); break;
    case Qt::Key_Left: delta = QPoint(-step, 0); break;
    case Qt::Key_Right: delta = QPoint(step, 0); break;
    default: return false;
    }
    engine.BeginPendingMove();
    engine.MoveSelected(delta.x(), delta.y());
    engine.SubmitPendingCommands();
    Repaint();
    return true;
}

QString CGestureController::StatusText(QPoint viewPoint) const
{
    if (HasCapture())
        return QString();
    const auto& list = Engine().Primitives();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if ((*it)->HitTest(viewPoint))
            return (*it)->GetDescription();
    return QString();
}
