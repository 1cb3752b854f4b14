#pragma once
// What core code uses to talk to the person at the screen: plain messages,
// Yes/No questions and the wait cursor. The window installs a QMessageBox
// implementation; headless modes write to stderr; tests record and script.
#include <QString>

class CPrompter
{
public:
    enum class Icon { None, Information, Warning, Error, Question };

    virtual ~CPrompter() = default;
    virtual void ShowMessage(const QString& text, Icon icon = Icon::None) = 0;
    // Yes/No with a question icon; true means Yes.
    virtual bool AskYesNo(const QString& question) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};

// The prompter in force. Never null: without an installed one, messages go
// to stderr and questions are answered No.
CPrompter& Prompter();
// Installs a prompter (not owned); nullptr restores the stderr one.
void SetPrompter(CPrompter* prompter);

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor
{
public:
    CWaitCursor() { Prompter().BeginWaitCursor(); }
    ~CWaitCursor() { Prompter().EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
