#pragma once

#include "device/forwarding_transport.h"
#include "device/signal_watcher.h"

#include <QByteArray>
#include <atomic>
#include <mutex>

namespace orvik {

// What a write sends to the appliance, and so what a stop leaves half-sent.
enum class Written { Configuration, Firmware };

// "program: interrupted before anything was sent; …" and a line break, in
// the language installed.
QByteArray interruptedLine(const char* program);

// Says `line` on standard error as the program's last word and ends it with
// `status`: what another thread writes there meanwhile goes nowhere.
[[noreturn]] void endWithLine(const QByteArray& line, int status);

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
// now hold. The status is 128 + the signal. Lines start with `program` and
// end `openLine` first when given. The watcher hands it the signals (none
// without one: a program that takes none); a signal after its end takes the
// course the watcher gives it then.
class WriteGuard final : private InterruptPolicy {
public:
    WriteGuard(SignalWatcher* watcher, const char* program, Written written,
               OpenLine* openLine = nullptr);
    ~WriteGuard();
    WriteGuard(const WriteGuard&) = delete;
    WriteGuard& operator=(const WriteGuard&) = delete;

    // The first page is about to go: from here on a signal lets the write
    // finish. After a signal that ended the program, never returns.
    void startPages();
    // Hands the signals back to the watcher; the first signal that came, or 0.
    int end();

private:
    void interrupted(int signal) override;
    // Says `line`; with an exit status, ends the program with it before
    // another line can follow.
    void say(const QByteArray& line, int exitStatus = 0);

    SignalWatcher* const watcher_;
    const QByteArray interruptedLine_;
    const QByteArray finishingLine_;
    const QByteArray stopLine_;
    OpenLine* const openLine_;
    // Written on the watcher's thread, read after it left.
    int first_ = 0;
    enum Stage { BeforePages, Pages, Cancelled };
    std::atomic<int> stage_{BeforePages};
    bool ended_ = false;
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
