#include "view/CCovermintView.h"

#include "document/CCovermintDoc.h"
#include "document/CPreferences.h"
#include "drawing/CTextPrimitive.h"
#include "drawing/EditSnapshot.h"
#include "drawing/dialogs/CColorPickerDialog.h"
#include "drawing/dialogs/CTextEditDialog.h"
#include "platform/Prompter.h"
#include "toolkit/PrinterSetup.h"
#include "drawing/dialogs/CFontColorDialog.h"
#include "toolkit/CommandIds.h"
#include "view/DroppedFiles.h"
#include "view/LabelPrinting.h"
#include "view/PrimitiveContextMenu.h"
#include "view/PropertiesDialogs.h"
#include "view/WidthPresetCommands.h"
#include "view/SelectionAttributes.h"
#include "drawing/PensAndFonts.h"
#include "view/ToolTable.h"
#include "view/ZoomLadder.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <cmath>

namespace {
// New views cascade across the window area, 20 pixels apart.
int g_cascadeOffset = 0;

bool IsPenSize(int id)
{
    return id >= CommandId::PenSize1 && id <= CommandId::PenSize4;
}

std::optional<RestackKind> RestackFor(int id)
{
    switch (id) {
    case CommandId::MoveToTop: return RestackKind::MoveToTop;
    case CommandId::MoveToBottom: return RestackKind::MoveToBottom;
    case CommandId::Lower: return RestackKind::Lower;
    case CommandId::Raise: return RestackKind::Raise;
    default: return std::nullopt;
    }
}
} // namespace

CCovermintView::CCovermintView(CCovermintDoc& document, QWidget* parent)
    : QAbstractScrollArea(parent), m_document(document), m_gestures(document, *this)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    m_document.AddView(this);
    m_document.Engine().SetView(this);
    UpdateScrollSizes();
}

CCovermintView::~CCovermintView()
{
    m_gestures.Finish();
    if (m_document.Engine().View() == this)
        m_document.Engine().SetView(nullptr);
    m_document.RemoveView(this);
}

void CCovermintView::InvalidateView(bool erase)
{
    if (erase)
        m_pageCache.ContentChanged();
    viewport()->update();
}

double CCovermintView::PixelsPerUnitX() const
{
    return viewport()->logicalDpiX() / 100.0;
}

double CCovermintView::PixelsPerUnitY() const
{
    return viewport()->logicalDpiY() / 100.0;
}

QPoint CCovermintView::PixelToView(QPoint pixel) const
{
    const double x = (pixel.x() + horizontalScrollBar()->value()) / PixelsPerUnitX();
    const double y = -(pixel.y() + verticalScrollBar()->value()) / PixelsPerUnitY();
    return QPoint(int(std::lround(x)), int(std::lround(y)));
}

QPoint CCovermintView::ViewToPixel(QPoint viewPoint) const
{
    const double x = viewPoint.x() * PixelsPerUnitX() - horizontalScrollBar()->value();
    const double y = -viewPoint.y() * PixelsPerUnitY() - verticalScrollBar()->value();
    return QPoint(int(std::lround(x)), int(std::lround(y)));
}

void CCovermintView::SetZoom(int zoomPercent)
{
    m_zoom = zoomPercent;
    UpdateScrollSizes();
    InvalidateView(true);
}

void CCovermintView::OnPageSizeRefresh()
{
    m_document.RefreshPageSize();
    UpdateScrollSizes();
    InvalidateView(true);
}

void CCovermintView::UpdateScrollSizes()
{
    const QSize page = m_document.PageSize();
    const float factor = m_zoom * 0.01f;
    const int width = int(std::lround(int(page.width() * factor) * PixelsPerUnitX()));
    const int height = int(std::lround(int(page.height() * factor) * PixelsPerUnitY()));
    const QSize shown = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, width - shown.width()));
    verticalScrollBar()->setRange(0, std::max(0, height - shown.height()));
    horizontalScrollBar()->setPageStep(shown.width());
    verticalScrollBar()->setPageStep(shown.height());
    horizontalScrollBar()->setSingleStep(std::max(1, shown.width() / 10));
    verticalScrollBar()->setSingleStep(std::max(1, shown.height() / 10));
}

