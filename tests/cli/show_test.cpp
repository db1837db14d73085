#include "support/expected_defaults.h"
#include "support/run_orvikctl.h"
#include "support/temp_files.h"
#include "support/translated_lines.h"
#include "support/validation_cases.h"

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
    QStringList expected;
    for (const test::ExpectedDefault& row : test::kExpectedDefaults)
        expected << QString("%1=%2").arg(row.name, row.value);
    EXPECT_EQ(r.out.split('\n', Qt::SkipEmptyParts), expected);
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

// English whatever the language, for scripts.
TEST(OrvikctlPosition, PrintsTheLocatorAndTheCountryOrSea)
{
    const struct {
        QStringList args;
        QString out;
        QString err = {};
        QString locale = {};
    } rows[] = {
        {{"position"}, "JO82lj Poland\n"},
        {{"position"}, "JO82lj Poland\n", "", test::kPolish},
        {{"position", "--set", QStringLiteral("Longitude=") + test::kSlippedLongitude},
         "IO12mj sea\n"},
        {{"position", "--set", "Latitude=4042.77N", "--set", "Longitude=07400.36W"},
         "FN20xr United States\n"},
        // New York, on a coast drawn kilometres off, is not at sea.
        {{"check", "--set", "Latitude=4042.77N", "--set", "Longitude=07400.36W"},
         QStringLiteral("warning: ") + test::kNocallPasscodeWarning + '\n'},
        {{"position", "--set", "Latitude=5221.6N"},
         "",
         QStringLiteral("Latitude: ") + test::messageOf(test::kLat) + '\n'},
    };
    for (const auto& row : rows) {
        const CliRun r = test::runCliIn(row.locale, row.args);
        EXPECT_EQ(r.out, row.out);
        EXPECT_EQ(r.err, row.err);
        EXPECT_EQ(r.status, row.err.isEmpty() ? 0 : 1);
    }
}

class OrvikctlImport : public test::TempFiles {};

TEST_F(OrvikctlImport, SaysWhatTheFileHoldsThatCannotBeTakenUnlessQuiet)
{
    for (const auto& row : test::kImportedValues) {
        const QString file = write("w.cfg", test::kIdent + row.lines);
        const QString said = row.warning.isEmpty() ? "" : row.warning + '\n';
        for (const QStringList& command : {QStringList{"show", file}, {"diff", file, file}}) {
            const CliRun told = runCli(command);
            const CliRun quiet = runCli(command + QStringList{"--quiet"});
            EXPECT_EQ(told.err, command[0] == "diff" ? said + said : said); // one for each side
            EXPECT_EQ(quiet.err, "");
            EXPECT_EQ(told.status + quiet.status, 0) << row.lines.left(40).constData();
        }
    }
}

} // namespace
} // namespace orvik::cli
