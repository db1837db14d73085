#pragma once

#include "device/caught_interrupts.h"
#include "device/forwarding_transport.h"
#include "files/descriptor.h"

#include <QByteArray>
#include <atomic>
#include <csignal>
#include <iterator>
#include <mutex>
#include <thread>

namespace orvik {

// What a write sends to the appliance, and so what a stop leaves half-sent.
enum class Written { Configuration, Firmware };

// While it lives, the interrupts wait on this thread, which in a program of
// one thread means for the program; one that came meanwhile takes its course
// when it ends. For steps that must be done together or not at all.
class HeldInterrupts {
public:
    HeldInterrupts();
    ~HeldInterrupts();
    HeldInterrupts(const HeldInterrupts&) = delete;
    HeldInterrupts& operator=(const HeldInterrupts&) = delete;

private:
    sigset_t previousMask_{};
};

// "program: interrupted before anything was sent; …" and a line break, in
// the language installed.
QByteArray interruptedLine(const char* program);

// A line a front end leaves open on standard error (a progress line drawn in
// place): the front end says when one is, under `mutex`, and a line written
// by another thread ends it first, so that it starts on a line of its own.
struct OpenLine {
    std::mutex mutex;
    bool open = false;
};

// While it lives, SIGINT, SIGTERM and SIGHUP do not cut a write to the
// appliance in half. Before the first page goes (startPages) the first one
// ends the program at once, since nothing was sent; from the first page on it
// is announced on standard error and recorded, and the write goes on, while a
// second stops the program at once, with a line saying what the appliance may
// now hold. The status is 128 + the signal. A signal that was ignored when the
// guard began stays ignored (nohup, a shell's background job). Lines start
// with `program` and end `openLine` first when given. The signals are blocked
// on the calling thread and taken by a thread of its own, so that no exchange
// is interrupted. A signal another thread took as the guard ended, its handler
// running after end, has the course it would have had a moment later.
class WriteGuard {
public:
    WriteGuard(const char* program, Written written, OpenLine* openLine = nullptr);
    ~WriteGuard();
    WriteGuard(const WriteGuard&) = delete;
    WriteGuard& operator=(const WriteGuard&) = delete;

    // The first page is about to go: from here on a signal lets the write
    // finish. After a signal that ended the program, never returns.
    void startPages();
    // Puts the signals back as they were; the first signal that came, or 0.
    int end();

private:
    void watch();
    void take(int signal);
    // Says `line`; with an exit status, ends the program with it before
    // another line can follow.
    void say(const QByteArray& line, int exitStatus = 0);

    const QByteArray interruptedLine_;
    const QByteArray finishingLine_;
    const QByteArray stopLine_;
    OpenLine* const openLine_;
    sigset_t previousMask_{};
    CaughtInterrupts interrupts_;
    Descriptor readFd_; // signal numbers from the handler; 0 tells the watcher to end
    std::atomic<int> first_{0};
    enum Stage { BeforePages, Pages, Cancelled };
    std::atomic<int> stage_{BeforePages};
    bool ended_ = false;
    std::thread watcher_;
};

// The appliance as a session under `guard` reaches it: the guard's pages
// start with the first page request sent through it.
class GuardedAppliance : public ForwardingTransport {
public:
    GuardedAppliance(HidTransport& transport, WriteGuard& guard)
        : ForwardingTransport(transport), guard_(guard)
    {}

    int write(const Report& request) override;

private:
    WriteGuard& guard_;
};

} // namespace orvik
