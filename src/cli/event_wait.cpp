#include "cli/event_wait.h"

namespace orvik::cli {

EventWait::EventWait(SignalWatcher* watcher) : watcher_(watcher)
{
    if (watcher_)
        watcher_->enter(*this);
}

EventWait::~EventWait()
{
    if (watcher_)
        watcher_->leave(*this);
}

void EventWait::interrupted(int signal)
{
    // On the watcher's thread: the loop ends on its own. Once the wait is
    // gone, an ending still queued goes with it.
    QMetaObject::invokeMethod(
        &loop_, [this, signal] { finish(128 + signal); }, Qt::QueuedConnection);
}

} // namespace orvik::cli
