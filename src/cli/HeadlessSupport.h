#pragma once
// What the headless modes share: one-line messages on stderr, and reading
// the label or template a mode works on.
#include "platform/Prompter.h"

#include <QString>

class CCovermintDoc;

// "covermint: text" on stderr.
void PrintError(const QString& text);

// Shows the messages the loading code would put in a window as one line
// each on stderr, naming the file they concern, while it exists.
class CFilePrompter final : public CPrompter
{
public:
    explicit CFilePrompter(QString file);
    ~CFilePrompter() override;
    CFilePrompter(const CFilePrompter&) = delete;
    CFilePrompter& operator=(const CFilePrompter&) = delete;

    void ShowMessage(const QString& text, Icon) override;
    bool AskYesNo(const QString&) override { return false; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

private:
    QString m_file;
    CPrompter* m_previous = nullptr;
};

// Reads a label or template; false, with a message, when it cannot be read
// or is not a label (the window would open it as an empty one).
bool LoadLabelInput(CCovermintDoc& document, const QString& path);

// Saves the label as out: the exit status, with one line on stderr when
// it cannot be written.
int SaveLabelOutput(CCovermintDoc& document, const QString& out);

// A template path as given, or relative to the home folder's Templates.
QString ResolveTemplate(const QString& name);
