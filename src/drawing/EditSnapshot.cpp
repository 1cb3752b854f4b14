#include "drawing/EditSnapshot.h"

#include "drawing/CDrawingEngine.h"

#include <sstream>

namespace {

// Everything a primitive saves, so two equal fingerprints mean nothing a
// user can see or save has changed.
QByteArray Fingerprint(CPrimitive& primitive)
{
    pugi::xml_document document;
    primitive.Persist(true, document.append_child("DRAWINGENGINE"));
    std::ostringstream out;
    document.save(out, "", pugi::format_raw);
    return QByteArray::fromStdString(out.str());
}

// A copy exact in the fields an edit can change; a plain copy takes some
// kinds' natural size and leaves the flags behind.
PrimitivePtr ExactCopy(const CPrimitive& primitive)
{
    PrimitivePtr copy = primitive.Clone();
    copy->SetSelectable(primitive.IsSelectable());
    copy->SetMoveable(primitive.IsMoveable());
    QPoint c1, c2;
    if (primitive.GetCorners(c1, c2))
        copy->SetCorners(c1, c2);
    return copy;
}

void RestoreFrom(CPrimitive& live, const CPrimitive& state)
{
    const bool selected = live.IsSelected();
    live.Assign(state);
    live.SetSelectable(state.IsSelectable());
    live.SetMoveable(state.IsMoveable());
    QPoint c1, c2;
    if (state.GetCorners(c1, c2))
        live.SetCorners(c1, c2);
    live.SetSelected(selected && live.IsSelectable());
}

} // namespace

CEditSnapshot::CEditSnapshot(const CDrawingEngine& engine, const std::vector<PrimitivePtr>& affected,
                             const ExtraStateCapture& extra)
    : m_order(engine.Primitives())
{
    m_items.reserve(affected.size());
    for (const PrimitivePtr& p : affected)
        m_items.push_back({p, ExactCopy(*p), Fingerprint(*p)});
    if (extra)
        m_extra = extra();
}

void CEditSnapshot::Restore(CDrawingEngine& engine) const
{
    engine.SetPrimitives(m_order);
    for (const Item& item : m_items)
        RestoreFrom(*item.live, *item.state);
    if (m_extra.restore)
        m_extra.restore();
}

bool CEditSnapshot::SameAs(const CEditSnapshot& other) const
{
    if (m_order != other.m_order || m_items.size() != other.m_items.size()
        || m_extra.fingerprint != other.m_extra.fingerprint)
        return false;
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].live != other.m_items[i].live || m_items[i].fingerprint != other.m_items[i].fingerprint)
            return false;
    return true;
}

CUndoSnapshotCommand::CUndoSnapshotCommand(QString name, CDrawingEngine* engine, CEditSnapshot before,
                                           CEditSnapshot after)
    : CCommand(std::move(name)), m_engine(engine), m_before(std::move(before)), m_after(std::move(after))
{
}

bool CUndoSnapshotCommand::Undo()
{
    Show(m_before);
    return true;
}

bool CUndoSnapshotCommand::Redo()
{
    Show(m_after);
    return true;
}

void CUndoSnapshotCommand::Show(const CEditSnapshot& state)
{
    if (!m_engine)
        return;
    state.Restore(*m_engine);
    m_engine->MarkModified();
    m_engine->UpdateAllViews();
}

CEditRecorder::CEditRecorder(CDrawingEngine& engine, QString name, Scope scope, ExtraStateCapture extra)
    : m_engine(engine), m_name(std::move(name)), m_extra(std::move(extra))
{
    if (scope != Scope::OrderOnly)
        for (const PrimitivePtr& p : engine.Primitives())
            if (scope == Scope::All || p->IsSelected())
                m_affected.push_back(p);
    m_before.emplace(m_engine, m_affected, m_extra);
}

CEditRecorder::CEditRecorder(CDrawingEngine& engine, QString name, const CPrimitive& primitive)
    : m_engine(engine), m_name(std::move(name))
{
    for (const PrimitivePtr& p : engine.Primitives())
        if (p.get() == &primitive)
            m_affected.push_back(p);
    m_before.emplace(m_engine, m_affected, m_extra);
}

void CEditRecorder::Finish()
{
    CEditSnapshot after(m_engine, m_affected, m_extra);
    if (after.SameAs(*m_before))
        return;
    m_engine.SubmitCommand(std::make_unique<CUndoSnapshotCommand>(m_name, &m_engine, std::move(*m_before), after));
    m_before.emplace(std::move(after));
}
