#pragma once
// The primitives of one label in stacking order (first = bottom), and all
// that concerns them as a set: rendering, zoom conversion, selection, moves
// with undo records, stacking, the process-wide clipboard and persistence.
#include "drawing/CPrimitive.h"
#include "base/FontSpec.h"
#include "drawing/ILabelDocument.h"
#include "drawing/LabelView.h"
#include "drawing/UndoCommands.h"

#include <QFont>
#include <QPen>
#include <QSize>
#include <QStringList>
#include <memory>
#include <vector>

class QPainter;

enum class RestackKind { Raise, Lower, MoveToTop, MoveToBottom };

struct RenderOptions
{
    // Printer, preview or export: zoom 100, no handles, no page, no outline.
    bool printing = false;
    // Screen only: page size in label units for the outline and drop shadow.
    QSize pageSize{850, 1100};
};

class CDrawingEngine
{
public:
    explicit CDrawingEngine(ILabelDocument* document = nullptr);
    virtual ~CDrawingEngine();

    CDrawingEngine(const CDrawingEngine&) = delete;
    CDrawingEngine& operator=(const CDrawingEngine&) = delete;

    ILabelView* View() const { return m_view; }
    void SetView(ILabelView* view) { m_view = view; }

    // -- the list
    const std::vector<PrimitivePtr>& Primitives() const { return m_primitives; }
    bool Contains(const CPrimitive* primitive) const;
    int IndexOf(const CPrimitive* primitive) const;
    bool HasPrimitives() const { return !m_primitives.empty(); }
    PrimitivePtr FirstSelected() const;
    bool CanRestack() const;
    void Append(PrimitivePtr primitive);
    void InsertAt(PrimitivePtr primitive, int index);
    void Remove(const CPrimitive* primitive);
    void DeleteAll();

    // -- selection (points in view units, rectangles in label units)
    void SelectAt(QPoint viewPoint, bool shift);
    void SelectInRect(const LRect& labelRect, bool shift);
    void SelectAll();
    bool DeselectAll();
    void SettleAll();

    // -- editing
    void MoveSelected(int dx, int dy);
    void DeleteSelected();
    void Restack(RestackKind kind);
    void SetSelectedMoveable(int v);
    void SetSelectable(int v);

    // -- process-wide clipboard
    void Cut();
    void Copy();
    void Paste();
    static bool CanPaste();
    static void ClearClipboard();

    // -- attributes of the selection
    void SetSelectedFillColour(ColorRef c);
    void SetSelectedLineColour(ColorRef c);
    void SetSelectedTextColour(ColorRef c);
    void SetSelectedHollowFill(int v);
    void SetSelectedPenWidth(int w);
    void ApplyCurrentFont();

    // -- directory segments and special texts
    PrimitivePtr FindSegment(const QString& segmentName) const;
    QStringList SegmentNames() const;
    // Replaces the text of every text primitive whose name equals specialName
    // exactly; marks the document modified.
    void SetTextByName(const QString& specialName, const QString& value);

    // -- images: loads the file, appends it on top selected; false on failure
    virtual bool AddImage(const QString& fileName, const QPoint* offset = nullptr);

    // -- pending gesture commands, filled by MoveSelected
    void BeginPendingCommands();
    void BeginPendingMove();
    // Submits what holds something to the document's processor, drops the rest.
    void SubmitPendingCommands();
    CUndoMoveCommand* PendingMove() const { return m_pendingMove.get(); }
    CUndoReshapeCommand* PendingReshape() const { return m_pendingReshape.get(); }

    // -- drawing and conversion
    void Render(QPainter& painter, const RenderOptions& options);
    int ZoomPercent() const;
    int ToView(int labelValue) const;
    int ToLabel(int viewValue) const;
    QPoint ToView(QPoint labelPoint) const;
    QPoint ToLabel(QPoint viewPoint) const;
    double ToViewD(double labelValue) const;
    double ToLabelD(double viewValue) const;
    int GrabTolerance() const;
    static bool IsPrinting();
    // Fonts in view units (scaled) or label units (unscaled); pixel sizes, so
    // a painter's scaling applies to them like to every other coordinate.
    QFont CreateScaledFont(const FontSpec& fontSpec) const;
    static QFont CreateUnscaledFont(const FontSpec& fontSpec);
    // Shared pens, widths in view units: a line pen of a width and colour
    // (cosmetic one pixel when the width is 0), the light-grey drag-box pen
    // and the black handle pen.
    static QPen LinePen(int viewWidth, ColorRef color);
    static QPen DragBoxPen();
    static QPen HandlePen();

    // -- persistence of the DRAWINGENGINE element under the document root
    void Persist(bool storing, pugi::xml_node root);
    // Builds an empty primitive of a PRIMTYPE, or nothing for unknown types.
    PrimitivePtr CreateByType(const QString& typeName);

    // -- document hooks (no-ops without a document)
    void MarkModified();
    void UpdateAllViews();
    void SubmitCommand(std::unique_ptr<CCommand> command);

    // Gesture state used by the view's tools.
    PrimitivePtr gesturePrimitive;
    QPoint pressPoint;
    QPoint lastPoint;
    bool dragInProgress = false;

private:
    void DrawPageOutline(QPainter& painter, QSize pageSize);
    // Applies change to every selected primitive of a kind; marks the
    // document modified when there was one.
    template <class Kind, class Change>
    void ChangeSelected(Change change);

    ILabelDocument* m_document;
    ILabelView* m_view = nullptr;
    std::vector<PrimitivePtr> m_primitives;
    std::unique_ptr<CUndoMoveCommand> m_pendingMove;
    std::unique_ptr<CUndoReshapeCommand> m_pendingReshape;
    int m_zoomOverride = 0; // 100 while printing
};
