#pragma once
// The mouse and key state machine of one label view: turns presses, moves,
// releases, double and right clicks and keys (all points in view units) into
// drawing-engine operations according to the current tool. Knows no widgets,
// so the view stays a thin translator of events.
#include "drawing/CPrimitive.h"
#include "drawing/DrawingDefaults.h"
#include "drawing/EditSnapshot.h"

#include <QPoint>
#include <QString>
#include <optional>

class CCovermintDoc;
class CDrawingEngine;
class ILabelView;

class CGestureController
{
public:
    CGestureController(CCovermintDoc& document, ILabelView& view);

    // True from a press that started a gesture until its release: the view
    // holds the mouse, and moves and releases are only taken while it does.
    bool HasCapture() const { return m_gesture != Gesture::None; }

    void LeftDown(QPoint viewPoint, bool shift);
    void MouseMove(QPoint viewPoint);
    // Returns true when the gesture put the tool back to Selection.
    bool LeftUp(QPoint viewPoint, bool shift);
    // Ends a gesture whose release will never come (the view is closing, a
    // command arrives mid-drag):
    // no drag box may stay behind in the label. True as for LeftUp.
    bool Finish() { return LeftUp(m_lastPoint, false); }

    // The topmost text primitive or directory segment under the point (now
    // selected), whose dialog the view opens; none when there is none.
    PrimitivePtr DoubleClick(QPoint viewPoint);

    struct ContextTarget
    {
        PrimitivePtr primitive;
        bool wasSelectable = true;
    };
    // Finds the topmost primitive under the point, selectable or not, and
    // selects it for the context menu's commands.
    std::optional<ContextTarget> RightDown(QPoint viewPoint);

    // Delete and the arrow keys; false for other keys and while a gesture runs.
    bool KeyDown(int key, bool shift);

    // The status description of the topmost primitive under the point; empty
    // during a gesture or over empty paper.
    QString StatusText(QPoint viewPoint) const;

private:
    enum class Gesture { None, DragBox, Select, Create };

    CDrawingEngine& Engine() const;
    void Repaint();
    void StartDragBox(QPoint viewPoint);
    void StartSelection(QPoint viewPoint, bool shift);
    void StartCreation(QPoint viewPoint);
    void FinishDragBox(bool shift);

    CCovermintDoc& m_document;
    ILabelView& m_view;
    Gesture m_gesture = Gesture::None;
    DragBoxMode m_boxPurpose = DragBoxMode::None;
    QPoint m_lastPoint;
    PrimitivePtr m_gesturePrimitive; // being made, or the drag box
    QPoint m_moveFrom;               // where the selection was last moved to
    std::optional<CEditRecorder> m_creation; // from the press of a drawing tool to its release
};
