#pragma once

#include "device/caught_interrupts.h"
#include "files/descriptor.h"

#include <QEventLoop>
#include <QSocketNotifier>

namespace orvik::cli {

// Runs the event loop until the command finishes it or SIGINT, SIGTERM or
// SIGHUP comes, which ends it with 128 + the signal; one that was ignored
// when it began stays ignored (nohup). The signals come through a pipe that
// the loop watches, and are put back as they were at its end.
class EventWait {
public:
    EventWait();
    ~EventWait();
    EventWait(const EventWait&) = delete;
    EventWait& operator=(const EventWait&) = delete;

    // Ends exec with `status`.
    void finish(int status) { loop_.exit(status); }
    int exec() { return loop_.exec(); }

private:
    QEventLoop loop_;
    Descriptor readEnd_;
    Descriptor writeEnd_;
    CaughtInterrupts interrupts_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace orvik::cli
