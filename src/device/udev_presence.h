#pragma once

#include "device/presence_monitor.h"

#include <QSocketNotifier>
#include <map>
#include <memory>
#include <string>

struct udev;
struct udev_device;
struct udev_monitor;

namespace orvik {

// The appliances on USB as udev sees them come and go: its monitor's
// descriptor is watched by the event loop, and each hidraw node of an
// appliance that is added or removed is a change. The paths are the nodes'
// (/dev/hidrawN), as hidapi lists them.
class UdevPresence : public PresenceMonitor {
public:
    UdevPresence();
    ~UdevPresence() override;

private:
    void take(udev_device* device);
    void receive();

    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_;
    // The node of each appliance by its device's sysfs path, which a removal
    // names when the device's parents can no longer be read.
    std::map<std::string, std::string> nodes_;
};

} // namespace orvik