void CCovermintView::PaintViewport(QPainter& painter)
{
    CRenderedPageCache::Placement placement;
    placement.viewportSize = viewport()->size();
    placement.scroll = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    placement.pixelsPerUnitX = PixelsPerUnitX();
    placement.pixelsPerUnitY = PixelsPerUnitY();
    placement.devicePixelRatio = viewport()->devicePixelRatioF();
    placement.zoom = m_zoom;
    placement.pageSize = m_document.PageSize();
    m_pageCache.Paint(painter, m_document.Engine(), placement);
}

void CCovermintView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    PaintViewport(painter);
}

void CCovermintView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollSizes();
}

void CCovermintView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CCovermintView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        PlaceInMdiArea();
    }
}

QMdiSubWindow* CCovermintView::EnclosingSubWindow() const
{
    QMdiSubWindow* frame = nullptr;
    for (QWidget* w = parentWidget(); w && !frame; w = w->parentWidget())
        frame = qobject_cast<QMdiSubWindow*>(w);
    return frame;
}

void CCovermintView::PlaceInMdiArea()
{
    QMdiSubWindow* frame = EnclosingSubWindow();
    QMdiArea* area = frame ? frame->mdiArea() : nullptr;
    if (!area)
        return;
    const QWidget* client = area->viewport();
    if (g_cascadeOffset > client->width() - 80)
        g_cascadeOffset = 0;
    // Within the window area, so that a restored window can always be reached.
    const int width = std::min(frame->width(), client->width());
    const QRect place(std::min(g_cascadeOffset, client->width() - width), 0, width, client->height());
    g_cascadeOffset += 20;
    if (!frame->isMaximized()) {
        frame->setGeometry(place);
        return;
    }
    // It follows a maximized window: the place is where it restores to.
    frame->showNormal();
    frame->setGeometry(place);
    frame->showMaximized();
}

// -- mouse and keys

void CCovermintView::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = PixelToView(event->position().toPoint());
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (event->button() == Qt::LeftButton)
        m_gestures.LeftDown(point, shift);
    else if (event->button() == Qt::RightButton)
        ShowContextMenu(point, event->globalPosition().toPoint());
    emit inputHandled();
}

void CCovermintView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = PixelToView(event->position().toPoint());
    m_gestures.MouseMove(point);
    emit statusTextChanged(m_gestures.StatusText(point));
}

void CCovermintView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (m_gestures.LeftUp(PixelToView(event->position().toPoint()), shift))
        emit toolChanged();
    emit inputHandled();
}

void CCovermintView::FinishGesture()
{
    if (m_gestures.Finish())
        emit toolChanged();
}

void CCovermintView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Not a second press: the double click has its own meaning.
    if (event->button() != Qt::LeftButton)
        return;
    OpenEditorFor(m_gestures.DoubleClick(PixelToView(event->position().toPoint())));
}

void CCovermintView::OpenEditorFor(const PrimitivePtr& primitive)
{
    if (auto* text = dynamic_cast<CTextPrimitive*>(primitive.get())) {
        CTextEditDialog dialog(*text, m_document, this);
        dialog.exec();
        InvalidateView(true);
    } else if (primitive && primitive->IsDirectorySegment()) {
        emit directorySegmentActivated(primitive.get());
    }
}

void CCovermintView::contextMenuEvent(QContextMenuEvent* event)
{
    // The right press has already shown the menu of the primitive.
    event->accept();
}

void CCovermintView::ShowContextMenu(QPoint viewPoint, QPoint globalPos)
{
    const std::optional<CGestureController::ContextTarget> target = m_gestures.RightDown(viewPoint);
    if (!target)
        return;
    std::unique_ptr<QMenu> menu = BuildPrimitiveContextMenu(
        *target->primitive, target->wasSelectable, [this](int id) { OnCommand(id); }, window());
    menu->exec(globalPos);
    // An unselectable primitive was selected only so that the menu could act
    // on it; unless it was made selectable it must not stay selected.
    if (!target->primitive->IsSelectable())
        target->primitive->SetSelected(false);
    InvalidateView(true);
}

void CCovermintView::keyPressEvent(QKeyEvent* event)
{
    if (!m_gestures.KeyDown(event->key(), event->modifiers() & Qt::ShiftModifier))
        QAbstractScrollArea::keyPressEvent(event);
    emit inputHandled();
}

// -- dropped files

