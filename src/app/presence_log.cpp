#include "app/presence_log.h"

#include "app/gui_reporter.h"
#include "device/presence_monitor.h"

namespace orvik {

void logPresence(PresenceMonitor& monitor, GuiReporter& reporter)
{
    monitor.onChange = [&monitor, &reporter](const PresenceChange& change) {
        reporter.announceLines(presenceLines(change, monitor.present()));
    };
}

} // namespace orvik
