#pragma once
// Tells when a medium may have arrived: a udev monitor on block devices
// (discs inserted, sticks plugged in, media changed), read from the event
// loop. Without udev it stays silent and the caller's polling remains.
#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;
struct udev;
struct udev_monitor;

class CMediaMonitor final : public QObject
{
public:
    explicit CMediaMonitor(std::function<void()> onMedia, QObject* parent = nullptr);
    ~CMediaMonitor() override;

    bool IsListening() const { return m_notifier != nullptr; }

private:
    void ReadEvents();

    std::function<void()> m_onMedia;
    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    QSocketNotifier* m_notifier = nullptr;
};
