#pragma once
// The interactive window of one label document: shows the page and its
// primitives at a zoom from the ladder, turns mouse and keys into engine
// operations through the gesture controller, and carries the commands that
// act on the selection, the zoom and printing.
//
// For the application:
//  - construct with the document; the view registers itself with the
//    document and its engine and unregisters when destroyed (the document
//    must outlive it);
//  - route every command id for which HandlesCommand() is true to
//    OnCommand(), and enable it by IsCommandEnabled(); tool selection and
//    its checked state are process-wide (SelectTool, IsToolChecked);
//  - Add Image without an open label is the application's own message;
//  - call OnPageSizeRefresh() on every view after Print Setup.
#include "drawing/CPrimitive.h"
#include "drawing/LabelView.h"
#include "toolkit/CommandRoutes.h"
#include "view/CGestureController.h"
#include "view/RenderedPageCache.h"

#include <QAbstractScrollArea>

class CCovermintDoc;
class QMdiSubWindow;

class CCovermintView : public QAbstractScrollArea, public ILabelView
{
    Q_OBJECT
public:
    explicit CCovermintView(CCovermintDoc& document, QWidget* parent = nullptr);
    ~CCovermintView() override;

    CCovermintDoc& Document() const { return m_document; }

    // ILabelView
    int ZoomPercent() const override { return m_zoom; }
    void InvalidateView(bool erase) override;

    void SetZoom(int zoomPercent);
    // The document recomputes its page size, the view its scroll sizes.
    void OnPageSizeRefresh();

    // Ends a mouse gesture still in progress, as its release would: a menu
    // command must not find the temporary drag box in the label.
    void FinishGesture();

    static bool HandlesCommand(int commandId);
    bool IsCommandEnabled(int commandId) const;
    void OnCommand(int commandId);

    static void SelectTool(int commandId);
    static bool IsToolChecked(int commandId);
    // False for a tool this build cannot draw yet: leave its button out.
    static bool IsToolAvailable(int commandId);

    // Adds an image file, at (0, 0) or moved to a drop point given in
    // viewport pixels; false when the file could not be loaded.
    bool AddImage(const QString& fileName, const QPoint* dropPixel = nullptr);

    // Viewport pixels <-> view units (label units after zoom, y upward).
    QPoint PixelToView(QPoint pixel) const;
    QPoint ViewToPixel(QPoint viewPoint) const;
    // Draws what the viewport shows: white paper, page outline, primitives
    // (unchanged ones from the rendered-page cache).
    void PaintViewport(QPainter& painter);

signals:
    // The status bar's message: the description of what is under the mouse.
    void statusTextChanged(const QString& text);
    // A ".cla" or ".cte" file was dropped on the view.
    void openDocumentRequested(const QString& path);
    // A gesture ended and put the process-wide tool back to Selection.
    void toolChanged();
    // A mouse button or key was handled: the selection may have changed.
    void inputHandled();
    // A directory segment was double-clicked: open its directory dialog.
    void directorySegmentActivated(CPrimitive* segment);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    double PixelsPerUnitX() const;
    double PixelsPerUnitY() const;
    void UpdateScrollSizes();
    QMdiSubWindow* EnclosingSubWindow() const;
    void PlaceInMdiArea();
    void ShowContextMenu(QPoint viewPoint, QPoint globalPos);
    void OpenEditorFor(const PrimitivePtr& primitive);
    static std::span<const CommandRoute<CCovermintView>> Routes();
    // Restacking, and the selectable and moveable flags.
    void OnSelectionCommand(int commandId);
    void ShowProperties();
    void ToggleSelectedFlag(int commandId);
    void ChooseColors();
    void ChooseFont();
    void ChooseImage();
    void Print();
    void PrintPreview();

    CCovermintDoc& m_document;
    CGestureController m_gestures;
    int m_zoom = 100;
    bool m_placed = false;
    CRenderedPageCache m_pageCache;
};
