#pragma once

#include "device/signal_watcher.h"
#include "files/descriptor.h"

#include <QEventLoop>

namespace orvik::cli {

// Runs the event loop until the command finishes it or the watcher hands it
// SIGINT, SIGTERM or SIGHUP, which ends it with 128 + the signal (none
// without a watcher: a program that takes none).
class EventWait final : private InterruptPolicy {
public:
    explicit EventWait(SignalWatcher* watcher);
    ~EventWait();
    EventWait(const EventWait&) = delete;
    EventWait& operator=(const EventWait&) = delete;

    // Ends exec with `status`.
    void finish(int status) { loop_.exit(status); }
    int exec() { return loop_.exec(); }

private:
    void interrupted(int signal) override;

    SignalWatcher* const watcher_;
    // The signals' numbers, from the watcher's thread to the loop's: a pipe,
    // which ThreadSanitizer sees, as it does not see Qt's queued calls.
    Descriptor readEnd_;
    Descriptor writeEnd_;
    QEventLoop loop_; // and its notifier, which go before the pipe
};

} // namespace orvik::cli
