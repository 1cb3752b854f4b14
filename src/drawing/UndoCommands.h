#pragma once
// Undo and redo: a bounded list of commands and the three kinds of command
// that gestures make (move, reshape, delete).
#include "drawing/CPrimitive.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <set>
#include <vector>

class CDrawingEngine;

class CCommand
{
public:
    explicit CCommand(QString name = QStringLiteral("Move")) : m_name(std::move(name)) {}
    virtual ~CCommand() = default;
    virtual bool Undo() = 0;
    virtual bool Redo() = 0;
    virtual bool CanUndo() const { return m_canUndo; }
    virtual QString GetName() const { return m_name; }

private:
    bool m_canUndo = true;
    QString m_name;
};

class CCommandProcessor
{
public:
    explicit CCommandProcessor(int limit = 40) : m_limit(limit) {}
    ~CCommandProcessor() { ClearAll(); }

    void SetLimit(int limit) { m_limit = limit; }
    int Limit() const { return m_limit; }
    bool Submit(std::unique_ptr<CCommand> command);
    bool Undo();
    bool Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    void Reset() { ClearAll(); UpdateLabels(); }
    void ClearAll();
    // Menu texts ("&Undo Move", "Can't &Undo", "&Redo Move"); see UndoText().
    void UpdateLabels();
    QString UndoText() const { return m_undoText; }
    QString RedoText() const { return m_redoText; }
    int Count() const { return int(m_commands.size()); }
    // The state reached now is the one on disk; IsAtSavedStep tells whether
    // undo or redo have come back to it.
    void MarkSaved() { m_savedState = CurrentState(); }
    bool IsAtSavedStep() const { return CurrentState() == m_savedState; }
    // A change undo cannot take back was made: no step is the saved one now.
    void ForgetSavedStep() { m_savedState = kNoState; }

private:
    // Each state between commands has its own number: the one after a
    // command is that command's, the one before the oldest kept is m_baseState.
    std::uint64_t CurrentState() const;

    int m_limit;
    std::vector<std::unique_ptr<CCommand>> m_commands; // oldest first
    std::vector<std::uint64_t> m_states;               // after each command
    std::uint64_t m_baseState = 0;
    std::uint64_t m_nextState = 1;
    static constexpr std::uint64_t kNoState = ~std::uint64_t(0);
    std::uint64_t m_savedState = 0;
    int m_position = -1; // index of the command the next Undo undoes; -1 none
    QString m_undoText = QStringLiteral("&Undo");
    QString m_redoText = QStringLiteral("&Redo");
};

class CUndoMoveCommand final : public CCommand
{
public:
    explicit CUndoMoveCommand(CDrawingEngine* engine) : m_engine(engine) {}
    void AddPrimitive(const PrimitivePtr& primitive);
    void AddOffset(int dx, int dy) { m_offset += QPoint(dx, dy); }
    int Count() const { return int(m_primitives.size()); }
    QPoint Offset() const { return m_offset; }
    bool Undo() override;
    bool Redo() override;

private:
    void MoveAll(QPoint by);
    CDrawingEngine* m_engine;
    // Ordered by owner so that a drag, which adds every moved primitive at
    // each mouse move, finds the known ones quickly.
    std::set<std::weak_ptr<CPrimitive>, std::owner_less<std::weak_ptr<CPrimitive>>> m_primitives;
    QPoint m_offset;
};

class CUndoReshapeCommand final : public CCommand
{
public:
    explicit CUndoReshapeCommand(CDrawingEngine* engine) : m_engine(engine) {}
    void SetPrimitive(const PrimitivePtr& primitive);
    PrimitivePtr GetPrimitive() const { return m_primitive.lock(); }
    int ClassCode() const { return m_classCode; }
    bool Undo() override;
    bool Redo() override;

private:
    void Restore(CPrimitive& primitive, const CPrimitive& state);
    CDrawingEngine* m_engine;
    PrimitivePtr m_before;
    PrimitivePtr m_after;
    std::weak_ptr<CPrimitive> m_primitive;
    int m_classCode = 0;
};

// Class codes of the reshape command: 5 ellipse, 4 rounded rectangle, 3 the
// rest of the rectangle family, 1 freehand, 6 text, 7 image, 0 unknown.
int ReshapeClassCode(const CPrimitive& primitive);

struct CPrimitiveAndIndex
{
    PrimitivePtr primitive;
    int index = -1;
};

class CUndoDeleteCommand final : public CCommand
{
public:
    explicit CUndoDeleteCommand(CDrawingEngine* engine) : m_engine(engine) {}
    void AddPrimitive(const PrimitivePtr& primitive);
    int Count() const { return int(m_records.size()); }
    bool Undo() override;
    bool Redo() override;

private:
    CDrawingEngine* m_engine;
    std::vector<CPrimitiveAndIndex> m_records;
};
