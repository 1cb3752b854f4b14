#include "drawing/CDrawingEngine.h"

#include "base/XmlValues.h"
#include "drawing/CFreehand.h"
#include "drawing/CImagePrimitive.h"
#include "drawing/CRectangle.h"
#include "drawing/CTextPrimitive.h"
#include "drawing/DrawingDefaults.h"
#include "drawing/EditSnapshot.h"
#include "drawing/FontHolder.h"
#include "drawing/PensAndFonts.h"
#include "drawing/PrimitiveClipboard.h"
#include "drawing/PrimitiveKinds.h"

#include <QCoreApplication>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kPasteDx = 5;
constexpr int kPasteDy = -5;
constexpr int kShadowWidth = 20;
constexpr int kPageOutlineWidth = 3;

// Room around a primitive's box for its selection handles, in view units.
constexpr int kHandleMargin = 8;
// Label units are hundredths of an inch.
constexpr double kUnitsPerPoint = 100.0 / 72.0;

// The part of the view the painter's device shows, in view units.
QRectF VisibleArea(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    QRectF area = painter.transform().inverted().mapRect(QRectF(0, 0, device->width(), device->height()));
    if (painter.hasClipping())
        area &= painter.clipBoundingRect();
    return area;
}

} // namespace

std::optional<QRectF> CDrawingEngine::PaintedArea(const CPrimitive& primitive) const
{
    LRect box(primitive.GetTopLeft(), primitive.GetBottomRight());
    int margin = kHandleMargin;
    if (const auto* text = dynamic_cast<const CTextPrimitive*>(&primitive)) {
        // Not yet measured: only drawing tells its size.
        if (text->ExtentCorner() == text->Anchor())
            return std::nullopt;
        box = text->BoundingBox();
        // Glyphs may reach a little beyond the measured advance.
        margin += ToView(std::abs(box.top - box.bottom)) / 2;
    } else if (const auto* shape = dynamic_cast<const CRectangle*>(&primitive)) {
        margin += ToView(shape->PenWidth());
        // A listing keeps its rows inside its box, but glyphs and the mark
        // of what it leaves out reach a little past it.
        if (const auto* listing = dynamic_cast<const IFontHolder*>(&primitive))
            margin += int(std::ceil(ToViewD(CTextPrimitive::DrawableFont(listing->Font()).pointSize * kUnitsPerPoint)))
                      + kHandleMargin;
    } else if (const auto* stroke = dynamic_cast<const CFreehand*>(&primitive)) {
        margin += ToView(stroke->PenWidth());
    }
    const QPointF low = ToView(QPoint(box.MinX(), box.MinY()));
    const QPointF high = ToView(QPoint(box.MaxX(), box.MaxY()));
    return QRectF(low, high).normalized().adjusted(-margin, -margin, margin, margin);
}

namespace {

// False only when nothing the primitive paints can fall inside the area
// (view units).
bool MayPaintInside(const CDrawingEngine& engine, const CPrimitive& primitive, const QRectF& viewArea)
{
    // A directory listing continues in the next segment of its name, so each
    // one is laid out even where it cannot show.
    if (primitive.IsDirectorySegment())
        return true;
    const std::optional<QRectF> area = engine.PaintedArea(primitive);
    return !area || area->intersects(viewArea);
}

// Restores the zoom and the printing flag however rendering ends.
class PrintingScope
{
public:
    PrintingScope(int& zoomOverride, bool& printing, bool printingNow)
        : m_zoomOverride(zoomOverride)
        , m_printing(printing)
    {
        m_printing = printingNow;
        m_zoomOverride = printingNow ? 100 : 0;
    }
    ~PrintingScope()
    {
        m_zoomOverride = 0;
        m_printing = false;
    }
    PrintingScope(const PrintingScope&) = delete;
    PrintingScope& operator=(const PrintingScope&) = delete;

private:
    int& m_zoomOverride;
    bool& m_printing;
};
} // namespace

CDrawingEngine::CDrawingEngine(ILabelDocument* document)
    : m_document(document)
{
}

