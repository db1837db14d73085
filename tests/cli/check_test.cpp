#include "support/run_orvikctl.h"
#include "support/temp_files.h"
#include "support/validation_cases.h"

#include <gtest/gtest.h>

namespace orvik::cli {
namespace {

using test::CliRun;
using test::runCli;

class OrvikctlCheck : public test::TempFiles {};

TEST_F(OrvikctlCheck, ListsEveryFaultOfAFileInRuleOrderAndWarnsOfThePasscode)
{
    const QString file = dir.filePath("faults.cfg");
    ASSERT_EQ(runCli({"save", "-o", file, "--set", "Beacon3_msg=\u00e9", "--set", "Ssid=x", "--set",
                      "Latitude=5221.6N"})
                  .status,
              0);
    const CliRun r = runCli({"check", file});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              QStringLiteral("Latitude: %1\nSsid: %2\nwarning: %3\nBeacon3_msg: %4\n")
                  .arg(test::messageOf(test::kLat), "'x' is not a valid integer value.",
                       test::kNocallPasscodeWarning, "Beacon 3 message - forbidden characters."));

    const CliRun clean = runCli({"check", file, "--set", "Latitude=5221.60N", "--set", "Ssid=1",
                                 "--set", "Beacon3_msg=", "--set", "Aprsis_pass=-1"});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out + clean.err, "");
}

} // namespace
} // namespace orvik::cli
