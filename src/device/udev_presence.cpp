#include "device/udev_presence.h"

#include "device/device_link.h"
#include "files/descriptor.h"
#include "files/file_failures.h"

#include <libudev.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>

namespace orvik {

namespace {

constexpr char kSubsystem[] = "hidraw";

// The HID device above a hidraw node, as its uevent names it:
// HID_ID=0003:00000483:0000A04F and HID_UNIQ=serial.
std::optional<HidInterface> hidInterface(udev_device* node)
{
    const char* devnode = udev_device_get_devnode(node);
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(node, "hid", nullptr);
    const char* id = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
    unsigned bus = 0;
    unsigned vendor = 0;
    unsigned product = 0;
    if (!devnode || !id || std::sscanf(id, "%x:%x:%x", &bus, &vendor, &product) != 3)
        return std::nullopt;
    const char* serial = udev_device_get_property_value(hid, "HID_UNIQ");
    return HidInterface{static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(product),
                        devnode, serial ? QString::fromUtf8(serial) : QString()};
}

// Why this user cannot open the node, the system's errno; 0 when it can.
// Opening a hidraw node sends nothing to the device. By name, as a session
// opens it: only whether this user may is learnt, and the descriptor dropped.
int openErrno(const std::string& node)
{
    const Descriptor opened(::open(node.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    return opened.isOpen() ? 0 : errno;
}

} // namespace

UdevPresence::UdevPresence() : UdevPresence(udev_monitor_receive_device) {}

UdevPresence::UdevPresence(UdevReceive nextEvent)
    : receive_(std::move(nextEvent)), udev_(udev_new())
{
    if (!udev_) {
        setDeaf(systemReason(errno));
        return;
    }
    // Listening before listing: an appliance attached in between is then
    // listed and received, and told once.
    errno = 0;
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (!monitor_ ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, kSubsystem, nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
        setDeaf(systemReason(errno != 0 ? errno : EPROTO));
    } else {
        notifier_ =
            std::make_unique<QSocketNotifier>(udev_monitor_get_fd(monitor_), QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { receive(); });
    }
    relist();
}

UdevPresence::~UdevPresence()
{
    notifier_.reset();
    udev_monitor_unref(monitor_);
    udev_unref(udev_);
}

std::optional<PresenceChange> UdevPresence::attachment(udev_device* device)
{
    const std::optional<HidInterface> found = hidInterface(device);
    if (!found || !isAppliance(*found))
        return std::nullopt;
    nodes_[udev_device_get_syspath(device)] = found->path;
    const int error = openErrno(found->path);
    return PresenceChange{PresenceChange::Kind::Attached, *found,
                          error != 0 ? systemReason(error) : QString(), error};
}

void UdevPresence::relist()
{
    nodes_.clear();
    std::vector<PresenceChange> now;
    udev_enumerate* list = udev_enumerate_new(udev_);
    udev_enumerate_add_match_subsystem(list, kSubsystem);
    udev_enumerate_scan_devices(list);
    for (udev_list_entry* e = udev_enumerate_get_list_entry(list); e;
         e = udev_list_entry_get_next(e)) {
        if (udev_device* d = udev_device_new_from_syspath(udev_, udev_list_entry_get_name(e))) {
            if (std::optional<PresenceChange> found = attachment(d))
                now.push_back(*std::move(found));
            udev_device_unref(d);
        }
    }
    udev_enumerate_unref(list);
    listed(now);
}

void UdevPresence::receive()
{
    errno = 0;
    udev_device* device = receive_(monitor_);
    if (!device) {
        // The socket's buffer overflowed and events were lost: what is
        // attached now tells what changed.
        if (errno == ENOBUFS)
            relist();
        return;
    }
    const char* action = udev_device_get_action(device);
    if (action && std::strcmp(action, "remove") == 0) {
        const auto it = nodes_.find(udev_device_get_syspath(device));
        if (it != nodes_.end()) {
            const std::string node = it->second;
            nodes_.erase(it);
            detached(node);
        }
    } else if (action && std::strcmp(action, "add") == 0) {
        if (const std::optional<PresenceChange> found = attachment(device))
            attached(found->appliance, found->openError, found->openErrno);
    }
    udev_device_unref(device);
}

} // namespace orvik