CDrawingEngine::~CDrawingEngine() = default;

// ------------------------------------------------------------------ the list

bool CDrawingEngine::Contains(const CPrimitive* primitive) const
{
    return IndexOf(primitive) < int(m_primitives.size());
}

int CDrawingEngine::IndexOf(const CPrimitive* primitive) const
{
    const auto it = std::find_if(m_primitives.begin(), m_primitives.end(),
                                 [primitive](const PrimitivePtr& p) { return p.get() == primitive; });
    return int(it - m_primitives.begin());
}

PrimitivePtr CDrawingEngine::FirstSelected() const
{
    for (const PrimitivePtr& p : m_primitives)
        if (p->IsSelected())
            return p;
    return nullptr;
}

bool CDrawingEngine::CanRestack() const
{
    bool anySelected = false;
    bool anyUnselected = false;
    for (const PrimitivePtr& p : m_primitives)
        (p->IsSelected() ? anySelected : anyUnselected) = true;
    return anySelected && anyUnselected;
}

void CDrawingEngine::Append(PrimitivePtr primitive)
{
    InsertAt(std::move(primitive), int(m_primitives.size()));
}

void CDrawingEngine::InsertAt(PrimitivePtr primitive, int index)
{
    if (!primitive || Contains(primitive.get()))
        return;
    primitive->SetOwner(this);
    index = std::clamp(index, 0, int(m_primitives.size()));
    m_primitives.insert(m_primitives.begin() + index, std::move(primitive));
}

void CDrawingEngine::Remove(const CPrimitive* primitive)
{
    std::erase_if(m_primitives, [primitive](const PrimitivePtr& p) { return p.get() == primitive; });
}

void CDrawingEngine::SetPrimitives(std::vector<PrimitivePtr> primitives)
{
    for (const PrimitivePtr& p : primitives)
        p->SetOwner(this);
    m_primitives = std::move(primitives);
}

void CDrawingEngine::DeleteAll()
{
    m_primitives.clear();
}

// ----------------------------------------------------------------- selection

void CDrawingEngine::SelectAt(QPoint viewPoint, bool shift)
{
    for (auto it = m_primitives.rbegin(); it != m_primitives.rend(); ++it) {
        if ((*it)->GrabHandle(viewPoint)) {
            DeselectAll(); // this also drops the grab just made
            (*it)->GrabHandle(viewPoint);
            return;
        }
    }
    for (auto it = m_primitives.rbegin(); it != m_primitives.rend(); ++it) {
        CPrimitive& hit = **it;
        if (!hit.HitTest(viewPoint))
            continue;
        if (shift) {
            hit.SetSelected(!hit.IsSelected());
        } else if (!hit.IsSelected()) {
            DeselectAll();
            hit.SetSelected(true);
        }
        return;
    }
    if (!shift)
        DeselectAll();
}

void CDrawingEngine::SelectInRect(const LRect& labelRect, bool shift)
{
    if (!shift)
        DeselectAll();
    for (auto it = m_primitives.rbegin(); it != m_primitives.rend(); ++it)
        (*it)->SelectIfIntersects(labelRect);
}

void CDrawingEngine::SelectAll()
{
    for (const PrimitivePtr& p : m_primitives)
        p->SetSelected(true);
}

bool CDrawingEngine::DeselectAll()
{
    bool any = false;
    for (const PrimitivePtr& p : m_primitives) {
        if (p->IsSelected()) {
            p->SetSelected(false);
            any = true;
        }
    }
    return any;
}

void CDrawingEngine::SettleAll()
{
    for (const PrimitivePtr& p : m_primitives)
        if (p->IsSelected())
            p->SettleSelection();
}

// ------------------------------------------------------------------- editing

