#pragma once
// Undo for the edits that are not moves, handle drags or deletions: the
// stacking order and the full state of the primitives an edit may touch,
// taken before and after it. One recorder around one user action makes one
// undo step, and none when the action changed nothing.
#include "drawing/UndoCommands.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

// State kept outside the engine that an edit changes too (the document's
// header): a fingerprint telling whether it changed, and the way back to it.
struct CExtraState
{
    QString fingerprint;
    std::function<void()> restore;
};
using ExtraStateCapture = std::function<CExtraState()>;

class CEditSnapshot
{
public:
    CEditSnapshot(const CDrawingEngine& engine, const std::vector<PrimitivePtr>& affected,
                  const ExtraStateCapture& extra);
    // Puts the stacking order and every affected primitive back as they were;
    // selection marks stay as they are now.
    void Restore(CDrawingEngine& engine) const;
    bool SameAs(const CEditSnapshot& other) const;

private:
    struct Item
    {
        PrimitivePtr live;
        PrimitivePtr state;
        QByteArray fingerprint;
    };
    std::vector<PrimitivePtr> m_order; // keeps removed primitives alive for undo
    std::vector<Item> m_items;
    CExtraState m_extra;
};

class CUndoSnapshotCommand final : public CCommand
{
public:
    CUndoSnapshotCommand(QString name, CDrawingEngine* engine, CEditSnapshot before, CEditSnapshot after);
    bool Undo() override;
    bool Redo() override;

private:
    void Show(const CEditSnapshot& state);
    CDrawingEngine* m_engine;
    CEditSnapshot m_before;
    CEditSnapshot m_after;
};

class CEditRecorder
{
public:
    enum class Scope { Selected, All, OrderOnly };
    // name: the step's name in the Undo and Redo menu items ("&Undo Paste").
    CEditRecorder(CDrawingEngine& engine, QString name, Scope scope, ExtraStateCapture extra = {});
    // One primitive of the engine (a dialog's).
    CEditRecorder(CDrawingEngine& engine, QString name, const CPrimitive& primitive);

    // Submits one step when something changed since the recorder started (or
    // since the last Finish); recording then goes on from the state now.
    void Finish();

private:
    CDrawingEngine& m_engine;
    QString m_name;
    std::vector<PrimitivePtr> m_affected;
    ExtraStateCapture m_extra;
    std::optional<CEditSnapshot> m_before;
};
