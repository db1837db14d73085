#pragma once

#include "device/write_guard.h"
#include "frontend/reporter.h"

#include <QTextStream>
#include <functional>
#include <mutex>

namespace orvik::cli {

// Every log line and box text goes to standard error exactly as the window
// would show it. On a terminal the page lines give way to one progress line
// that is drawn again in place; with --quiet only what went wrong is said.
class CliReporter : public Reporter {
public:
    enum class Mode { Lines, Terminal, Quiet };
    // Milliseconds on a clock that never goes back.
    using Ticks = std::function<qint64()>;

    explicit CliReporter(QTextStream& err, Ticks ticks = steadyMs)
        : err_(err), ticks_(std::move(ticks))
    {}
    void setMode(Mode mode) { mode_ = mode; }
    Mode mode() const { return mode_; }
    // Named at the start of the progress line.
    void setOperation(const QString& name) { operation_ = name; }
    // Open while the progress line is drawn and not yet ended.
    OpenLine& openLine() { return openLine_; }

    void log(const QString& line) override;
    // On a terminal, the progress line drawn anew.
    void logPage(const PageWords& words, int page, int pages) override;
    void setProgressRange(int maximum) override;
    void setProgress(int) override {}
    void information(const QString& text) override;
    void notice(const QString& text) override;
    void error(const QString& text) override;
    // "orvikctl: TEXT", whatever the mode.
    void programError(const QString& text) override;
    // Before a session: with --quiet its lines are held from here on, since
    // any may be the one that ends it; outside one, a line tells a failure.
    void startSession() { inSession_ = true; }
    // After a session: the progress line is ended, and with --quiet the line
    // that ended a failed session is said, unless a box has said why.
    void endSession(bool succeeded);

    static qint64 steadyMs();

private:
    // One line below the progress line, if one is shown.
    void print(const QString& text);
    void drawProgress();
    // Ends the progress line, if one is open; the line's lock is held while
    // what it returns lives.
    std::unique_lock<std::mutex> endLine();

    QTextStream& err_;
    Ticks ticks_;
    Mode mode_ = Mode::Lines;
    QString operation_;
    bool inSession_ = false;
    QString held_; // --quiet: the session's last log line, said only if it ended a failure
    OpenLine openLine_;

    struct Progress {
        const char* words = nullptr; // "page written %1/%2", untranslated
        int page = 0;
        int pages = 0;
        qint64 startedMs = 0;
        qint64 drawnMs = 0;
        bool stale = false; // a later page than the one shown
    } progress_;
};

} // namespace orvik::cli
