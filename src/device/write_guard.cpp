#include "device/write_guard.h"

#include "device/protocol.h"
#include "files/atomic_write.h"
#include "files/descriptor.h"

#include <QCoreApplication>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <iterator>
#include <poll.h>
#include <type_traits>
#include <unistd.h>

namespace orvik {

namespace {

constexpr char kInterrupted[] = QT_TRANSLATE_NOOP(
    "Appliance", "interrupted before anything was sent; the appliance is unchanged");
constexpr char kFinishing[] = QT_TRANSLATE_NOOP(
    "Appliance",
    "finishing the write so that the appliance stays consistent; interrupt again to stop now");
// What a stop leaves, by what was being written.
constexpr const char* kStopped[] = {
    QT_TRANSLATE_NOOP("Appliance",
                      "stopped in the middle of the write; the appliance may hold part of the new "
                      "configuration and part of the old, so write the configuration again"),
    QT_TRANSLATE_NOOP("Appliance",
                      "stopped in the middle of the upload; the appliance may hold only part of "
                      "the new firmware, so upload the firmware again"),
};

// "program: text" and a line break, made before any signal can come.
QByteArray programLine(const char* program, const char* text)
{
    return QByteArray(program) + ": " +
           QCoreApplication::translate("Appliance", text).toLocal8Bit() + '\n';
}

// The handler's end of the pipe to the watcher, -1 once the guard has ended;
// one guard lives at a time.
std::atomic<int> gSignalPipe{-1};
// Handlers between reading gSignalPipe and writing to it. A thread of the
// window system may take a signal as the write ends and run the handler
// later: the guard's end waits for those that have the pipe.
std::atomic<int> gForwarding{0};

void forward(int signal)
{
    const int saved = errno;
    ++gForwarding;
    const int pipe = gSignalPipe.load();
    if (pipe >= 0) {
        const auto byte = static_cast<std::uint8_t>(signal);
        static_cast<void>(!::write(pipe, &byte, 1));
    }
    --gForwarding;
    // Too late for the guard: the signal takes the course it has without one.
    if (pipe < 0)
        ::raise(signal);
    errno = saved;
}

void writeOut(const char* bytes, qsizetype size)
{
    // Nothing to do when standard error is gone.
    static_cast<void>(!::write(STDERR_FILENO, bytes, size));
}

} // namespace

QByteArray interruptedLine(const char* program)
{
    return programLine(program, kInterrupted);
}

HeldInterrupts::HeldInterrupts()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kInterrupts)
        sigaddset(&set, signal);
    pthread_sigmask(SIG_BLOCK, &set, &previousMask_);
}

HeldInterrupts::~HeldInterrupts()
{
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

WriteGuard::WriteGuard(const char* program, Written written, OpenLine* openLine)
    : interruptedLine_(interruptedLine(program)), finishingLine_(programLine(program, kFinishing)),
      stopLine_(programLine(program, kStopped[static_cast<int>(written)])), openLine_(openLine)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        // Out of descriptors: no guard, rather than signals that nobody takes.
        ended_ = true;
        return;
    }
    readFd_ = Descriptor(fds[0]);
    gSignalPipe = fds[1];
    // The exchanges run on this thread: it must never be interrupted, since
    // hidapi takes an interrupted wait for a failed read. A handler rather
    // than a signalfd, because threads that were started before (the
    // window system's) do not block the signals and would otherwise be
    // killed by them. A signal the program was started to ignore is left
    // alone: whoever started it meant it to run on.
    const sigset_t set = interrupts_.set();
    pthread_sigmask(SIG_BLOCK, &set, &previousMask_);
    struct sigaction action {};
    action.sa_handler = forward;
    action.sa_flags = SA_RESTART;
    sigfillset(&action.sa_mask);
    interrupts_.take(action);
    watcher_ = std::thread([this, set] {
        pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
        watch();
    });
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
    const std::uint8_t wake = 0;
    static_cast<void>(!::write(gSignalPipe.load(), &wake, 1));
    watcher_.join();
    // Signals held back meanwhile arrive here, still through the handler:
    // with the write done there is nothing left to finish or to stop, they
    // only count for the exit status.
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
    interrupts_.restore();
    // A handler that still has the pipe writes to it before it is emptied.
    const Descriptor writeEnd(gSignalPipe.exchange(-1));
    while (gForwarding != 0)
        std::this_thread::yield();
    std::uint8_t byte = 0;
    while (::read(readFd_.fd(), &byte, 1) == 1) {
        if (first_ == 0 && byte != 0)
            first_ = byte;
    }
    readFd_.reset();
    return first_;
}

void WriteGuard::watch()
{
    pollfd fd{readFd_.fd(), POLLIN, 0};
    for (;;) {
        if (::poll(&fd, 1, -1) < 0)
            continue;
        std::uint8_t byte = 0;
        while (::read(readFd_.fd(), &byte, 1) == 1) {
            if (byte == 0)
                return;
            take(byte);
        }
    }
}

void WriteGuard::startPages()
{
    int stage = BeforePages;
    if (stage_.compare_exchange_strong(stage, Pages) || stage == Pages)
        return;
    // The watcher is ending the program; not one page may go meanwhile.
    for (;;)
        ::pause();
}

void WriteGuard::take(int signal)
{
    if (first_ == 0) {
        first_ = signal;
        int stage = BeforePages;
        if (stage_.compare_exchange_strong(stage, Cancelled))
            say(interruptedLine_, 128 + signal);
        say(finishingLine_);
        return;
    }
    say(stopLine_, 128 + signal);
}

void WriteGuard::say(const QByteArray& line, int exitStatus)
{
    std::unique_lock<std::mutex> lock;
    if (openLine_) {
        lock = std::unique_lock(openLine_->mutex);
        if (std::exchange(openLine_->open, false))
            writeOut("\n", 1);
    }
    writeOut(line.constData(), line.size());
    // Still holding the line: no line of the session's may follow this one.
    if (exitStatus != 0)
        exitBetweenFileWrites(exitStatus);
}

int GuardedAppliance::write(const Report& request)
{
    const auto command = static_cast<Command>(request[kCommandOffset]);
    if (command == Command::WriteConfigPage || command == Command::WriteFirmwarePage)
        guard_.startPages();
    return ForwardingTransport::write(request);
}

} // namespace orvik