void CCovermintView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CCovermintView::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CCovermintView::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasUrls())
        return;
    // The label it lands on becomes the one that commands and the status bar act on.
    activateWindow();
    if (QMdiSubWindow* frame = EnclosingSubWindow(); frame && frame->mdiArea())
        frame->mdiArea()->setActiveSubWindow(frame);
    const QPoint pixel = event->position().toPoint();
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString path = url.isLocalFile() ? url.toLocalFile() : url.toString();
        switch (ClassifyDroppedFile(path)) {
        case DropKind::Image:
            AddImage(path, &pixel);
            break;
        case DropKind::Document:
            emit openDocumentRequested(path);
            break;
        case DropKind::Unknown:
            Prompter().ShowMessage(tr("Unknown Document type"), CPrompter::Icon::Warning);
            break;
        }
    }
    event->acceptProposedAction();
}

bool CCovermintView::AddImage(const QString& fileName, const QPoint* dropPixel)
{
    CDrawingEngine& engine = m_document.Engine();
    if (!dropPixel)
        return engine.AddImage(fileName);
    const QPoint offset = engine.ToLabel(PixelToView(*dropPixel));
    return engine.AddImage(fileName, &offset);
}

// -- tools

void CCovermintView::SelectTool(int commandId)
{
    if (const std::optional<Tool> tool = ToolTable::ForCommand(commandId))
        ToolTable::Select(*tool);
}

bool CCovermintView::IsToolChecked(int commandId)
{
    const std::optional<Tool> tool = ToolTable::ForCommand(commandId);
    return tool && *tool == CDrawingDefaults::Instance().currentTool;
}

bool CCovermintView::IsToolAvailable(int commandId)
{
    return ToolTable::ForCommand(commandId).has_value();
}

// -- commands

std::span<const CommandRoute<CCovermintView>> CCovermintView::Routes()
{
    using View = CCovermintView;
    const auto selection = [](View& view, int id) { view.OnSelectionCommand(id); };
    const auto canRestack = [](const View& view, int) { return view.m_document.Engine().CanRestack(); };
    static const CommandRoute<View> routes[] = {
        {CommandId::MoveToTop, nullptr, selection, canRestack},
        {CommandId::MoveToBottom, nullptr, selection, canRestack},
        {CommandId::Lower, nullptr, selection, canRestack},
        {CommandId::Raise, nullptr, selection, canRestack},
        {CommandId::MakeAllSelectable, nullptr, selection},
        {CommandId::MakeUnselectable, nullptr, selection},
        {CommandId::MakeSelectedMoveable, nullptr, selection},
        {CommandId::MakeSelectedUnmoveable, nullptr, selection},
        {CommandId::ToggleMoveable, nullptr, selection},
        {CommandId::ToggleSelectable, nullptr, selection},
        {CommandId::Colors, nullptr, [](View& view, int) { view.ChooseColors(); }},
        {CommandId::Fonts, nullptr, [](View& view, int) { view.ChooseFont(); }},
        {CommandId::Properties, nullptr, [](View& view, int) { view.ShowProperties(); }},
        {CommandId::AddImage, nullptr, [](View& view, int) { view.ChooseImage(); }},
        {CommandId::Print, nullptr, [](View& view, int) { view.Print(); }},
        {CommandId::PrintPreview, nullptr, [](View& view, int) { view.PrintPreview(); }},
        {CommandId::ZoomIn, nullptr, [](View& view, int) { view.SetZoom(ZoomLadder::Next(view.m_zoom)); }},
        {CommandId::ZoomOut, nullptr, [](View& view, int) { view.SetZoom(ZoomLadder::Previous(view.m_zoom)); }},
        {0, [](int id) { return ZoomLadder::ForCommand(id) != 0; },
         [](View& view, int id) { view.SetZoom(ZoomLadder::ForCommand(id)); }},
        {0, IsPenSize, [](View& view, int id) { ApplyPenWidth(view.m_document, id - CommandId::PenSize1 + 1); }},
        {0, [](int id) { return WidthPresetCommands::For(id).has_value(); },
         [](View& view, int id) { WidthPresetCommands::Apply(view.m_document.Engine(), id); }},
        {0, [](int id) { return ToolTable::ForCommand(id).has_value(); }, [](View&, int id) { SelectTool(id); }},
    };
    return routes;
}

bool CCovermintView::HandlesCommand(int id)
{
    return FindRoute(Routes(), id) != nullptr;
}

bool CCovermintView::IsCommandEnabled(int id) const
{
    const CommandRoute<CCovermintView>* route = FindRoute(Routes(), id);
    return route && route->IsEnabled(*this, id);
}

