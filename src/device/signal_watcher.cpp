#include "device/signal_watcher.h"

#include <cstdint>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace orvik {

namespace {

// Never runs while every thread blocks the interrupts. It stands while a
// policy is in force, so that the system shows them caught exactly while the
// program takes them, and so that a thread that lets them through (one a
// library starts with a mask of its own) cannot end the program meanwhile.
void none(int /*signal*/) {}

// The signal's own course: the program ends as the signal ends a program
// that does not catch it, so that whoever waits for it sees which one.
[[noreturn]] void endBy(int signal)
{
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    ::sigaction(signal, &byDefault, nullptr);
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, signal);
    ::raise(signal); // pending on this thread, which blocks it
    pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
    ::_exit(128 + signal); // not reached: the default action of each ends
}

} // namespace

SignalWatcher::SignalWatcher(InterruptPolicy* early) : early_(early)
{
    sigemptyset(&caught_);
    for (std::size_t i = 0; i < std::size(kInterrupts); ++i) {
        ::sigaction(kInterrupts[i], nullptr, &previous_[i]);
        if (previous_[i].sa_handler != SIG_IGN)
            sigaddset(&caught_, kInterrupts[i]);
    }
    pthread_sigmask(SIG_BLOCK, &caught_, &previousMask_);
    signals_ = Descriptor(::signalfd(-1, &caught_, SFD_CLOEXEC | SFD_NONBLOCK));
    stop_ = Descriptor(::eventfd(0, EFD_CLOEXEC));
    if (!signals_.isOpen() || !stop_.isOpen()) {
        // Out of descriptors: the signals take their course, rather than
        // wait for a watcher that is not there.
        pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
        return;
    }
    showCaught(early_ != nullptr);
    thread_ = std::thread([this] { watch(); });
}

SignalWatcher::~SignalWatcher()
{
    if (!thread_.joinable())
        return;
    const std::uint64_t one = 1;
    static_cast<void>(!::write(stop_.fd(), &one, sizeof one));
    thread_.join();
    showCaught(false);
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

void SignalWatcher::enter(InterruptPolicy& policy)
{
    const std::lock_guard lock(mutex_);
    if (scoped_)
        throw std::logic_error("a second interrupt policy while one is in force");
    scoped_ = &policy;
    early_ = nullptr;
    showCaught(true);
}

void SignalWatcher::leave(const InterruptPolicy& policy)
{
    const std::lock_guard lock(mutex_);
    if (scoped_ != &policy)
        return;
    // One that came while it was in force is its own, though the watcher has
    // not read it yet: a write's guard counts it for the exit status.
    if (held_ == 0)
        handPending();
    scoped_ = nullptr;
    showCaught(false);
}

void SignalWatcher::showCaught(bool caught)
{
    struct sigaction action {};
    action.sa_handler = none;
    action.sa_flags = SA_RESTART;
    sigfillset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kInterrupts); ++i) {
        if (sigismember(&caught_, kInterrupts[i]) == 1)
            ::sigaction(kInterrupts[i], caught ? &action : &previous_[i], nullptr);
    }
}

SignalWatcher::Held::Held(SignalWatcher* watcher) : watcher_(watcher)
{
    if (watcher_) {
        const std::lock_guard lock(watcher_->mutex_);
        ++watcher_->held_;
    }
}

SignalWatcher::Held::~Held()
{
    if (watcher_) {
        const std::lock_guard lock(watcher_->mutex_);
        if (--watcher_->held_ == 0)
            watcher_->released_.notify_all();
    }
}

void SignalWatcher::watch()
{
    pollfd fds[] = {{signals_.fd(), POLLIN, 0}, {stop_.fd(), POLLIN, 0}};
    for (;;) {
        if (::poll(fds, std::size(fds), -1) < 0)
            continue;
        if (fds[1].revents != 0)
            return;
        std::unique_lock lock(mutex_);
        released_.wait(lock, [this] { return held_ == 0; });
        handPending();
    }
}

void SignalWatcher::handPending()
{
    // Read only under the lock, so that none is read and then handed to a
    // policy that has left meanwhile.
    for (signalfd_siginfo info{};
         ::read(signals_.fd(), &info, sizeof info) == static_cast<ssize_t>(sizeof info);) {
        const auto signal = static_cast<int>(info.ssi_signo);
        if (InterruptPolicy* policy = scoped_ ? scoped_ : early_)
            policy->interrupted(signal);
        else
            endBy(signal);
    }
}

} // namespace orvik
