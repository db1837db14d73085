#pragma once

namespace orvik {

class GuiReporter;
class PresenceMonitor;

// The window's log tells what `monitor` sees from here on (presenceLines),
// and screen readers hear it as the end of an operation. Both must outlive
// the monitor's events.
void logPresence(PresenceMonitor& monitor, GuiReporter& reporter);

} // namespace orvik
