#pragma once
// What the drawing engine needs from the document that owns it.
#include <memory>

class CCommand;

class ILabelDocument
{
public:
    virtual ~ILabelDocument() = default;
    virtual void MarkModified() = 0;
    virtual void UpdateAllViews() = 0;
    // Runs the command and keeps it for undo.
    virtual void SubmitCommand(std::unique_ptr<CCommand> command) = 0;
};