void CDrawingEngine::MoveSelected(int dx, int dy)
{
    if (m_pendingMove)
        m_pendingMove->AddOffset(dx, dy);
    for (const PrimitivePtr& p : m_primitives) {
        if (!p->IsSelected() || !p->IsMoveable())
            continue;
        // The reshape snapshot must be taken before the first change.
        if (m_pendingReshape && p->IsHandleGrabbed() && !m_pendingReshape->GetPrimitive())
            m_pendingReshape->SetPrimitive(p);
        p->MoveBy(dx, dy);
        if (m_pendingMove && !p->IsHandleGrabbed())
            m_pendingMove->AddPrimitive(p);
    }
}

void CDrawingEngine::DeleteSelected()
{
    auto command = std::make_unique<CUndoDeleteCommand>(this);
    for (std::size_t i = 0; i < m_primitives.size();) {
        if (m_primitives[i]->IsSelected()) {
            command->AddPrimitive(m_primitives[i]);
            m_primitives.erase(m_primitives.begin() + std::ptrdiff_t(i));
        } else {
            ++i;
        }
    }
    if (command->Count() == 0)
        return;
    MarkModified();
    SubmitCommand(std::move(command));
}

void CDrawingEngine::Restack(RestackKind kind)
{
    const std::vector<PrimitivePtr> before = m_primitives;
    const auto selected = [](const PrimitivePtr& p) { return p->IsSelected(); };
    const int n = int(m_primitives.size());
    switch (kind) {
    case RestackKind::Raise:
        // Top down: an unselected primitive drops below a selected one under it.
        for (int i = n - 1; i > 0; --i)
            if (!selected(m_primitives[i]) && selected(m_primitives[i - 1]))
                std::swap(m_primitives[i], m_primitives[i - 1]);
        break;
    case RestackKind::Lower:
        for (int i = 0; i + 1 < n; ++i)
            if (!selected(m_primitives[i]) && selected(m_primitives[i + 1]))
                std::swap(m_primitives[i], m_primitives[i + 1]);
        break;
    case RestackKind::MoveToTop:
        std::stable_partition(m_primitives.begin(), m_primitives.end(), [&](const PrimitivePtr& p) { return !selected(p); });
        break;
    case RestackKind::MoveToBottom:
        std::stable_partition(m_primitives.begin(), m_primitives.end(), selected);
        break;
    }
    // The stacking order is saved with the label, so a change must be saved.
    if (m_primitives != before)
        MarkModified();
}

void CDrawingEngine::SetSelectedMoveable(bool v)
{
    for (const PrimitivePtr& p : m_primitives)
        if (p->IsSelected())
            p->SetMoveable(v);
    MarkModified();
}

void CDrawingEngine::SetSelectable(bool v)
{
    for (const PrimitivePtr& p : m_primitives)
        if (v || p->IsSelected())
            p->SetSelectable(v);
    if (!v) {
        DeselectAll();
        UpdateAllViews();
    }
    MarkModified();
}

// ----------------------------------------------------------------- clipboard

void CDrawingEngine::Cut()
{
    Copy();
    const auto removed = std::erase_if(m_primitives, [](const PrimitivePtr& p) { return p->IsSelected(); });
    if (removed > 0)
        MarkModified();
}

void CDrawingEngine::Copy()
{
    std::vector<PrimitivePtr> selected;
    for (const PrimitivePtr& p : m_primitives)
        if (p->IsSelected())
            selected.push_back(p);
    PrimitiveClipboard::CopyOf(selected);
}

void CDrawingEngine::Paste()
{
    if (PrimitiveClipboard::IsEmpty())
        return;
    DeselectAll();
    for (const PrimitivePtr& source : PrimitiveClipboard::Contents()) {
        PrimitivePtr copy = source->Clone();
        if (!copy)
            continue;
        copy->SetOwner(this);
        copy->MoveBy(kPasteDx, kPasteDy);
        copy->SetSelected(true);
        Append(std::move(copy));
    }
    MarkModified();
}

// ------------------------------------------------------ attributes of the selection

template <class Kind, class Change>
void CDrawingEngine::ChangeSelected(Change change)
{
    bool changed = false;
    for (const PrimitivePtr& p : m_primitives) {
        if (!p->IsSelected())
            continue;
        if (auto* kind = dynamic_cast<Kind*>(p.get())) {
            change(*kind);
            changed = true;
        }
    }
    if (changed)
        MarkModified();
}

