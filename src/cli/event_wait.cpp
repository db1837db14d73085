#include "cli/event_wait.h"

#include <QSocketNotifier>
#include <fcntl.h>
#include <unistd.h>

namespace orvik::cli {

EventWait::EventWait(SignalWatcher* watcher) : watcher_(watcher)
{
    int fds[2];
    if (!watcher_ || ::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readEnd_ = Descriptor(fds[0]);
    writeEnd_ = Descriptor(fds[1]);
    auto* notifier = new QSocketNotifier(fds[0], QSocketNotifier::Read, &loop_);
    QObject::connect(notifier, &QSocketNotifier::activated, &loop_, [this] {
        unsigned char signal = 0;
        if (::read(readEnd_.fd(), &signal, 1) == 1)
            finish(128 + signal);
    });
    watcher_->enter(*this);
}

EventWait::~EventWait()
{
    if (writeEnd_.isOpen())
        watcher_->leave(*this);
}

void EventWait::interrupted(int signal)
{
    const auto number = static_cast<unsigned char>(signal);
    static_cast<void>(!::write(writeEnd_.fd(), &number, 1));
}

} // namespace orvik::cli
