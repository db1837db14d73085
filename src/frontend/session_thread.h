#pragma once

#include "files/descriptor.h"
#include "frontend/reporter.h"

#include <QSocketNotifier>
#include <QTimer>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <type_traits>
#include <vector>

namespace orvik {

// A reporter for work on a thread of its own: what the work reports reaches
// `target` on the thread that made the relay, in order, handed on by that
// thread's event loop. What comes while reports are being handed on waits for
// the next batch, 10 ms later, so a fast session wakes the target's thread
// once per batch, not once per page; a call the work waits for, and its end,
// go at once. A target call may run an event loop (a box): what comes
// meanwhile is handed on from there, still in order.
class ReportRelay final : public Reporter {
public:
    // `atEnd` runs on the target's thread once the end has been handed on.
    explicit ReportRelay(Reporter& target, std::function<void()> atEnd = {});
    ReportRelay(const ReportRelay&) = delete;
    ReportRelay& operator=(const ReportRelay&) = delete;

    void log(const QString& line) override { add({Kind::Log, line}); }
    void logStep(const QString& line) override { add({Kind::Step, line}); }
    void logPage(const PageWords& words, int page, int pages) override
    {
        add({Kind::Page, {}, words, page, pages});
    }
    void setProgressRange(int maximum) override { add({Kind::Range, {}, {}, maximum}); }
    void setProgress(int position) override { add({Kind::Position, {}, {}, position}); }
    void information(const QString& text) override { add({Kind::Information, text}); }
    void notice(const QString& text) override { add({Kind::Notice, text}); }
    void error(const QString& text) override { add({Kind::Error, text}); }
    void programError(const QString& text) override { add({Kind::ProgramError, text}); }

    // Runs `call` on the target's thread, after what was reported before it,
    // and waits for it; what it throws is thrown here. For what the front end
    // owns, such as the settings its controls show. What the work wrote
    // before is seen there, and what the call wrote is seen here after it, as
    // the two threads meet through the relay's own lock. On the target's
    // thread, where it would wait for itself, it throws std::logic_error.
    template <class Call> std::invoke_result_t<Call&> onTargetThread(Call call)
    {
        if constexpr (std::is_void_v<std::invoke_result_t<Call&>>) {
            runOnTargetThread(call);
        } else {
            std::invoke_result_t<Call&> value{};
            runOnTargetThread([&] { value = call(); });
            return value;
        }
    }
    // The work has ended: the last thing it sends.
    void end() { add({Kind::End}); }
    // The target goes before the work has ended: a call the work waits for,
    // or makes from now on, returns without being run (a value call, its
    // type's default), so the work can end; on the target's thread.
    void abandon();

private:
    enum class Kind {
        Log,
        Step,
        Page,
        Range,
        Position,
        Information,
        Notice,
        Error,
        ProgramError,
        Call, // runOnTargetThread
        End,
    };
    struct Queued {
        Kind kind;
        QString text;
        PageWords words{};
        int number = 0;
        int of = 0;
        const std::function<void()>* call = nullptr;
    };
    void add(Queued queued);
    // Hands what has come to the target, one at a time from the front of
    // delivering_; on the target's thread.
    void deliver();
    void hand(const Queued& queued);
    void runOnTargetThread(const std::function<void()>& call);

    Reporter& target_;
    const std::function<void()> atEnd_;
    const std::thread::id targetThread_ = std::this_thread::get_id();
    // The work wakes the target's thread through an eventfd rather than a
    // queued call: nothing the work makes passes through Qt's event queue,
    // where ThreadSanitizer cannot see the two threads meet.
    const Descriptor wake_;
    QSocketNotifier woken_; // target's thread; made after wake_, so gone before it closes
    QTimer nextBatch_;      // target's thread
    std::mutex mutex_;
    std::vector<Queued> waiting_;
    std::deque<Queued> delivering_; // target's thread
    bool posted_ = false;
    std::condition_variable called_; // under mutex_
    bool abandoned_ = false;         // under mutex_
    bool ended_ = false;             // target's thread
};

} // namespace orvik
