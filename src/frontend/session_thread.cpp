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
        }
    }
    delivering_.clear();
}

void ReportRelay::runOnTargetThread(const std::function<void()>& call)
{
    std::exception_ptr thrown;
    QMetaObject::invokeMethod(
        &receiver_,
        [&] {
            deliver();
            try {
                call();
            } catch (...) {
                thrown = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (thrown)
        std::rethrow_exception(thrown);
}

void runOffThread(Reporter& reporter, const std::function<void(ReportRelay& relay)>& work)
{
    ReportRelay relay(reporter);
    QObject here;
    bool ended = false;
    std::exception_ptr escaped;
    std::thread worker([&] {
        try {
            work(relay);
        } catch (...) {
            escaped = std::current_exception();
        }
        QMetaObject::invokeMethod(
            &here, [&] { ended = true; }, Qt::QueuedConnection);
    });
    // Not an event loop of its own, which a program told to quit meanwhile
    // would leave at once: the work's appliance and lock are released only
    // at its end.
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    worker.join();
    relay.deliver();
    if (escaped)
        std::rethrow_exception(escaped);
}

} // namespace orvik
