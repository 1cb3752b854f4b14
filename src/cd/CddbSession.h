#pragma once
// The process-wide CDDB state the dialogs and commands share: the client
// (made on first need, set up from the preferences: site, proxy, and the
// cache folder, created when missing), the current disc and the match list.
#include "cd/CCddbClient.h"

CCddbOptions CddbOptionsFromPreferences();

class CCddbSession
{
public:
    static CCddbSession& Instance();

    // Who answers the client's questions (the window's dialogs); not owned.
    void SetPrompts(ICddbPrompts* prompts) { m_prompts = prompts; }
    // The client, made with the preferences' options when absent.
    CCddbClient& Client();
    bool HasClient() const { return m_client != nullptr; }

    std::optional<CCddbDisc> currentDisc;
    std::vector<CCddbDisc> matchList;

    // The client, then the current disc, then the match list (at exit, and
    // between tests).
    void Release();

private:
    ICddbPrompts* m_prompts = nullptr;
    std::unique_ptr<CCddbClient> m_client;
};
