#pragma once

#include <atomic>
#include <csignal>
#include <functional>
#include <thread>

namespace orvik::cli {

// What a second signal leaves behind, said as it stops the program.
inline constexpr char kConfigStopLine[] =
    "orvikctl: stopped in the middle of the write; the appliance may hold part of the new "
    "configuration and part of the old, so write the configuration again\n";
inline constexpr char kFirmwareStopLine[] =
    "orvikctl: stopped in the middle of the upload; the appliance may hold only part of the new "
    "firmware, so upload the firmware again\n";

// While it lives, SIGINT, SIGTERM and SIGHUP do not cut a write to the
// appliance in half: the first is announced on standard error and recorded,
// and the write goes on; a second stops the program at once with `stopLine`
// and the status 128 + the signal. The signals are blocked and taken by a
// thread of its own (signalfd), so that no exchange is interrupted: hidapi
// takes an interrupted wait for a failed read.
class WriteGuard {
public:
    explicit WriteGuard(const char* stopLine);
    ~WriteGuard();
    WriteGuard(const WriteGuard&) = delete;
    WriteGuard& operator=(const WriteGuard&) = delete;

    // Puts the signals back as they were; the first signal that came, or 0.
    int end();

private:
    void watch();
    void take(int signal);

    const char* stopLine_;
    sigset_t previousMask_{};
    int signalFd_ = -1;
    int wakeFd_ = -1; // tells the watcher to end
    std::atomic<int> first_{0};
    bool ended_ = false;
    std::thread watcher_;
};

// Runs a command that writes the appliance under a WriteGuard; its status, or
// 128 + the signal when one came meanwhile.
int runGuarded(const char* stopLine, const std::function<int()>& command);

} // namespace orvik::cli
