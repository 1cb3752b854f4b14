#pragma once
// Progress of a directory read: the walk reports every file's path here. One
// callback is installed process-wide; the one in force at start-up ignores
// everything. A callback may also ask the walk to stop.
#include <QString>

class CDirectoryBrowserCallback
{
public:
    virtual ~CDirectoryBrowserCallback() = default;

    void SetText(const QString& text);
    void SetFirstCounter(int value);
    void SetSecondCounter(int value);
    void Reset();

    QString Text() const { return m_text; }
    int FirstCounter() const { return m_first; }
    int SecondCounter() const { return m_second; }

    // Asked after every entry; true ends the read as cancelled.
    virtual bool CancelRequested() const { return false; }

protected:
    // Called after each change.
    virtual void Update() {}

private:
    QString m_text;
    int m_first = 0;
    int m_second = 0;
};

// Installs callback (not owned); nullptr restores the silent one.
void InstallProgressCallback(CDirectoryBrowserCallback* callback);
// Never null.
CDirectoryBrowserCallback& CurrentProgressCallback();
// The installed callback, for putting it back later (null: the silent one).
CDirectoryBrowserCallback* InstalledProgressCallback();

// Installs a callback for the lifetime of the object, then restores the
// previous one.
class CScopedProgressCallback
{
public:
    explicit CScopedProgressCallback(CDirectoryBrowserCallback& callback)
        : m_previous(InstalledProgressCallback())
    {
        InstallProgressCallback(&callback);
    }
    ~CScopedProgressCallback() { InstallProgressCallback(m_previous); }
    CScopedProgressCallback(const CScopedProgressCallback&) = delete;
    CScopedProgressCallback& operator=(const CScopedProgressCallback&) = delete;

private:
    CDirectoryBrowserCallback* m_previous;
};
