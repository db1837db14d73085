#include "app/presence_log.h"

#include "app/gui_reporter.h"
#include "device/device_choice.h"
#include "device/device_link.h"
#include "device/presence_monitor.h"

#include <QCoreApplication>

namespace orvik {

namespace {

// What the window's log says of `change`, in order: an appliance attached or
// detached, named where `present` (the monitor's, after the change) leaves
// several to tell apart; one that cannot be opened, with what to do.
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

} // namespace

void logPresence(PresenceMonitor& monitor, GuiReporter& reporter)
{
    monitor.onChange = [&monitor, &reporter](const PresenceChange& change) {
        reporter.announceLines(presenceLines(change, monitor.present()));
    };
}

} // namespace orvik
