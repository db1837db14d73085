#pragma once

#include "device/caught_interrupts.h"

namespace orvik::cli {

// From orvikctl's start until a write's guard is ready (while a large file is
// imported, say), an interrupt ends a command that writes to the appliance
// with the guard's own words: nothing has been sent, the appliance is
// unchanged. Once the guard has taken over, an interrupt after it takes its
// ordinary course. A signal the program was started to ignore stays ignored.
class EarlyInterrupts {
public:
    explicit EarlyInterrupts(const char* program);
    EarlyInterrupts(const EarlyInterrupts&) = delete;
    EarlyInterrupts& operator=(const EarlyInterrupts&) = delete;

    // The line again, in the language installed since.
    void translate();
    // The write's guard has its own handlers from here on.
    static void handOver();

private:
    const char* program_;
    CaughtInterrupts interrupts_;
};

} // namespace orvik::cli
