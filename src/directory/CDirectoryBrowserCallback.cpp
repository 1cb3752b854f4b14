#include "directory/CDirectoryBrowserCallback.h"

namespace {
CDirectoryBrowserCallback g_silent;
CDirectoryBrowserCallback* g_installed = nullptr;
} // namespace

void CDirectoryBrowserCallback::SetText(const QString& text)
{
    m_text = text;
    Update();
}

void CDirectoryBrowserCallback::SetFirstCounter(int value)
{
    m_first = value;
    Update();
}

void CDirectoryBrowserCallback::SetSecondCounter(int value)
{
    m_second = value;
    Update();
}

void CDirectoryBrowserCallback::Reset()
{
    m_first = 0;
    m_second = 0;
    m_text.clear();
    Update();
}

void InstallProgressCallback(CDirectoryBrowserCallback* callback)
{
    g_installed = callback;
}

CDirectoryBrowserCallback& CurrentProgressCallback()
{
    return g_installed ? *g_installed : g_silent;
}

CDirectoryBrowserCallback* InstalledProgressCallback()
{
    return g_installed;
}
