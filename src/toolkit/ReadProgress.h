#pragma once
// Progress of a directory read on the one user-interface thread: shows the
// path being read now and then and keeps the windows painted. While the read
// runs, input to the windows that were there when it began is held back,
// except Esc, which cancels; dialogs opened meanwhile (a message about a
// file) get their input.
#include "directory/CDirectoryBrowserCallback.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <functional>

class CUiReadProgress final : public QObject, public CDirectoryBrowserCallback
{
public:
    // show is given the current path, and an empty text when the read ends.
    explicit CUiReadProgress(std::function<void(const QString&)> show);
    ~CUiReadProgress() override;

    bool CancelRequested() const override { return m_cancelled; }

protected:
    void Update() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Input goes through only to modal dialogs opened after the read began.
    bool HoldsInput() const;

    static constexpr int kIntervalMs = 100;
    std::function<void(const QString&)> m_show;
    QPointer<QWidget> m_modalAtStart;
    QElapsedTimer m_clock;
    bool m_cancelled = false;
};
