#pragma once

#include "files/descriptor.h"

#include <condition_variable>
#include <csignal>
#include <iterator>
#include <mutex>
#include <thread>

namespace orvik {

// The signals that end a program, which a write holds back.
inline constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};

// What an interrupt does while it is in force; called on the watcher's
// thread, one signal at a time.
class InterruptPolicy {
public:
    virtual void interrupted(int signal) = 0;

protected:
    ~InterruptPolicy() = default;
};

// The one place the interrupts (SIGINT, SIGTERM, SIGHUP) arrive. Made first
// in main, before any thread exists, it blocks them, so that every thread the
// program starts inherits the mask and no exchange is ever interrupted; a
// thread of its own reads them from a signalfd and hands each to the policy
// in force: the scoped one (a write's guard, an event wait), one at a time,
// else the early one, which the first scoped one ends for good, else the
// signal's own course, which ends the program. One the program was started
// to ignore stays ignored: whoever started it meant it to run on. The
// programs start no other program, so the mask is handed to none.
class SignalWatcher {
public:
    // `early` takes the interrupts until a scoped policy begins; none: the
    // signal's own course. Given here, it has the one that came before.
    explicit SignalWatcher(InterruptPolicy* early = nullptr);
    // Puts the mask and the handlers back as they were; a signal that came
    // meanwhile takes its course then.
    ~SignalWatcher();
    SignalWatcher(const SignalWatcher&) = delete;
    SignalWatcher& operator=(const SignalWatcher&) = delete;

    // `policy` takes the interrupts until leave, also one that came before
    // leave that the watcher had not read yet. A second one while one is in
    // force is a fault of the program's: std::logic_error at once.
    void enter(InterruptPolicy& policy);
    void leave(const InterruptPolicy& policy);

    // While one lives, an interrupt waits, then goes to the policy in force
    // when the last one ends: for steps that must be done together or not at
    // all. Without a watcher, nothing waits (a program that takes none).
    class Held {
    public:
        explicit Held(SignalWatcher* watcher);
        ~Held();
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;

    private:
        SignalWatcher* const watcher_;
    };

private:
    void watch();
    // Hands the signals the signalfd holds to the policy in force; under the
    // lock.
    void handPending();
    // The handler that never runs while a policy is in force, else what stood.
    void showCaught(bool caught);

    sigset_t caught_{};
    sigset_t previousMask_{};
    struct sigaction previous_[std::size(kInterrupts)]{};
    Descriptor signals_; // the signalfd
    Descriptor stop_;    // an eventfd that ends the watcher's thread
    std::mutex mutex_;
    std::condition_variable released_;
    InterruptPolicy* early_;
    InterruptPolicy* scoped_ = nullptr;
    int held_ = 0;
    std::thread thread_;
};

} // namespace orvik
