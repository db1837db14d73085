#include "frontend/reporter.h"
#include "settings/number.h"
#include "support/recording_reporter.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace orvik {
namespace {

TEST(ErrorBoxText, FullStopFollowsCharactersAboveCode46)
{
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"'' is not a valid integer value", "'' is not a valid integer value."},
        {"Unable to write to /tmp/a/b.cfg", "Unable to write to /tmp/a/b.cfg."},
        {"ends in a digit 7", "ends in a digit 7."},
        {"ends in a slash /", "ends in a slash /."}, // code 47
        {"ends in a stop.", "ends in a stop."},      // code 46
        {"ends in a dash -", "ends in a dash -"},    // code 45
        {"ends in a quote '", "ends in a quote '"},  // code 39
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorBoxText(c.text), QString(c.shown)) << c.text;
}

TEST(RunOperation, AnEscapingErrorEndsInTheErrorBoxAndTheProgramGoesOn)
{
    test::RecordingReporter r;
    bool reachedAfter = false;
    EXPECT_FALSE(runOperation(r, [&] {
        throw notANumber("12 ");
        reachedAfter = true;
    }));
    EXPECT_FALSE(reachedAfter);
    EXPECT_EQ(r.calls, QStringList{"error: '12 ' is not a valid integer value."});

    EXPECT_TRUE(runOperation(r, [&] { r.log("next operation"); }));
    EXPECT_EQ(r.calls.last(), "log: next operation");
}

} // namespace
} // namespace orvik
