#pragma once

#include "frontend/reporter.h"
#include "frontend/session_runner.h"
#include "frontend/session_thread.h"

#include <QObject>
#include <exception>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace orvik {

// Passes lines and the bar on to `target` as they come, and keeps the boxes
// until showHeldBoxes shows them there, in the order they came.
class BoxHolder final : public Reporter {
public:
    explicit BoxHolder(Reporter& target) : target_(target) {}

    void log(const QString& line) override { target_.log(line); }
    void logStep(const QString& line) override { target_.logStep(line); }
    void logPage(const PageWords& words, int page, int pages) override
    {
        target_.logPage(words, page, pages);
    }
    void setProgressRange(int maximum) override { target_.setProgressRange(maximum); }
    void setProgress(int position) override { target_.setProgress(position); }
    void information(const QString& text) override
    {
        held_.push_back({&Reporter::information, text});
    }
    void notice(const QString& text) override { held_.push_back({&Reporter::notice, text}); }
    void error(const QString& text) override { held_.push_back({&Reporter::error, text}); }
    void programError(const QString& text) override
    {
        held_.push_back({&Reporter::programError, text});
    }

    void showHeldBoxes();

private:
    Reporter& target_;
    std::vector<std::pair<void (Reporter::*)(const QString&), QString>> held_;
};

// What an operation does on its thread: its session, which reports through
// `relay`. What it throws ends in the error box.
class OperationWork {
public:
    virtual ~OperationWork() = default;
    virtual SessionEnd run(ReportRelay& relay) = 0;
};

// A session on the appliance that a window starts: it runs on a thread of its
// own, so the window's events go on meanwhile, and owns what it works with.
// Its lines and bar reach `reporter` as they come, through a ReportRelay, in
// order; its boxes wait for showHeldBoxes, which the window calls once the
// appliance is free again. `finished` tells its end, on the thread that
// started it, once all it reported has been handed on.
class DeviceOperation final : public QObject {
    Q_OBJECT
public:
    DeviceOperation(std::unique_ptr<OperationWork> work, Reporter& reporter,
                    QObject* parent = nullptr);
    // Waits for the operation's thread, before what it works with goes.
    ~DeviceOperation() override;
    DeviceOperation(const DeviceOperation&) = delete;
    DeviceOperation& operator=(const DeviceOperation&) = delete;

    // Starts the operation on a thread of its own; once.
    void start();
    // Started, and `finished` not yet emitted.
    [[nodiscard]] bool running() const { return worker_.joinable(); }
    void showHeldBoxes() { boxes_.showHeldBoxes(); }

signals:
    void finished(const orvik::SessionEnd& end);

private:
    void end();

    BoxHolder boxes_;
    ReportRelay relay_; // made after boxes_, its target
    const std::unique_ptr<OperationWork> work_;
    std::thread worker_;
    // Written by the operation's thread, read after its end has been handed on.
    SessionEnd end_;
    std::exception_ptr escaped_;
};

} // namespace orvik
