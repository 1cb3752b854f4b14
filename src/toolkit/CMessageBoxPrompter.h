#pragma once
// The window's prompter: message boxes, Yes/No questions with a question
// icon, and the wait cursor as an application override cursor.
#include "platform/Prompter.h"

class QWidget;

class CMessageBoxPrompter final : public CPrompter
{
public:
    // parent: the window the boxes are centred on (may be null).
    explicit CMessageBoxPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    void ShowMessage(const QString& text, Icon icon = Icon::None) override;
    bool AskYesNo(const QString& question) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    QWidget* m_parent;
};
