#include "platform/Prompter.h"

#include <cstdio>

namespace {

class CStderrPrompter final : public CPrompter
{
public:
    void ShowMessage(const QString& text, Icon) override
    {
        // One line per message, so scripts can read it.
        QString line = text;
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::fprintf(stderr, "covermint: %s\n", line.simplified().toLocal8Bit().constData());
    }
    bool AskYesNo(const QString& question) override
    {
        ShowMessage(question + QStringLiteral(" (answered No)"), Icon::Question);
        return false;
    }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
};

CStderrPrompter g_stderrPrompter;
CPrompter* g_prompter = nullptr;

} // namespace

CPrompter& Prompter()
{
    return g_prompter ? *g_prompter : g_stderrPrompter;
}

void SetPrompter(CPrompter* prompter)
{
    g_prompter = prompter;
}
