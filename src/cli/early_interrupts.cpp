#include "cli/early_interrupts.h"

#include "device/write_guard.h"

#include <QByteArray>
#include <atomic>
#include <csignal>
#include <unistd.h>

namespace orvik::cli {

namespace {

// The line said, made before a signal can come; both live for the program's
// life, since a handler may hold either.
QByteArray gEnglish;
QByteArray gTranslated;
std::atomic<const QByteArray*> gLine{nullptr};
std::atomic<bool> gHandedOver{false};

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

} // namespace

EarlyInterrupts::EarlyInterrupts(const char* program) : program_(program)
{
    gEnglish = interruptedLine(program);
    gLine = &gEnglish;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigfillset(&action.sa_mask);
    interrupts_.take(action);
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
