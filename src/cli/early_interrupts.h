#pragma once

#include "device/signal_watcher.h"

#include <QByteArray>
#include <mutex>

namespace orvik::cli {

// Blocks the interrupts that the program was not started to ignore, from its
// first instruction (its preinit array, which runs before any library's
// initializer), so that one that comes while the libraries start waits for
// main's watcher to take it.
void holdInterruptsAtStart();

// From orvikctl's start until a write's guard is ready (while a large file is
// imported, say), an interrupt ends a command that writes to the appliance
// with the guard's own words: nothing has been sent, the appliance is
// unchanged. The watcher's early policy: a guard, once it begins, ends it for
// good.
class EarlyInterrupts final : public InterruptPolicy {
public:
    explicit EarlyInterrupts(const char* program);
    EarlyInterrupts(const EarlyInterrupts&) = delete;
    EarlyInterrupts& operator=(const EarlyInterrupts&) = delete;

    // The line again, in the language installed since.
    void translate();

    void interrupted(int signal) override;

private:
    const char* const program_;
    std::mutex mutex_;
    QByteArray line_;
};

} // namespace orvik::cli
