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

// Where the user reads a failure follows from its cause alone: the error box
// adds its full stop, the information box and the log take the text as it is.
TEST(Report, EachCauseIsToldWhereItsKindOfFailureIsRead)
{
    const struct {
        Cause cause;
        const char* told;
    } rows[] = {
        {Cause::Failed, "error: why."},
        {Cause::NotFound, "log: why"},
        {Cause::InUse, "error: why."},
        {Cause::CannotOpen, "log: why"},
        {Cause::NoReply, "log: why"},
        {Cause::WrongEcho, "log: why"},
        {Cause::BadChecksum, "log: why"},
        {Cause::Disconnected, "log: why"},
        {Cause::VersionUnread, "log: why"},
        {Cause::VersionMismatch, "information: why"},
        {Cause::FirmwareRefused, "information: why"},
        {Cause::System, "error: why."},
        {Cause::NotRegular, "error: why."},
        {Cause::TooLarge, "error: why."},
        {Cause::UpdatedElsewhere, "error: why."},
        {Cause::NotConfigFile, "error: why."},
        {Cause::CannotWrite, "error: why."},
        {Cause::OutOfMemory, "error: why."},
        {Cause::Refused, "information: why"},
        {Cause::Unconvertible, "error: why."},
        {Cause::ValueChanged, "log: why"},
        {Cause::ProgramFile, "error: why."},
        {Cause::AlreadyTold, nullptr},
    };
    // A cause added last without its row is missed here.
    EXPECT_EQ(std::size(rows), static_cast<std::size_t>(Cause::AlreadyTold) + 1);
    for (const auto& row : rows) {
        test::RecordingReporter r;
        report(r, OperationError(row.cause, QStringLiteral("why")));
        EXPECT_EQ(r.calls, row.told ? QStringList{row.told} : QStringList{})
            << static_cast<int>(row.cause);
    }
}

} // namespace
} // namespace orvik
