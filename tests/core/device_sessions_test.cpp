#include "device/config_sessions.h"
#include "device/emulator.h"
#include "frontend/read_config.h"
#include "frontend/reporter.h"
#include "settings/catalogue.h"
#include "settings/number.h"
#include "settings/settings.h"
#include "support/recording_reporter.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QtEndian>

namespace orvik {
namespace {

const QString kFound = "log: Orvik 2.0 found, vid: Vid_0483, pid: A04F";

QStringList pageLines(const char* what, int from, int to)
{
    QStringList lines;
    for (int n = from; n <= to; ++n)
        lines << QStringLiteral("log: %1%2/192").arg(QLatin1String(what)).arg(n);
    return lines;
}

QStringList logLines(const QStringList& calls)
{
    return calls.filter(QRegularExpression("^(log|information|notice|error): "));
}

struct Sessions : ::testing::Test {
    Sessions() { appliance = &emulator.attach("emu0"); }

    // An appliance holding the configuration of `settings`.
    void store(const Settings& settings)
    {
        ConfigImage image{};
        ASSERT_TRUE(PackConfigImage(settings, image).ok());
        appliance->eeprom = image;
    }

    std::int64_t now = 1700000000;
    Settings settings{[this] { return now; }};
    ConfigImage image{};
    ApplianceEmulator emulator;
    Appliance* appliance;
    test::RecordingReporter reporter;
};

TEST_F(Sessions, WriteSendsEveryPageAndEndsAtZero)
{
    ASSERT_TRUE(tell(reporter, WriteConfigSession(settings, image, emulator, reporter)));
    QStringList expected = {kFound};
    expected << pageLines("Page written: ", 1, 192) << "log: Eeprom write success";
    EXPECT_EQ(logLines(reporter.calls), expected);
    EXPECT_EQ(reporter.calls.mid(1, 4), (QStringList{"progress: 0", "range: 192",
                                                     "log: Page written: 1/192", "progress: 1"}));
    EXPECT_EQ(reporter.calls.last(), "progress: 0");
    EXPECT_EQ(appliance->eeprom, image);
    EXPECT_EQ(appliance->requestCount(Command::FirmwareVersion), 1);
    EXPECT_EQ(emulator.opened(), nullptr);
}

TEST_F(Sessions, WriteStopsAtTheRefusedSeventhPage)
{
    appliance->faults = {{Command::WriteConfigPage, 6, FaultKind::Refuse}};
    EXPECT_FALSE(tell(reporter, WriteConfigSession(settings, image, emulator, reporter)));
    QStringList expected = {kFound};
    expected << pageLines("Page written: ", 1, 6) << "log: Page write error: 7/192";
    EXPECT_EQ(logLines(reporter.calls), expected);
    EXPECT_EQ(reporter.calls.last(), "log: Page write error: 7/192");
    EXPECT_EQ(appliance->requestCount(Command::WriteConfigPage), 7);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 6 * 32, appliance->eeprom.begin()));
    EXPECT_TRUE(std::all_of(appliance->eeprom.begin() + 6 * 32, appliance->eeprom.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(emulator.opened(), nullptr);
}

// No page moves unless the appliance is reached and runs 1.02.
TEST_F(Sessions, EndWithoutAPageUnlessTheApplianceIsReachedAndRunsTheExpectedFirmware)
{
    const QString writeBox =
        "information: Uncompatible firmware version:\nDevice: 1.01\nConfigurator: 1.02\n\n"
        "You need to upload new firmware using \"Upload firmware\" button.";
    const QString readBox =
        "information: Uncompatible firmware version:\nDevice: 1.01\nConfigurator: 1.02\n\n"
        "You need use the same Configurator and firmware version to read device configuration "
        "or you can write new configuration using \"Write config\" button.";
    const QString noAnswer = "log: Firmware version read error.";
    const QString notFound = "log: Orvik 2.0 not found.";
    const QString denied = "log: Orvik 2.0 could not be opened: Permission denied (on Linux, "
                           "install the udev rule 60-orvik.rules; see the README)";
    const struct {
        const char* name;
        bool write;
        bool present;
        const char* openError;
        std::vector<Fault> faults;
        QStringList calls;
    } rows[] = {
        {"write, version 101", true, true, "", {}, {kFound, writeBox}},
        {"read, version 101", false, true, "", {}, {kFound, readBox}},
        {"write, no version reply",
         true,
         true,
         "",
         {{Command::FirmwareVersion, std::nullopt, FaultKind::NoReply}},
         {kFound, noAnswer}},
        {"read, wrong version echo",
         false,
         true,
         "",
         {{Command::FirmwareVersion, std::nullopt, FaultKind::WrongEcho}},
         {kFound, noAnswer}},
        {"write, not attached", true, false, "", {}, {notFound}},
        {"read, not attached", false, false, "", {}, {notFound}},
        {"write, no permission", true, true, "Permission denied", {}, {kFound, denied}},
        {"read, no permission", false, true, "Permission denied", {}, {kFound, denied}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ApplianceEmulator emulator;
        Appliance& a = emulator.attach("emu0");
        a.firmwareVersion = 101;
        a.present = row.present;
        a.openError = row.openError;
        a.faults = row.faults;
        test::RecordingReporter reporter;
        const bool ok =
            row.write ? tell(reporter, WriteConfigSession(settings, image, emulator, reporter))
                      : ReadConfigSession(settings, image, emulator, reporter);
        EXPECT_FALSE(ok);
        EXPECT_EQ(reporter.calls, row.calls);
        EXPECT_EQ(
            a.requestCount(Command::WriteConfigPage) + a.requestCount(Command::ReadConfigPage), 0);
        EXPECT_EQ(emulator.opened(), nullptr);
    }
}

TEST_F(Sessions, WriteThenReadGivesBackEverySetting)
{
    Settings written{[] { return std::int64_t{1700000000}; }};
    written.setText("Callsign", "OK1ABC");
    written.setText("Ssid", "9");
    written.setText("Latitude", "4959.99S");
    written.setText("Ipaddr2", "$FE");
    written.setIndex("Weather_stationtype", 1);
    written.setChecked("Ntp_enable", false);
    written.setText("Beacon8_msg", "!~ last beacon ~!");
    written.setText("WU_rapidfirerate", "60");
    written.setText("Aprsis_user", "OK1ABC"); // the image keeps it in upper case
    ASSERT_TRUE(tell(reporter, WriteConfigSession(written, image, emulator, reporter)));

    Settings read{[] { return std::int64_t{0}; }};
    test::RecordingReporter readReporter;
    ASSERT_TRUE(ReadConfigSession(read, image, emulator, readReporter));
    QStringList expected = {kFound};
    expected << pageLines("Page read: ", 1, 192) << "log: Eeprom read success." << kFound
             << "notice: Firmware version: 1.02";
    EXPECT_EQ(logLines(readReporter.calls), expected);
    EXPECT_EQ(image, appliance->eeprom);
    for (const SettingDef& d : catalogue()) {
        // The image carries the clock to the appliance but never back.
        if (isClockField(d.id))
            continue;
        if (d.name == "Ipaddr2")
            EXPECT_EQ(read.valueText(d.name), "254");
        else
            EXPECT_EQ(read.valueText(d.name), written.valueText(d.name)) << d.name.toStdString();
    }
    QStringList clock;
    for (const Setting field : kClockFields)
        clock << read.text(field);
    EXPECT_EQ(clock, (QStringList{"1970", "1", "1", "0", "0"}));
    EXPECT_EQ(emulator.opened(), nullptr);
}

// A read that breaks off still reaches the check; the check decides.
TEST_F(Sessions, ReadThatBreaksOffIsJudgedByTheCheck)
{
    Settings stored{[] { return std::int64_t{1700000000}; }};
    stored.setText("Callsign", "OK1ABC");
    const struct {
        const char* name;
        Fault fault;
        QStringList ending;
        bool read;
    } rows[] = {
        {"fails at page 47, after the checked range",
         {Command::ReadConfigPage, 46, FaultKind::NoReply},
         {"log: Page read error: 47/192", "log: Eeprom read success.", kFound,
          "notice: Firmware version: 1.02"},
         true},
        {"fails at page 46, inside the checked range",
         {Command::ReadConfigPage, 45, FaultKind::BadChecksum},
         {"log: Page read error: 46/192",
          "log: Eeprom checksum error. Please reload configuration."},
         false},
        {"late reply to page 100",
         {Command::ReadConfigPage, 99, FaultKind::LateReply},
         {"log: Page read error: 100/192", "log: Eeprom read success.", kFound,
          "notice: Firmware version: 1.02"},
         true},
        {"wrong echo on page 1",
         {Command::ReadConfigPage, 0, FaultKind::WrongEcho},
         {"log: Page read error: 1/192",
          "log: Eeprom checksum error. Please reload configuration."},
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        store(stored);
        appliance->faults = {row.fault};
        Settings window{[] { return std::int64_t{0}; }};
        test::RecordingReporter reporter;
        image.fill(0x55);
        EepromFetch fetched = EepromFetch::Complete;
        EXPECT_EQ(ReadConfigSession(window, image, emulator, reporter, &fetched), row.read);
        EXPECT_EQ(fetched, EepromFetch::Broken);
        const QStringList log = logLines(reporter.calls);
        EXPECT_EQ(log.mid(log.size() - row.ending.size()), row.ending);
        EXPECT_EQ(window.text("Callsign"), row.read ? "OK1ABC" : "NOCALL");
        const int brokenAt = *row.fault.page * 32;
        EXPECT_TRUE(std::equal(image.begin(), image.begin() + brokenAt, appliance->eeprom.begin()));
        EXPECT_TRUE(std::all_of(image.begin() + brokenAt, image.end(),
                                [](std::uint8_t b) { return b == 0; }));
        EXPECT_EQ(emulator.opened(), nullptr);
    }
}

TEST_F(Sessions, ReadOfAnErasedApplianceLeavesTheSettings)
{
    EXPECT_FALSE(ReadConfigSession(settings, image, emulator, reporter));
    EXPECT_EQ(logLines(reporter.calls).last(),
              "log: Eeprom checksum error. Please reload configuration.");
    EXPECT_EQ(settings.text("Callsign"), "NOCALL");
}

// Refusing the image does not end the session: its box comes at once, and once.
TEST_F(Sessions, ReadOfAnotherConfigurationVersionShowsItsBoxThenTheFirmwareVersion)
{
    Settings stored{[] { return std::int64_t{1700000000}; }};
    stored.setText("Callsign", "OK1ABC");
    store(stored);
    appliance->eeprom[10] = '1'; // v1.01, its sum mended so that the check passes
    qToLittleEndian(qFromLittleEndian<std::uint32_t>(appliance->eeprom.data()) - 1,
                    appliance->eeprom.data());
    EXPECT_FALSE(ReadConfigSession(settings, image, emulator, reporter));
    EXPECT_EQ(logLines(reporter.calls).mid(193),
              (QStringList{"information: Uncompatible configuration version:\nDevice: "
                           "v1.01\nConfigurator: v1.02",
                           "log: Eeprom read error. Please reload configuration.", kFound,
                           "notice: Firmware version: 1.02"}));
    EXPECT_EQ(settings.text("Callsign"), "NOCALL");
}

TEST_F(Sessions, WriteTakesThePcTimeAtThePressEvenWhenValidationFails)
{
    settings.setText("Latitude", "5221.6N");
    const struct {
        const char* name;
        bool uploadPctime;
        QStringList clock;
    } rows[] = {
        {"Uploadpctime ticked", true, {"2023", "11", "14", "22", "13"}},
        {"Uploadpctime not ticked", false, {"1970", "1", "1", "0", "0"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        now = 0;
        settings.readPctime();
        settings.setChecked("Uploadpctime", row.uploadPctime);
        now = 1700000000;
        test::RecordingReporter reporter;
        EXPECT_FALSE(tell(reporter, WriteConfigSession(settings, image, emulator, reporter)));
        EXPECT_EQ(reporter.calls, QStringList{"information: Our latitude - syntax error (e.g. "
                                              "5221.60N, format: DDMM.MM)."});
        QStringList clock;
        for (const Setting field : kClockFields)
            clock << settings.text(field);
        EXPECT_EQ(clock, row.clock);
    }
    EXPECT_EQ(appliance->requestCount(Command::FirmwareVersion), 0);
}

TEST_F(Sessions, ANonNumberEndsTheWriteBeforeTheApplianceIsTouched)
{
    settings.setText("Ipmask3", "");
    EXPECT_FALSE(tell(reporter, WriteConfigSession(settings, image, emulator, reporter)));
    EXPECT_EQ(reporter.calls, QStringList{"error: '' is not a valid integer value."});
    EXPECT_EQ(appliance->requestCount(Command::FirmwareVersion), 0);
}

TEST_F(Sessions, OnlyTheFirstOfTwoAppliancesIsWritten)
{
    Appliance& second = emulator.attach("emu1");
    ASSERT_TRUE(tell(reporter, WriteConfigSession(settings, image, emulator, reporter)));
    EXPECT_EQ(appliance->eeprom, image);
    EXPECT_EQ(second.requestCount(Command::FirmwareVersion), 0);
    EXPECT_TRUE(std::all_of(second.eeprom.begin(), second.eeprom.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(reporter.calls.count(kFound), 1);
}

} // namespace
} // namespace orvik
