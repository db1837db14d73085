#pragma once

#include "frontend/reporter.h"
#include "qt_print.h"

#include <QStringList>

namespace orvik::test {

// Records everything the user would see, one string per call, in order:
// "log: ...", "range: N", "progress: N", "information: ...", "notice: ...",
// "error: ...".
class RecordingReporter : public Reporter {
public:
    void log(const QString& line) override { calls << QStringLiteral("log: ") + line; }
    void setProgressRange(int maximum) override
    {
        calls << QStringLiteral("range: %1").arg(maximum);
    }
    void setProgress(int position) override
    {
        calls << QStringLiteral("progress: %1").arg(position);
    }
    void information(const QString& text) override
    {
        calls << QStringLiteral("information: ") + text;
    }
    void notice(const QString& text) override { calls << QStringLiteral("notice: ") + text; }
    void error(const QString& text) override { calls << QStringLiteral("error: ") + text; }

    QStringList calls;
};

} // namespace orvik::test
