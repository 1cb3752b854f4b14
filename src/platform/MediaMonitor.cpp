#include "platform/MediaMonitor.h"

#include <QSocketNotifier>

#include <libudev.h>

#include <cstring>

CMediaMonitor::CMediaMonitor(std::function<void()> onMedia, QObject* parent)
    : QObject(parent)
    , m_onMedia(std::move(onMedia))
    , m_udev(udev_new())
{
    if (!m_udev)
        return;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "block", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0)
        return;
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CMediaMonitor::ReadEvents);
}

CMediaMonitor::~CMediaMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

void CMediaMonitor::ReadEvents()
{
    bool media = false;
    while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
        const char* action = udev_device_get_action(device);
        // An optical drive reports a new disc as "change"; a stick or card
        // reader as "add" of its disk or partition.
        if (action && (std::strcmp(action, "change") == 0 || std::strcmp(action, "add") == 0))
            media = true;
        udev_device_unref(device);
    }
    if (media && m_onMedia)
        m_onMedia();
}
