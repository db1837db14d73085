#pragma once

#include <QByteArray>
#include <atomic>
#include <csignal>
#include <thread>

namespace orvik {

// What a write sends to the appliance, and so what a stop leaves half-sent.
enum class Written { Configuration, Firmware };

// While it lives, SIGINT, SIGTERM and SIGHUP do not cut a write to the
// appliance in half: the first is announced on standard error and recorded,
// and the write goes on; a second stops the program at once, with a line
// saying what the appliance may now hold, and the status 128 + the signal.
// Lines start with `program`. The signals are blocked on the calling thread
// and taken by a thread of its own, so that no exchange is interrupted.
class WriteGuard {
public:
    WriteGuard(const char* program, Written written);
    ~WriteGuard();
    WriteGuard(const WriteGuard&) = delete;
    WriteGuard& operator=(const WriteGuard&) = delete;

    // Puts the signals back as they were; the first signal that came, or 0.
    int end();

private:
    void watch();
    void take(int signal);

    const QByteArray finishingLine_;
    const QByteArray stopLine_;
    sigset_t previousMask_{};
    struct sigaction previousActions_[3]{};
    int readFd_ = -1; // signal numbers from the handler; 0 tells the watcher to end
    std::atomic<int> first_{0};
    bool ended_ = false;
    std::thread watcher_;
};

} // namespace orvik
