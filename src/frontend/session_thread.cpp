#include "frontend/session_thread.h"

#include <cerrno>
#include <cstdint>
#include <exception>
#include <iterator>
#include <stdexcept>
#include <sys/eventfd.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

namespace orvik {

namespace {
// Often enough for the eye (the window paints at most every 40 ms), seldom
// enough that handing reports on costs next to nothing per page.
constexpr int kBatchMs = 10;

int wakeDescriptor()
{
    const int fd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (fd < 0)
        throw std::system_error(errno, std::generic_category(), "eventfd");
    return fd;
}
} // namespace

ReportRelay::ReportRelay(Reporter& target, std::function<void()> atEnd)
    : target_(target), atEnd_(std::move(atEnd)), wake_(wakeDescriptor()),
      woken_(wake_.fd(), QSocketNotifier::Read)
{
    QObject::connect(&woken_, &QSocketNotifier::activated, [this] {
        std::uint64_t wakes = 0;
        static_cast<void>(!::read(wake_.fd(), &wakes, sizeof wakes));
        deliver();
    });
    nextBatch_.setSingleShot(true);
    nextBatch_.callOnTimeout([this] { deliver(); });
}

void ReportRelay::add(Queued queued)
{
    const bool waitedFor = queued.kind == Kind::Call || queued.kind == Kind::End;
    const std::lock_guard lock(mutex_);
    waiting_.push_back(std::move(queued));
    if (std::exchange(posted_, true) && !waitedFor)
        return;
    const std::uint64_t wake = 1;
    static_cast<void>(!::write(wake_.fd(), &wake, sizeof wake));
}

void ReportRelay::deliver()
{
    {
        const std::lock_guard lock(mutex_);
        std::move(waiting_.begin(), waiting_.end(), std::back_inserter(delivering_));
        waiting_.clear();
        // More may come meanwhile: it waits for the next batch, which a call
        // that runs an event loop delivers from there.
        posted_ = !delivering_.empty();
    }
    if (delivering_.empty())
        return;
    nextBatch_.start(kBatchMs);
    // Each report leaves the queue before it is handed on, so that a
    // delivery from such an event loop goes on with the next one.
    while (!delivering_.empty()) {
        const Queued queued = std::move(delivering_.front());
        delivering_.pop_front();
        hand(queued);
    }
    if (ended_)
        nextBatch_.stop();
}

void ReportRelay::hand(const Queued& queued)
{
    switch (queued.kind) {
    case Kind::Log:
        target_.log(queued.text);
        break;
    case Kind::Step:
        target_.logStep(queued.text);
        break;
    case Kind::Page:
        target_.logPage(queued.words, queued.number, queued.of);
        break;
    case Kind::Range:
        target_.setProgressRange(queued.number);
        break;
    case Kind::Position:
        target_.setProgress(queued.number);
        break;
    case Kind::Information:
        target_.information(queued.text);
        break;
    case Kind::Notice:
        target_.notice(queued.text);
        break;
    case Kind::Error:
        target_.error(queued.text);
        break;
    case Kind::ProgramError:
        target_.programError(queued.text);
        break;
    case Kind::Call:
        (*queued.call)();
        break;
    case Kind::End:
        ended_ = true;
        if (atEnd_)
            atEnd_();
        break;
    }
}

void ReportRelay::abandon()
{
    const std::lock_guard lock(mutex_);
    abandoned_ = true;
    called_.notify_all();
}

void ReportRelay::runOnTargetThread(const std::function<void()>& call)
{
    if (std::this_thread::get_id() == targetThread_)
        throw std::logic_error("ReportRelay::onTargetThread called on the target's own thread");
    std::exception_ptr thrown;
    bool called = false;
    const std::function<void()> run = [&] {
        try {
            call();
        } catch (...) {
            thrown = std::current_exception();
        }
        const std::lock_guard lock(mutex_);
        called = true;
        called_.notify_one();
    };
    add({Kind::Call, {}, {}, 0, 0, &run});
    std::unique_lock lock(mutex_);
    called_.wait(lock, [&] { return called || abandoned_; });
    lock.unlock();
    if (thrown)
        std::rethrow_exception(thrown);
}

} // namespace orvik
