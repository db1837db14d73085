#include "frontend/session_thread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <exception>
#include <thread>
#include <utility>

namespace orvik {

void ReportRelay::add(Told told)
{
    const std::lock_guard lock(mutex_);
    waiting_.push_back(std::move(told));
    if (std::exchange(posted_, true))
        return;
    QMetaObject::invokeMethod(
        &receiver_, [this] { deliver(); }, Qt::QueuedConnection);
}

void ReportRelay::deliver()
{
    {
        const std::lock_guard lock(mutex_);
        delivering_.swap(waiting_);
        posted_ = false;
    }
    for (const Told& told : delivering_) {
        switch (told.kind) {
        case Kind::Log:
            target_.log(told.text);
            break;
        case Kind::Step:
            target_.logStep(told.text);
            break;
        case Kind::Page:
            target_.logPage(told.words, told.number, told.of);
            break;
        case Kind::Range:
            target_.setProgressRange(told.number);
            break;
        case Kind::Position:
            target_.setProgress(told.number);
            break;
        case Kind::Information:
            target_.information(told.text);
            break;
        case Kind::Notice:
            target_.notice(told.text);
            break;
        case Kind::Error:
            target_.error(told.text);
            break;
        case Kind::ProgramError:
            target_.programError(told.text);
            break;
        case Kind::Call:
            (*told.call)();
            break;
        case Kind::End:
            ended_ = true;
            break;
        }
    }
    delivering_.clear();
}

void ReportRelay::runOnTargetThread(const std::function<void()>& call)
{
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
    called_.wait(lock, [&] { return called; });
    lock.unlock();
    if (thrown)
        std::rethrow_exception(thrown);
}

void runOffThread(Reporter& reporter, const std::function<void(ReportRelay& relay)>& work)
{
    ReportRelay relay(reporter);
    std::exception_ptr escaped;
    std::thread worker([&] {
        try {
            work(relay);
        } catch (...) {
            escaped = std::current_exception();
        }
        relay.end();
    });
    // Not an event loop of its own, which a program told to quit meanwhile
    // would leave at once: the work's appliance and lock are released only
    // at its end.
    while (!relay.ended())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    worker.join();
    if (escaped)
        std::rethrow_exception(escaped);
}

} // namespace orvik