void CDrawingEngine::SetSelectedFillColour(ColorRef c)
{
    ChangeSelected<CPrimitive>([c](CPrimitive& p) { p.SetFillColor(c); });
}

void CDrawingEngine::SetSelectedLineColour(ColorRef c)
{
    ChangeSelected<CPrimitive>([c](CPrimitive& p) { p.SetLineColor(c); });
}

void CDrawingEngine::SetSelectedTextColour(ColorRef c)
{
    ChangeSelected<CPrimitive>([c](CPrimitive& p) { p.SetTextColor(c); });
}

void CDrawingEngine::SetSelectedHollowFill(bool v)
{
    ChangeSelected<CRectangle>([v](CRectangle& p) { p.SetHollowFill(v); });
}

void CDrawingEngine::SetSelectedPenWidth(int w)
{
    ChangeSelected<CRectangle>([w](CRectangle& p) { p.SetPenWidth(w); });
    ChangeSelected<CFreehand>([w](CFreehand& p) { p.SetPenWidth(w); });
}

void CDrawingEngine::ApplyCurrentFont()
{
    const FontSpec font = CDrawingDefaults::Instance().Font();
    ChangeSelected<IFontHolder>([&font](IFontHolder& p) { p.SetFont(font); });
}

// ----------------------------------------- directory segments and special texts

PrimitivePtr CDrawingEngine::FindSegment(const QString& segmentName) const
{
    for (const PrimitivePtr& p : m_primitives)
        if (p->IsDirectorySegment() && p->GetSegmentName() == segmentName)
            return p;
    return nullptr;
}

QStringList CDrawingEngine::SegmentNames() const
{
    QStringList names;
    for (const PrimitivePtr& p : m_primitives)
        if (p->IsDirectorySegment() && !names.contains(p->GetSegmentName()))
            names.append(p->GetSegmentName());
    return names;
}

void CDrawingEngine::SetTextByName(const QString& specialName, const QString& value)
{
    for (const PrimitivePtr& p : m_primitives)
        if (auto* text = dynamic_cast<CTextPrimitive*>(p.get()); text && text->GetName() == specialName)
            text->SetText(value);
    MarkModified();
}

bool CDrawingEngine::AddImage(const QString& fileName, const QPoint* offset)
{
    auto image = std::make_shared<CImagePrimitive>(this);
    if (!image->LoadFile(fileName))
        return false;
    CEditRecorder record(*this, QStringLiteral("Add Image"), CEditRecorder::Scope::OrderOnly);
    Append(image);
    DeselectAll();
    image->SetSelected(true);
    if (offset)
        image->MoveBy(offset->x(), offset->y());
    MarkModified();
    record.Finish();
    UpdateAllViews();
    return true;
}

// ------------------------------------------------------------ pending commands

void CDrawingEngine::BeginPendingCommands()
{
    m_pendingMove = std::make_unique<CUndoMoveCommand>(this);
    m_pendingReshape = std::make_unique<CUndoReshapeCommand>(this);
}

void CDrawingEngine::BeginPendingMove()
{
    m_pendingMove = std::make_unique<CUndoMoveCommand>(this);
    m_pendingReshape.reset();
}

void CDrawingEngine::SubmitPendingCommands()
{
    std::unique_ptr<CUndoMoveCommand> move = std::move(m_pendingMove);
    std::unique_ptr<CUndoReshapeCommand> reshape = std::move(m_pendingReshape);
    // A drag that came back to where it started moved nothing worth undoing.
    if (move && move->Count() > 0 && move->Offset() != QPoint(0, 0))
        SubmitCommand(std::move(move));
    if (reshape && reshape->GetPrimitive())
        SubmitCommand(std::move(reshape));
}

// ----------------------------------------------------- drawing and conversion

