#pragma once
// A prompter for tests: records every message and question and answers
// questions from a script (No once the script runs out).
#include "platform/Prompter.h"

#include <QStringList>
#include <deque>

class CRecordingPrompter final : public CPrompter
{
public:
    CRecordingPrompter() { m_previous = &Prompter(); SetPrompter(this); }
    ~CRecordingPrompter() override { SetPrompter(m_previous == this ? nullptr : m_previous); }

    void ShowMessage(const QString& text, Icon) override { messages << text; }
    bool AskYesNo(const QString& question) override
    {
        questions << question;
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void BeginWaitCursor() override { ++waitDepth; ++waitCount; }
    void EndWaitCursor() override { --waitDepth; }

    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
    int waitDepth = 0;
    int waitCount = 0;

private:
    CPrompter* m_previous = nullptr;
};
