#pragma once

#include "settings/operation.h"

#include <QElapsedTimer>

class QPlainTextEdit;
class QProgressBar;

namespace orvik {

class Dialogs;

// Shows what an operation reports: lines in the log, the progress bar, and
// the three boxes. Operations block the one thread, so the log and the bar
// are repainted as they change, though not more often than the eye needs.
class GuiReporter : public Reporter {
public:
    GuiReporter(QPlainTextEdit& log, QProgressBar& progress, Dialogs& dialogs);

    void log(const QString& line) override;
    void setProgressRange(int maximum) override;
    void setProgress(int position) override;
    void information(const QString& text) override;
    void notice(const QString& text) override;
    void error(const QString& text) override;
    void handlePendingEvents() override;

    // Paints a change still waiting for its turn; called when an operation
    // ends, so its last line and bar position are never left unpainted.
    void flush();

private:
    void changed();
    void paintNow();

    QPlainTextEdit& log_;
    QProgressBar& progress_;
    Dialogs& dialogs_;
    QElapsedTimer lastPaint_;
    bool unpainted_ = false;
};

} // namespace orvik
