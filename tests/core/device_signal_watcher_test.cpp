#include "device/signal_watcher.h"

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <gtest/gtest.h>
#include <mutex>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Keeps the signals it is handed.
class Recorder final : public orvik::InterruptPolicy {
public:
    void interrupted(int signal) override
    {
        const std::lock_guard lock(mutex_);
        handed_.push_back(signal);
        more_.notify_all();
    }
    // Those handed once `count` have come, or at most ten seconds on.
    std::vector<int> await(std::size_t count)
    {
        std::unique_lock lock(mutex_);
        more_.wait_for(lock, std::chrono::seconds(10), [&] { return handed_.size() >= count; });
        return handed_;
    }

private:
    std::mutex mutex_;
    std::condition_variable more_;
    std::vector<int> handed_;
};

} // namespace

// The early policy until a guard begins, the guard while it is in force (a
// signal held back until the steps held together end), one guard at a time,
// the early policy never again, and the signal's own course with none.
TEST(SignalWatcher, HandsEachSignalToThePolicyInForce)
{
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // the watcher's thread in the child too
    Recorder early, guard, wait;
    orvik::SignalWatcher watcher(&early);
    ::kill(::getpid(), SIGINT);
    EXPECT_EQ(early.await(1), std::vector{SIGINT});
    watcher.enter(guard);
    EXPECT_THROW(watcher.enter(wait), std::logic_error);
    {
        const orvik::SignalWatcher::Held together(&watcher);
        ::kill(::getpid(), SIGTERM);
        watcher.leave(guard);
        watcher.enter(wait);
    }
    EXPECT_EQ(wait.await(1), std::vector{SIGTERM});
    watcher.leave(wait);
    EXPECT_EQ(guard.await(0), std::vector<int>{});
    EXPECT_EQ(early.await(1), std::vector{SIGINT});
    EXPECT_EXIT((::kill(::getpid(), SIGHUP), ::pause()), testing::KilledBySignal(SIGHUP), "");
    GTEST_FLAG_SET(death_test_style, style);
}
