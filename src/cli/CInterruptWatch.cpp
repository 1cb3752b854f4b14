#include "cli/CInterruptWatch.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t g_writeEnd = -1;

void OnSignal(int)
{
    // Only async-signal-safe work here: one byte through the pipe.
    const char byte = 1;
    if (g_writeEnd >= 0)
        [[maybe_unused]] const ssize_t written = write(g_writeEnd, &byte, 1);
}

} // namespace

CInterruptWatch::CInterruptWatch(std::function<void()> onInterrupt)
    : m_onInterrupt(std::move(onInterrupt))
{
    if (pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    g_writeEnd = m_pipe[1];
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CInterruptWatch::Drain);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &m_oldInt);
    sigaction(SIGTERM, &action, &m_oldTerm);
}

CInterruptWatch::~CInterruptWatch()
{
    if (m_pipe[0] < 0)
        return;
    sigaction(SIGINT, &m_oldInt, nullptr);
    sigaction(SIGTERM, &m_oldTerm, nullptr);
    g_writeEnd = -1;
    delete m_notifier;
    close(m_pipe[0]);
    close(m_pipe[1]);
}

void CInterruptWatch::Drain()
{
    char buffer[16];
    while (read(m_pipe[0], buffer, sizeof buffer) > 0) {
    }
    m_interrupted = true;
    if (m_onInterrupt)
        m_onInterrupt();
}
