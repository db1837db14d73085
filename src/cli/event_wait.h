#pragma once

#include "device/signal_watcher.h"

#include <QEventLoop>

namespace orvik::cli {

// Runs the event loop until the command finishes it or the watcher hands it
// SIGINT, SIGTERM or SIGHUP, which ends it with 128 + the signal (none
// without a watcher: a program that takes none).
class EventWait : private InterruptPolicy {
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
    QEventLoop loop_;
};

} // namespace orvik::cli
