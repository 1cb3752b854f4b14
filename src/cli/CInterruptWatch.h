#pragma once
// Turns SIGINT and SIGTERM into a call on the event loop, so that what is
// being written (a PDF) is finished before the program ends. The previous
// handlers come back when the object goes.
#include <QObject>

#include <csignal>
#include <functional>

class QSocketNotifier;

class CInterruptWatch final : public QObject
{
public:
    explicit CInterruptWatch(std::function<void()> onInterrupt);
    ~CInterruptWatch() override;

    bool Interrupted() const { return m_interrupted; }

private:
    void Drain();

    std::function<void()> m_onInterrupt;
    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
    bool m_interrupted = false;
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
};
