#pragma once

#include "settings/operation.h"

#include <QTextStream>

namespace orvik::cli {

// Every log line and box text goes to standard error exactly as the window
// would show it; the progress bar has no counterpart here.
class CliReporter : public Reporter {
public:
    explicit CliReporter(QTextStream& err) : err_(err) {}
    void log(const QString& line) override;
    void setProgressRange(int) override {}
    void setProgress(int) override {}
    void information(const QString& text) override;
    void notice(const QString& text) override;
    void error(const QString& text) override;

private:
    QTextStream& err_;
};

} // namespace orvik::cli
