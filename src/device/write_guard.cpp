#include "device/write_guard.h"

#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace orvik {

namespace {

constexpr char kFinishing[] =
    ": finishing the write so that the appliance stays consistent; interrupt again to stop now\n";
// What a stop leaves, by what was being written.
constexpr const char* kStopped[] = {
    ": stopped in the middle of the write; the appliance may hold part of the new "
    "configuration and part of the old, so write the configuration again\n",
    ": stopped in the middle of the upload; the appliance may hold only part of the new "
    "firmware, so upload the firmware again\n",
};

sigset_t guardedSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int s : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&set, s);
    return set;
}

void say(const QByteArray& line)
{
    // Nothing to do when standard error is gone.
    static_cast<void>(!::write(STDERR_FILENO, line.constData(), line.size()));
}

} // namespace

WriteGuard::WriteGuard(const char* program, Written written)
    : finishingLine_(QByteArray(program) + kFinishing),
      stopLine_(QByteArray(program) + kStopped[static_cast<int>(written)])
{
    const sigset_t set = guardedSignals();
    // Blocked before the thread starts, which inherits the mask.
    pthread_sigmask(SIG_BLOCK, &set, &previousMask_);
    signalFd_ = ::signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
    wakeFd_ = ::eventfd(0, EFD_CLOEXEC);
    if (signalFd_ < 0 || wakeFd_ < 0) {
        // Out of descriptors: no guard, rather than signals that nobody takes.
        end();
        return;
    }
    watcher_ = std::thread([this] { watch(); });
}

WriteGuard::~WriteGuard()
{
    end();
}

int WriteGuard::end()
{
    if (ended_)
        return first_;
    ended_ = true;
    if (watcher_.joinable()) {
        const std::uint64_t one = 1;
        static_cast<void>(!::write(wakeFd_, &one, sizeof one));
        watcher_.join();
    }
    // A signal that came as the watcher ended still counts, with the write
    // done: there is nothing left to finish or to stop.
    signalfd_siginfo info{};
    while (signalFd_ >= 0 && ::read(signalFd_, &info, sizeof info) == sizeof info) {
        if (first_ == 0)
            first_ = static_cast<int>(info.ssi_signo);
    }
    for (const int fd : {signalFd_, wakeFd_}) {
        if (fd >= 0)
            ::close(fd);
    }
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
    return first_;
}

void WriteGuard::watch()
{
    pollfd fds[] = {{signalFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    for (;;) {
        if (::poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents != 0)
            return;
        signalfd_siginfo info{};
        if (::read(signalFd_, &info, sizeof info) == sizeof info)
            take(static_cast<int>(info.ssi_signo));
    }
}

void WriteGuard::take(int signal)
{
    if (first_ == 0) {
        first_ = signal;
        say(finishingLine_);
        return;
    }
    say(stopLine_);
    ::_exit(128 + signal);
}

} // namespace orvik
