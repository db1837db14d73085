#include "device/presence_monitor.h"

#include "device/device_choice.h"
#include "device/device_link.h"

#include <QCoreApplication>

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

QStringList presenceLines(const PresenceChange& change, const std::vector<HidInterface>& present)
{
    const bool attached = change.kind == PresenceChange::Kind::Attached;
    // Before a detach the appliance was one of them.
    const bool several = present.size() + (attached ? 0 : 1) > 1;
    const QString name = applianceName(change.appliance);
    if (!attached)
        return {several
                    ? QCoreApplication::translate("Appliance", "Orvik 2.0 %1 detached.").arg(name)
                    : QCoreApplication::translate("Appliance", "Orvik 2.0 detached.")};
    if (change.openError.isEmpty())
        return {several
                    ? QCoreApplication::translate("Appliance", "Orvik 2.0 %1 attached.").arg(name)
                    : QCoreApplication::translate("Appliance", "Orvik 2.0 attached.")};
    QStringList lines{
        several ? QCoreApplication::translate("Appliance",
                                              "Orvik 2.0 %1 attached, but it cannot be opened: %2.")
                      .arg(name, change.openError)
                : QCoreApplication::translate("Appliance",
                                              "Orvik 2.0 attached, but it cannot be opened: %1.")
                      .arg(change.openError)};
    if (const QString hint = openHintLine(change.openError, change.openErrno); !hint.isEmpty())
        lines << hint;
    return lines;
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

} // namespace orvik
