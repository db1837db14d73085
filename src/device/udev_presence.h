#pragma once

#include "device/presence_monitor.h"

#include <QSocketNotifier>
#include <functional>
#include <map>
#include <memory>
#include <optional>
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
    // What takes the next event off the monitor (udev_monitor_receive_device):
    // nullptr with errno ENOBUFS when the socket overflowed.
    using UdevReceive = std::function<udev_device*(udev_monitor*)>;

    UdevPresence();
    explicit UdevPresence(UdevReceive nextEvent);
    ~UdevPresence() override;

private:
    // The change `device` makes when it is an appliance's node, kept in nodes_.
    std::optional<PresenceChange> attachment(udev_device* device);
    // Lists the nodes afresh and tells what differs.
    void relist();
    void receive();

    UdevReceive receive_;
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_;
    // The node of each appliance by its device's sysfs path, which a removal
    // names when the device's parents can no longer be read.
    std::map<std::string, std::string> nodes_;
};

} // namespace orvik