void CCovermintView::OnCommand(int id)
{
    if (const CommandRoute<CCovermintView>* route = FindRoute(Routes(), id))
        route->run(*this, id);
}

void CCovermintView::OnSelectionCommand(int id)
{
    const std::optional<RestackKind> kind = RestackFor(id);
    CDrawingEngine& engine = m_document.Engine();
    CEditRecorder record = kind ? CEditRecorder(engine, QStringLiteral("Stacking"), CEditRecorder::Scope::OrderOnly)
                                : CEditRecorder(engine, QStringLiteral("Moveable/Selectable"), CEditRecorder::Scope::All);
    if (kind) {
        engine.Restack(*kind);
    } else if (id == CommandId::MakeAllSelectable || id == CommandId::MakeUnselectable) {
        engine.SetSelectable(id == CommandId::MakeAllSelectable);
    } else if (id == CommandId::MakeSelectedMoveable || id == CommandId::MakeSelectedUnmoveable) {
        engine.SetSelectedMoveable(id == CommandId::MakeSelectedMoveable);
    } else {
        ToggleSelectedFlag(id);
    }
    record.Finish();
    InvalidateView(true);
}

void CCovermintView::ToggleSelectedFlag(int id)
{
    const PrimitivePtr primitive = m_document.Engine().FirstSelected();
    if (!primitive)
        return;
    if (id == CommandId::ToggleMoveable) {
        primitive->SetMoveable(!primitive->IsMoveable());
    } else {
        primitive->SetSelectable(!primitive->IsSelectable());
        if (!primitive->IsSelectable())
            primitive->SetSelected(false);
    }
    // Both flags are saved with the label.
    m_document.SetModifiedFlag(true);
}

void CCovermintView::ShowProperties()
{
    const PrimitivePtr primitive = m_document.Engine().FirstSelected();
    if (!primitive) {
        Prompter().ShowMessage(tr("Could not get a selected object"), CPrompter::Icon::Warning);
        return;
    }
    if (std::unique_ptr<CApplyDialog> dialog = CreatePropertiesDialog(*primitive, m_document, this)) {
        // Each Apply is a step of its own; so are edits that took effect at
        // once and were never applied.
        CEditRecorder record(m_document.Engine(), QStringLiteral("Properties"), *primitive);
        connect(dialog.get(), &CApplyDialog::applied, this, [&record] { record.Finish(); });
        dialog->exec();
        record.Finish();
    }
    InvalidateView(true);
}

void CCovermintView::ChooseColors()
{
    CColorPickerDialog dialog(CurrentColorChoice(), this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyColorChoice(m_document, dialog.Choice());
}

void CCovermintView::ChooseFont()
{
    const CDrawingDefaults& defaults = CDrawingDefaults::Instance();
    CFontColorDialog dialog(FontFromSpec(defaults.Font()), defaults.TextColor(), this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyFontChoice(m_document, dialog.SelectedFont(), dialog.TextColor());
}

void CCovermintView::ChooseImage()
{
    ToolTable::Select(Tool::Selection);
    emit toolChanged();
    const QString folder = CPreferences::Instance().HomeFolder() + QStringLiteral("Images");
    const QString path = QFileDialog::getOpenFileName(this, tr("Open"), folder, ImageFileFilter());
    // Whatever was chosen is tried, so a file no reader knows gets its message.
    if (!path.isEmpty())
        AddImage(path);
}

// Both print through the printer Print Setup edits, so its paper is used.
void CCovermintView::Print()
{
    QPrinter& printer = CPrinterSetup::Instance().Printer();
    const CPageTurnForLabel turn(m_document, printer);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString refusal;
    if (!PrintLabel(m_document, printer, &refusal))
        Prompter().ShowMessage(refusal.isEmpty() ? tr("Could not start print job.") : refusal, CPrompter::Icon::Error);
}

void CCovermintView::PrintPreview()
{
    QPrinter& printer = CPrinterSetup::Instance().Printer();
    if (!printer.isValid()) {
        Prompter().ShowMessage(tr("Command failed."), CPrompter::Icon::Error);
        return;
    }
    const CPageTurnForLabel turn(m_document, printer);
    if (const QString refusal = CalibrationRefusal(m_document, printer); !refusal.isEmpty()) {
        Prompter().ShowMessage(refusal, CPrompter::Icon::Error);
        return;
    }
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintLabel(m_document, *target); });
    dialog.exec();
}
