#pragma once

#include "app/dialogs.h"
#include "frontend/reporter.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>

class QPlainTextEdit;
class QProgressBar;

namespace orvik {

// Shows what an operation reports: lines in the log, the progress bar, and
// the three boxes, on the window's thread (a device session's reports come
// from its own thread through a ReportRelay). The log and the bar are painted
// as they change, though not more often than the eye needs. Painting is what
// costs: a new bar value repaints at once and each appended line is laid out,
// so lines and the bar's position wait for the next paint, or, when nothing
// follows them for a while (a slow appliance), for a paint of their own.
// The log's caret stands at the start of its newest line, where a screen
// reader begins to read.
class GuiReporter : public Reporter {
public:
    // `announce` says a text to screen readers.
    GuiReporter(QPlainTextEdit& log, QProgressBar& progress, Dialogs& dialogs,
                std::function<void(const QString&)> announce = {});

    void log(const QString& line) override;
    void logStep(const QString& line) override;
    void setProgressRange(int maximum) override;
    void setProgress(int position) override;
    void information(const QString& text) override;
    void notice(const QString& text) override;
    void error(const QString& text) override;

    // Shows and paints what still waits for its turn; called when an
    // operation ends, so its last lines and bar position are never left out.
    void flush();
    // Flushes, and announces the lines that told how the operation ended:
    // the boxes speak for themselves, the log does not. Lines that only say
    // how far it came (a page done, the appliance found) are not announced.
    void finish();

    // Lines of their own, not an operation's: shown and announced at once.
    void announceLines(const QStringList& lines);

private:
    void box(BoxKind kind, const QString& text);
    void changed();
    void paintNow();
    void applyPosition();

    QPlainTextEdit& log_;
    QProgressBar& progress_;
    Dialogs& dialogs_;
    std::function<void(const QString&)> announce_;
    QStringList outcome_; // since the operation began
    QElapsedTimer lastPaint_;
    QElapsedTimer lastChange_;
    QTimer latePaint_;
    QStringList pendingLines_;
    std::optional<int> pendingPosition_;
    bool unpainted_ = false;
};

} // namespace orvik
