#include "device/presence_monitor.h"

#include "device/device_link.h"

#include <algorithm>

namespace orvik {

namespace {

auto at(std::vector<HidInterface>& list, const std::string& path)
{
    return std::find_if(list.begin(), list.end(),
                        [&](const HidInterface& i) { return i.path == path; });
}

} // namespace

void PresenceMonitor::attached(const HidInterface& appliance, const QString& openError,
                               int openErrno)
{
    if (!isAppliance(appliance) || at(present_, appliance.path) != present_.end())
        return;
    present_.push_back(appliance);
    if (onChange)
        onChange({PresenceChange::Kind::Attached, appliance, openError, openErrno});
}

void PresenceMonitor::detached(const std::string& path)
{
    const auto it = at(present_, path);
    if (it == present_.end())
        return;
    const HidInterface gone = *it;
    present_.erase(it);
    if (onChange)
        onChange({PresenceChange::Kind::Detached, gone, {}});
}

void PresenceMonitor::listed(const std::vector<PresenceChange>& now)
{
    std::vector<std::string> left;
    for (const HidInterface& i : present_) {
        if (std::none_of(now.begin(), now.end(),
                         [&](const PresenceChange& c) { return c.appliance.path == i.path; }))
            left.push_back(i.path);
    }
    for (const std::string& path : left)
        detached(path);
    for (const PresenceChange& c : now)
        attached(c.appliance, c.openError, c.openErrno);
}

void PresenceMonitor::setDeaf(const QString& reason)
{
    if (!deafReason_.isEmpty())
        return;
    deafReason_ = reason;
    if (onDeaf)
        onDeaf();
}

} // namespace orvik
