#include "cli/early_interrupts.h"

#include "device/write_guard.h"

namespace orvik::cli {

void holdInterruptsAtStart()
{
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : kInterrupts) {
        struct sigaction now {};
        ::sigaction(signal, nullptr, &now);
        if (now.sa_handler != SIG_IGN)
            sigaddset(&held, signal);
    }
    pthread_sigmask(SIG_BLOCK, &held, nullptr);
}

EarlyInterrupts::EarlyInterrupts(const char* program)
    : program_(program), line_(interruptedLine(program))
{}

void EarlyInterrupts::translate()
{
    const QByteArray line = interruptedLine(program_);
    const std::lock_guard lock(mutex_);
    line_ = line;
}

void EarlyInterrupts::interrupted(int signal)
{
    const std::lock_guard lock(mutex_);
    endWithLine(line_, 128 + signal);
}

} // namespace orvik::cli
