#include "device/caught_interrupts.h"

namespace orvik {

CaughtInterrupts::CaughtInterrupts()
{
    for (std::size_t i = 0; i < std::size(kInterrupts); ++i) {
        ::sigaction(kInterrupts[i], nullptr, &previous_[i]);
        caught_[i] = previous_[i].sa_handler != SIG_IGN;
    }
}

sigset_t CaughtInterrupts::set() const
{
    sigset_t set;
    sigemptyset(&set);
    for (std::size_t i = 0; i < std::size(kInterrupts); ++i) {
        if (caught_[i])
            sigaddset(&set, kInterrupts[i]);
    }
    return set;
}

void CaughtInterrupts::take(const struct sigaction& action)
{
    for (std::size_t i = 0; i < std::size(kInterrupts); ++i) {
        if (caught_[i])
            ::sigaction(kInterrupts[i], &action, nullptr);
    }
    taken_ = true;
}

void CaughtInterrupts::restore()
{
    if (!taken_)
        return;
    taken_ = false;
    for (std::size_t i = 0; i < std::size(kInterrupts); ++i) {
        if (caught_[i])
            ::sigaction(kInterrupts[i], &previous_[i], nullptr);
    }
}

} // namespace orvik
