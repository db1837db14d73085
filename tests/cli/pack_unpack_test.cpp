#include "support/expected_image.h"
#include "support/qt_print.h"
#include "support/run_orvikctl.h"
#include "support/translated_lines.h"
#include "support/validation_cases.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <tuple>

namespace orvik::cli {
namespace {

using test::CliRun;
using test::runCli;

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(data), data.size());
}

class OrvikctlPackUnpack : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(OrvikctlPackUnpack, DefaultsRoundTrip)
{
    const CliRun pack = runCli({"pack", "--time", "1700000000", "-o", path("a.bin")});
    EXPECT_EQ(pack.status, 0);
    EXPECT_EQ(pack.err, "");
    EXPECT_EQ(pack.out, "");
    const QByteArray image = readAll(path("a.bin"));
    ASSERT_EQ(image.size(), 6144);
    const ConfigImage expected = test::expectedDefaultImage();
    EXPECT_EQ(image.left(12), QByteArray(reinterpret_cast<const char*>(expected.data()), 12));

    const CliRun unpack = runCli({"unpack", "--time", "1700000000", path("a.bin")});
    EXPECT_EQ(unpack.status, 0);
    EXPECT_EQ(unpack.err, "");
    const CliRun show = runCli({"show", "--time", "1700000000"});
    // The APRS-IS user is stored upper-cased.
    EXPECT_EQ(unpack.out,
              QString(show.out).replace("\nAprsis_user=nocall\n", "\nAprsis_user=NOCALL\n"));
}

