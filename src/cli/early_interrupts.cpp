#include "cli/early_interrupts.h"

#include "device/write_guard.h"

#include <QByteArray>
#include <atomic>
#include <csignal>
#include <optional>
#include <unistd.h>

namespace orvik::cli {

namespace {

// The line said, made before a signal can come; both live for the program's
// life, since a handler may hold either.
QByteArray gEnglish;
QByteArray gTranslated;
std::atomic<const QByteArray*> gLine{nullptr};
std::atomic<bool> gHandedOver{false};
// The signal mask the program started with, once holdInterruptsAtStart has
// held the interrupts back.
std::optional<sigset_t> gStartMask;

void onInterrupt(int signal)
{
    if (gHandedOver.load()) {
        // The guard put this handler back as it ended.
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    const QByteArray* line = gLine.load();
    static_cast<void>(!::write(STDERR_FILENO, line->constData(), line->size()));
    ::_exit(128 + signal);
}

// The mask as it stood at the start, without `unblocked`.
void letThrough(const sigset_t& unblocked)
{
    sigset_t mask;
    if (gStartMask)
        mask = *gStartMask;
    else
        pthread_sigmask(SIG_SETMASK, nullptr, &mask);
    for (const int signal : kInterrupts) {
        if (sigismember(&unblocked, signal) == 1)
            sigdelset(&mask, signal);
    }
    pthread_sigmask(SIG_SETMASK, &mask, nullptr);
}

} // namespace

void holdInterruptsAtStart()
{
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : kInterrupts)
        sigaddset(&held, signal);
    sigset_t before;
    pthread_sigmask(SIG_BLOCK, &held, &before);
    gStartMask = before;
}

void releaseInterruptsAtStart()
{
    sigset_t none;
    sigemptyset(&none);
    letThrough(none);
}

EarlyInterrupts::EarlyInterrupts(const char* program) : program_(program)
{
    gEnglish = interruptedLine(program);
    gLine = &gEnglish;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigfillset(&action.sa_mask);
    interrupts_.take(action);
    letThrough(interrupts_.set());
}

void EarlyInterrupts::translate()
{
    gTranslated = interruptedLine(program_);
    gLine = &gTranslated;
}

void EarlyInterrupts::handOver()
{
    gHandedOver = true;
}

} // namespace orvik::cli
