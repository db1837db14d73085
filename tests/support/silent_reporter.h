#pragma once

#include "frontend/reporter.h"

namespace orvik::test {

// For fuzzers and benchmarks, where what the user would see does not matter.
class SilentReporter : public Reporter {
public:
    void log(const QString&) override {}
    void setProgressRange(int) override {}
    void setProgress(int) override {}
    void information(const QString&) override {}
    void notice(const QString&) override {}
    void error(const QString&) override {}
};

} // namespace orvik::test