TEST_F(OrvikctlPackUnpack, ChangedSettingsComeBack)
{
    ASSERT_EQ(runCli({"pack", "--set", "Callsign=sp9xyz", "--set", "Beacon2_msg=a=b", "--set",
                      "Netconfig=1", "-o", path("a.bin")})
                  .status,
              0);
    const CliRun r = runCli({"unpack", path("a.bin")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("\nCallsign=SP9XYZ\n"));
    EXPECT_TRUE(r.out.contains("\nBeacon2_msg=a=b\n"));
    EXPECT_TRUE(r.out.contains("\nNetconfig=1\n"));
}

TEST_F(OrvikctlPackUnpack, ClockFieldsTakeNowWhileUploadpctimeIsTicked)
{
    ASSERT_EQ(
        runCli({"pack", "--time", "1700000000", "--set", "Rtcyear=1999", "-o", path("a")}).status,
        0);
    EXPECT_EQ(readAll(path("a")).mid(402, 6), QByteArray("\xE7\x07\x0B\x0E\x16\x0D", 6));
    ASSERT_EQ(runCli({"pack", "--time", "1700000000", "--set", "Uploadpctime=0", "--set",
                      "Rtcyear=1999", "-o", path("b")})
                  .status,
              0);
    EXPECT_EQ(readAll(path("b")).mid(402, 2), QByteArray("\xCF\x07", 2));
}

TEST_F(OrvikctlPackUnpack, RefusedPackingWritesNothing)
{
    struct Case {
        QString set;
        const char* err;
    };
    const Case cases[] = {
        {"Latitude=x", "Our latitude - syntax error (e.g. 5221.60N, format: DDMM.MM).\n"},
        {"Ipmask3=", "'' is not a valid integer value.\n"},
        {"Beacon6_txrate_aprsis=1441",
         "Beacon 6 tx rate (APRSIS) range error (5 - 1440), or 0 to disable.\n"},
        {"WU_rapidfirerate=61",
         "WeatherUnderground \"Rapid fire\" send rate range error (5 - 60).\n"},
        {"Weather_comment=" + QString(33, 'c'),
         "Weather_comment - text too long (at most 32 characters).\n"},
    };
    for (const Case& c : cases) {
        const CliRun r = runCli({"pack", "--set", c.set, "-o", path("x.bin")});
        EXPECT_EQ(r.status, 1) << c.err;
        EXPECT_EQ(r.err, QString(c.err));
        EXPECT_FALSE(QFile::exists(path("x.bin"))) << c.err;
    }
}

TEST_F(OrvikctlPackUnpack, UnpackRefusesBadImages)
{
    ASSERT_EQ(runCli({"pack", "--time", "1700000000", "-o", path("good")}).status, 0);
    const QByteArray good = readAll(path("good"));

    QByteArray changed = good;
    changed[700] = 'x';
    writeAll(path("changed"), changed);

    QByteArray v101 = good;
    v101[10] = '1';
    v101[0] = static_cast<char>(good[0] - 1); // the sum follows the changed byte
    writeAll(path("v101"), v101);

    writeAll(path("short"), good.left(100));
    writeAll(path("long"), good + '\0');

    struct Case {
        QString file;
        int status;
        QString err;
    };
    const Case cases[] = {
        {path("changed"), 1, "Eeprom checksum error. Please reload configuration.\n"},
        {path("v101"), 1,
         "Uncompatible configuration version:\nDevice: v1.01\nConfigurator: v1.02\n"},
        {path("short"), 1,
         "orvikctl: " + path("short") +
             " is not a configuration image (it must be exactly 6144 bytes)\n"},
        {path("long"), 1,
         "orvikctl: " + path("long") +
             " is not a configuration image (it must be exactly 6144 bytes)\n"},
    };
    for (const Case& c : cases) {
        const CliRun r = runCli({"unpack", c.file});
        EXPECT_EQ(r.status, c.status) << c.file.toStdString();
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
    const CliRun missing = runCli({"unpack", path("missing")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "orvikctl: cannot open " + path("missing") + ": No such file or directory\n");
}

TEST_F(OrvikctlPackUnpack, CheckListsEveryFaultOfAFileInRuleOrderAndWarnsOfThePasscode)
{
    ASSERT_EQ(runCli({"save", "-o", path("faults.cfg"), "--set", "Beacon3_msg=\u00e9", "--set",
                      "Ssid=x", "--set", "Latitude=5221.6N", "--set", "Callsign=TOOLONGCALL",
                      "--set", "Uploadpctime=0"})
                  .status,
              0);
    // The clock fields are sent as typed while Uploadpctime is clear.
    const CliRun r = runCli({"check", path("faults.cfg"), "--set", "Rtcmonth=13"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              QStringLiteral("Latitude: %1\nCallsign: %6\nSsid: %2\nwarning: %3\nBeacon3_msg: "
                             "%4\nRtcmonth: %5\n")
                  .arg(test::messageOf(test::kLat), "'x' is not a valid integer value.",
                       test::kNocallPasscodeWarning, "Beacon 3 message - forbidden characters.",
                       test::messageOf(test::kRtcMonth), test::messageOf(test::kLongCall)));
    // In German the messages are, the setting names and "warning:" are not.
    const CliRun german =
        test::runCliIn(test::kGerman, {"check", path("faults.cfg"), "--set", "Rtcmonth=13"});
    EXPECT_EQ(german.status, 1);
    EXPECT_EQ(german.out, test::kGermanCheck);

    const CliRun clean =
        runCli({"check", path("faults.cfg"), "--set", "Rtcmonth=13", "--set", "Uploadpctime=1",
                "--set", "Callsign=SP9XYZ", "--set", "Latitude=5221.60N", "--set", "Ssid=1",
                "--set", "Beacon3_msg=", "--set", "Aprsis_pass=-1"});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out + clean.err, "");
}

// An import's warning and the check's carry one prefix in every language.
TEST_F(OrvikctlPackUnpack, EveryWarningOfARunCarriesOnePrefix)
{
    writeAll(path("w.cfg"), test::kIdent + test::kImportedValues[0].lines);
    for (const auto& [locale, said] : {std::pair{test::kPolish, test::kPolishWarnings},
                                       {test::kGerman, test::kGermanWarnings}}) {
        const CliRun r = test::runCliIn(locale, {"check", path("w.cfg")});
        EXPECT_EQ(r.err + r.out, said);
    }
}

// A name or value that looks like a placeholder is shown as it is, and the
// number that follows it too, in every language.
TEST_F(OrvikctlPackUnpack, ANameIsNeverAFormat)
{
    const QString hostile = "%1 %2 %L1 %n";
    writeAll(dir_.filePath(hostile) + ".bin", QByteArray(100, '\0'));
    ASSERT_TRUE(QDir().mkpath(dir_.filePath(hostile)));
    writeAll(dir_.filePath(hostile) + "/eeprom.bin", QByteArray(100, '\0'));
    for (const auto& [args, shown, number] :
         {std::tuple{QStringList{"unpack", dir_.filePath(hostile) + ".bin"}, hostile, "6144"},
          {{"--emulator", dir_.filePath(hostile), "info"}, hostile + "/eeprom.bin", "6144"},
          {{"check", "--set", "Aprsis_user=" + hostile, "--set", "Aprsis_pass=1"},
           hostile.toUpper(),
           "30196"}}) {
        for (const QString& locale : {QString(), test::kPolish, test::kGerman}) {
            const CliRun r = test::runCliIn(locale, args);
            EXPECT_TRUE((r.out + r.err).contains(shown) && (r.out + r.err).contains(number))
                << qPrintable(locale + ": " + r.out + r.err);
        }
    }
}

} // namespace
} // namespace orvik::cli
