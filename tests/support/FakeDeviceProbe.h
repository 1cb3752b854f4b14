#pragma once
// Device nodes for tests: paths a test declares to be drives, optical or
// not, mounted at a folder or not. Installed for the life of the object.
#include "document/DriveReading.h"

#include <QHash>

class FakeDeviceProbe final : public DriveReading::IDeviceProbe
{
public:
    DriveReading::DeviceState Probe(const QString& path) const override { return devices.value(path); }

    QHash<QString, DriveReading::DeviceState> devices;

private:
    DriveReading::CScopedDeviceProbe m_installed{*this};
};
