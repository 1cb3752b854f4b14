#include "cd/CQtPollTimer.h"

CQtPollTimer::CQtPollTimer()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_tick)
            m_tick();
    });
}

void CQtPollTimer::Start(int intervalMs, std::function<void()> tick)
{
    m_tick = std::move(tick);
    m_timer.start(intervalMs);
}