void CDrawingEngine::Render(QPainter& painter, const RenderOptions& options)
{
    if (!painter.isActive())
        return;
    PrintingScope scope(m_zoomOverride, m_printing, options.printing);
    static quint64 renderPasses = 0;
    m_renderPass = ++renderPasses;
    if (!options.printing && options.from == 0) {
        painter.save();
        painter.resetTransform();
        const QPaintDevice* device = painter.device();
        painter.fillRect(QRect(0, 0, device->width(), device->height()), Qt::white);
        painter.restore();
        DrawPageOutline(painter, options.pageSize);
    }
    // The screen draws only what can show; printing draws everything, as
    // drawing also measures texts.
    const QRectF visible = options.printing ? QRectF() : VisibleArea(painter);
    const std::size_t end = std::min(options.to, m_primitives.size());
    for (std::size_t i = options.from; i < end; ++i) {
        const PrimitivePtr& p = m_primitives[i];
        if (!options.printing && !MayPaintInside(*this, *p, visible))
            continue;
        painter.save();
        p->Draw(painter);
        painter.restore();
    }
}

void CDrawingEngine::DrawPageOutline(QPainter& painter, QSize pageSize)
{
    const int w = pageSize.width();
    const int h = pageSize.height();
    // A rectangle given by a corner and signed extents, each zoomed on its own.
    const auto viewRect = [this](int x, int y, int dx, int dy) {
        const QPoint a = ToView(QPoint(x, y));
        const QPoint b = a + QPoint(ToView(dx), ToView(dy));
        return QRect(a, b).normalized().adjusted(0, 0, -1, -1);
    };
    const QColor shadow(192, 192, 192);
    painter.fillRect(viewRect(w - 5, -kShadowWidth, kShadowWidth, 5 - h), shadow);
    painter.fillRect(viewRect(kShadowWidth, 5 - h, w - 5, -kShadowWidth), shadow);

    const QPoint outline[] = {ToView(QPoint(0, 0)), ToView(QPoint(0, 5 - h)), ToView(QPoint(w - 6, 5 - h)),
                              ToView(QPoint(w - 6, 0))};
    painter.save();
    painter.setPen(QPen(Qt::black, kPageOutlineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline, 4);
    painter.restore();
}

int CDrawingEngine::ZoomPercent() const
{
    if (m_zoomOverride > 0)
        return m_zoomOverride;
    const int zoom = m_view ? m_view->ZoomPercent() : 100;
    return zoom > 0 ? zoom : 100;
}

int CDrawingEngine::GrabTolerance() const
{
    return GrabToleranceAtZoom(ZoomPercent());
}

// ---------------------------------------------------------------- persistence

void CDrawingEngine::Persist(bool storing, pugi::xml_node root)
{
    if (!root)
        return;
    if (storing) {
        const pugi::xml_node engineElement = WriteContainer(root, "DRAWINGENGINE");
        for (const PrimitivePtr& p : m_primitives)
            p->Persist(true, engineElement);
        return;
    }
    const pugi::xml_node engineElement = root.child("DRAWINGENGINE");
    for (pugi::xml_node element = engineElement.child("PRIMITIVE"); element; element = element.next_sibling("PRIMITIVE")) {
        QString type;
        ReadString(element, "PRIMTYPE", type);
        PrimitivePtr primitive = CreateByType(type);
        // A fresh primitive cannot be in the list yet, so it is added without
        // the search Append makes (loading stays linear).
        if (primitive && primitive->Persist(false, element))
            m_primitives.push_back(std::move(primitive));
    }
}

PrimitivePtr CDrawingEngine::CreateByType(const QString& typeName)
{
    return CreatePrimitiveOfKind(typeName, this);
}

// ------------------------------------------------------------- document hooks

void CDrawingEngine::MarkModified()
{
    if (m_document)
        m_document->MarkModified();
}

void CDrawingEngine::UpdateAllViews()
{
    if (m_document)
        m_document->UpdateAllViews();
}

void CDrawingEngine::SubmitCommand(std::unique_ptr<CCommand> command)
{
    if (m_document)
        m_document->SubmitCommand(std::move(command));
}
