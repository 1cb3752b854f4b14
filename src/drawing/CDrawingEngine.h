#pragma once
// The primitives of one label in stacking order (first = bottom), and all
// that concerns them as a set: rendering, selection, moves with undo
// records, stacking, cut and paste, and persistence.
#include "drawing/CPrimitive.h"
#include "base/FontSpec.h"
#include "drawing/ILabelDocument.h"
#include "drawing/LabelView.h"
#include "drawing/UndoCommands.h"
#include "drawing/ZoomTransform.h"

#include <QRectF>
#include <QSize>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

enum class RestackKind { Raise, Lower, MoveToTop, MoveToBottom };

struct RenderOptions
{
    // Printer, preview or export: zoom 100, no handles, no page, no outline.
    bool printing = false;
    // Screen only: page size in label units for the outline and drop shadow.
    QSize pageSize{850, 1100};
    // The primitives drawn are those at stacking positions [from, to); the
    // paper is drawn under them only from the bottom (from == 0).
    std::size_t from = 0;
    std::size_t to = SIZE_MAX;
};

class CDrawingEngine
{
public:
    explicit CDrawingEngine(ILabelDocument* document = nullptr);
    ~CDrawingEngine();

    CDrawingEngine(const CDrawingEngine&) = delete;
    CDrawingEngine& operator=(const CDrawingEngine&) = delete;

    ILabelView* View() const { return m_view; }
    ILabelDocument* Document() const { return m_document; }
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
    // Takes this list as the whole stacking order (undo of an edit).
    void SetPrimitives(std::vector<PrimitivePtr> primitives);
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
    void SetSelectedMoveable(bool v);
    void SetSelectable(bool v);

    // -- through the process-wide clipboard (PrimitiveClipboard.h)
    void Cut();
    void Copy();
    void Paste();

    // -- attributes of the selection
    void SetSelectedFillColour(ColorRef c);
    void SetSelectedLineColour(ColorRef c);
    void SetSelectedTextColour(ColorRef c);
    void SetSelectedHollowFill(bool v);
    void SetSelectedPenWidth(int w);
    void ApplyCurrentFont();

    // -- directory segments and special texts
    PrimitivePtr FindSegment(const QString& segmentName) const;
    QStringList SegmentNames() const;
    // Replaces the text of every text primitive whose name equals specialName
    // exactly; marks the document modified.
    void SetTextByName(const QString& specialName, const QString& value);

    // -- images: loads the file, appends it on top selected; false on failure
    bool AddImage(const QString& fileName, const QPoint* offset = nullptr);

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
    // The conversion at the current zoom (100 while printing).
    CZoomTransform Zoom() const { return CZoomTransform(ZoomPercent()); }
    int ToView(int labelValue) const { return Zoom().ToView(labelValue); }
    int ToLabel(int viewValue) const { return Zoom().ToLabel(viewValue); }
    QPoint ToView(QPoint labelPoint) const { return Zoom().ToView(labelPoint); }
    QPoint ToLabel(QPoint viewPoint) const { return Zoom().ToLabel(viewPoint); }
    double ToViewD(double labelValue) const { return Zoom().ToViewD(labelValue); }
    double ToLabelD(double viewValue) const { return Zoom().ToLabelD(viewValue); }
    int GrabTolerance() const;
    // Where the primitive can paint at the current zoom (view units, with
    // room for its pen, glyphs and handles); nothing when that is only known
    // by drawing it.
    std::optional<QRectF> PaintedArea(const CPrimitive& primitive) const;
    // While Render draws for a printer, preview or export.
    bool IsPrinting() const { return m_printing; }
    // Changes with every Render of any engine: what primitives work out for
    // one drawing of the whole label is keyed by it.
    quint64 RenderPass() const { return m_renderPass; }

    // -- persistence of the DRAWINGENGINE element under the document root
    void Persist(bool storing, pugi::xml_node root);
    // Builds an empty primitive of a PRIMTYPE (PrimitiveKinds.h), or nothing
    // for unknown types.
    PrimitivePtr CreateByType(const QString& typeName);

    // -- document hooks (no-ops without a document)
    void MarkModified();
    void UpdateAllViews();
    void SubmitCommand(std::unique_ptr<CCommand> command);

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
    bool m_printing = false;
    quint64 m_renderPass = 0;
};
