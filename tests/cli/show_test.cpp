#include "support/run_orvikctl.h"

#include <gtest/gtest.h>

namespace orvik::cli {
namespace {

using test::CliRun;
using test::runCli;

TEST(OrvikctlShow, PrintsAllSettingsWithTheClockAtTheGivenTime)
{
    const CliRun r = runCli({"show", "--time", "1700000000"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 92);
    EXPECT_EQ(lines.first(), "Weather_stationtype=5");
    EXPECT_EQ(lines.last(), "WU_rapidfirerate=5");
    const QStringList clock = lines.mid(31, 5);
    EXPECT_EQ(clock,
              (QStringList{"Rtcyear=2023", "Rtcmonth=11", "Rtcday=14", "Rtchour=22", "Rtcmin=13"}));
}

TEST(OrvikctlShow, SetChangesTheShownSettings)
{
    const CliRun r = runCli({"show", "--set", "Callsign=SP9XYZ", "--set", "Uploadpctime=0", "--set",
                             "Weather_stationtype=11", "--set", "Beacon2_msg=a=b"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("\nCallsign=SP9XYZ\n"));
    EXPECT_TRUE(r.out.contains("\nUploadpctime=0\n"));
    EXPECT_TRUE(r.out.startsWith("Weather_stationtype=-1\n"));
    EXPECT_TRUE(r.out.contains("\nBeacon2_msg=a=b\n"));
}

} // namespace
} // namespace orvik::cli
