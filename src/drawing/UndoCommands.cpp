#include "drawing/UndoCommands.h"

#include "drawing/CDrawingEngine.h"
#include "drawing/CFreehand.h"
#include "drawing/CImagePrimitive.h"
#include "drawing/CRectangle.h"
#include "drawing/CTextPrimitive.h"

#include <algorithm>

// ---------------------------------------------------------- CCommandProcessor

bool CCommandProcessor::Submit(std::unique_ptr<CCommand> command)
{
    if (!command)
        return false;
    if (!m_commands.empty() && int(m_commands.size()) >= m_limit) {
        m_commands.erase(m_commands.begin());
        m_baseState = m_states.front();
        m_states.erase(m_states.begin());
        if (m_position >= 0)
            --m_position; // the oldest as current becomes none (-1)
    }
    // A new command discards the redo branch, or everything without a position.
    m_commands.erase(m_commands.begin() + (m_position + 1), m_commands.end());
    m_states.erase(m_states.begin() + (m_position + 1), m_states.end());
    m_commands.push_back(std::move(command));
    m_states.push_back(m_nextState++);
    m_position = int(m_commands.size()) - 1;
    UpdateLabels();
    return true;
}

bool CCommandProcessor::Undo()
{
    if (m_position < 0)
        return false;
    CCommand& current = *m_commands[std::size_t(m_position)];
    if (!current.CanUndo() || !current.Undo())
        return false;
    --m_position;
    UpdateLabels();
    return true;
}

bool CCommandProcessor::Redo()
{
    const int next = m_position + 1;
    if (next >= int(m_commands.size()))
        return false;
    if (!m_commands[std::size_t(next)]->Redo())
        return false;
    m_position = next;
    UpdateLabels();
    return true;
}

bool CCommandProcessor::CanUndo() const
{
    return m_position >= 0 && m_commands[std::size_t(m_position)]->CanUndo();
}

bool CCommandProcessor::CanRedo() const
{
    return m_position + 1 < int(m_commands.size());
}

void CCommandProcessor::ClearAll()
{
    const bool saved = IsAtSavedStep();
    // Oldest first, as the commands were made.
    for (auto& command : m_commands)
        command.reset();
    m_commands.clear();
    m_states.clear();
    m_position = -1;
    m_baseState = m_nextState++;
    if (saved)
        m_savedState = m_baseState;
}

std::uint64_t CCommandProcessor::CurrentState() const
{
    return m_position >= 0 ? m_states[std::size_t(m_position)] : m_baseState;
}

void CCommandProcessor::UpdateLabels()
{
    const auto withName = [](const QString& base, const QString& name) {
        return name.isEmpty() ? base : base + QLatin1Char(' ') + name;
    };
    const QString redo = QStringLiteral("&Redo");
    if (m_position >= 0) {
        const CCommand& current = *m_commands[std::size_t(m_position)];
        m_undoText = withName(current.CanUndo() ? QStringLiteral("&Undo") : QStringLiteral("Can't &Undo"), current.GetName());
        m_redoText = CanRedo() ? withName(redo, m_commands[std::size_t(m_position) + 1]->GetName()) : redo;
    } else {
        m_undoText = QStringLiteral("&Undo");
        m_redoText = m_commands.empty() ? redo : withName(redo, m_commands.front()->GetName());
    }
}

// ------------------------------------------------------------------- commands

int ReshapeClassCode(const CPrimitive& primitive)
{
    if (dynamic_cast<const CEllipse*>(&primitive))
        return 5;
    if (dynamic_cast<const CRoundedRect*>(&primitive))
        return 4;
    if (dynamic_cast<const CRectangle*>(&primitive))
        return 3;
    if (dynamic_cast<const CFreehand*>(&primitive))
        return 1;
    if (dynamic_cast<const CTextPrimitive*>(&primitive))
        return 6;
    if (dynamic_cast<const CImagePrimitive*>(&primitive))
        return 7;
    return 0;
}

void CUndoMoveCommand::AddPrimitive(const PrimitivePtr& primitive)
{
    if (primitive)
        m_primitives.insert(primitive);
}

bool CUndoMoveCommand::Undo()
{
    MoveAll(-m_offset);
    return true;
}

bool CUndoMoveCommand::Redo()
{
    MoveAll(m_offset);
    return true;
}

void CUndoMoveCommand::MoveAll(QPoint by)
{
    if (!m_engine)
        return;
    // Primitives cut or deleted since the move are skipped; a sorted copy of
    // the engine's list keeps the membership test cheap for big moves.
    std::vector<const CPrimitive*> present;
    present.reserve(m_engine->Primitives().size());
    for (const PrimitivePtr& p : m_engine->Primitives())
        present.push_back(p.get());
    std::sort(present.begin(), present.end());
    for (const std::weak_ptr<CPrimitive>& weak : m_primitives) {
        const PrimitivePtr p = weak.lock();
        if (p && std::binary_search(present.begin(), present.end(), p.get()))
            p->MoveBy(by.x(), by.y());
    }
    m_engine->MarkModified();
    m_engine->UpdateAllViews();
}

void CUndoReshapeCommand::SetPrimitive(const PrimitivePtr& primitive)
{
    if (!primitive)
        return;
    m_primitive = primitive;
    m_before = primitive->ShapeSnapshot();
    m_after.reset();
    m_classCode = ReshapeClassCode(*primitive);
}

bool CUndoReshapeCommand::Undo()
{
    const PrimitivePtr p = m_primitive.lock();
    if (!p || !m_engine || !m_engine->Contains(p.get()) || !m_before)
        return true;
    if (!m_after)
        m_after = p->ShapeSnapshot();
    Restore(*p, *m_before);
    return true;
}

bool CUndoReshapeCommand::Redo()
{
    const PrimitivePtr p = m_primitive.lock();
    if (!p || !m_engine || !m_engine->Contains(p.get()) || !m_after)
        return true;
    Restore(*p, *m_after);
    return true;
}

void CUndoReshapeCommand::Restore(CPrimitive& primitive, const CPrimitive& state)
{
    primitive.RestoreShape(state);
    m_engine->MarkModified();
    m_engine->UpdateAllViews();
}

void CUndoDeleteCommand::AddPrimitive(const PrimitivePtr& primitive)
{
    if (!primitive)
        return;
    const bool known = std::any_of(m_records.begin(), m_records.end(),
                                   [&primitive](const CPrimitiveAndIndex& r) { return r.primitive == primitive; });
    if (known)
        return;
    const int index = m_engine ? m_engine->IndexOf(primitive.get()) : -1;
    m_records.push_back({primitive, index});
}

bool CUndoDeleteCommand::Redo()
{
    if (!m_engine)
        return true;
    for (const CPrimitiveAndIndex& record : m_records)
        m_engine->Remove(record.primitive.get());
    m_engine->MarkModified();
    m_engine->UpdateAllViews();
    return true;
}

bool CUndoDeleteCommand::Undo()
{
    if (!m_engine)
        return true;
    // InsertAt skips a primitive that is already back in the engine.
    for (auto it = m_records.rbegin(); it != m_records.rend(); ++it)
        m_engine->InsertAt(it->primitive, it->index);
    m_engine->MarkModified();
    m_engine->UpdateAllViews();
    return true;
}
