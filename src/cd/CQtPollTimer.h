#pragma once
// The poll timer of batch processing on the event loop.
#include "cd/BatchInterfaces.h"

#include <QTimer>

class CQtPollTimer final : public IPollTimer
{
public:
    CQtPollTimer();
    void Start(int intervalMs, std::function<void()> tick) override;
    void Stop() override { m_timer.stop(); }
    bool IsActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
    std::function<void()> m_tick;
};
