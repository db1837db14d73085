#include "cli/event_wait.h"

#include <fcntl.h>
#include <unistd.h>

namespace orvik::cli {

namespace {

// Where the handler puts the signal's number; one wait at a time.
volatile sig_atomic_t gWriteFd = -1;

void onSignal(int signal)
{
    const auto number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(gWriteFd, &number, 1);
}

} // namespace

EventWait::EventWait()
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readEnd_ = Descriptor(fds[0]);
    writeEnd_ = Descriptor(fds[1]);
    gWriteFd = fds[1];
    notifier_ = new QSocketNotifier(fds[0], QSocketNotifier::Read, &loop_);
    QObject::connect(notifier_, &QSocketNotifier::activated, &loop_, [this] {
        unsigned char signal = 0;
        if (::read(readEnd_.fd(), &signal, 1) == 1)
            finish(128 + signal);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    interrupts_.take(action);
}

EventWait::~EventWait()
{
    // Before the pipe goes, so that no handler writes to it afterwards.
    interrupts_.restore();
    gWriteFd = -1;
}

} // namespace orvik::cli
