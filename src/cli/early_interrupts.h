#pragma once

#include "device/caught_interrupts.h"

namespace orvik::cli {

// Holds the interrupts back from the program's first instruction (its
// preinit array, which runs before any library's initializer), so that one
// that comes while the libraries start waits for main to decide its course.
void holdInterruptsAtStart();
// Lets them through as they stood at the start: for a command that takes none
// itself.
void releaseInterruptsAtStart();

// From orvikctl's start until a write's guard is ready (while a large file is
// imported, say), an interrupt ends a command that writes to the appliance
// with the guard's own words: nothing has been sent, the appliance is
// unchanged. Once the guard has taken over, an interrupt after it takes its
// ordinary course. A signal the program was started to ignore stays ignored.
class EarlyInterrupts {
public:
    // Takes the interrupts, then lets them through: one held back since the
    // start comes now, also one the program was started with held back.
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
