#pragma once

#include <csignal>
#include <iterator>

namespace orvik {

// The signals that end a program, which a write holds back.
inline constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};

// The interrupts a handler takes for a while, and what stood before: one the
// program was started to ignore stays ignored, since whoever started it
// meant it to run on. Made, it only notes what stands; `take` installs the
// action, `restore` (or the end of its life) puts back what stood.
class CaughtInterrupts {
public:
    CaughtInterrupts();
    ~CaughtInterrupts() { restore(); }
    CaughtInterrupts(const CaughtInterrupts&) = delete;
    CaughtInterrupts& operator=(const CaughtInterrupts&) = delete;

    // The interrupts that `take` catches, to block or unblock.
    sigset_t set() const;
    void take(const struct sigaction& action);
    void restore();

private:
    struct sigaction previous_[std::size(kInterrupts)]{};
    bool caught_[std::size(kInterrupts)]{};
    bool taken_ = false;
};

} // namespace orvik
