#include "device/device_choice.h"
#include "device/device_link.h"
#include "device/emulator.h"
#include "support/recording_reporter.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

struct Device {
    const char* path;
    std::uint16_t productId = kOrvikProductId;
    bool present = true;
    const char* openError = "";
    const char* serial = "";
};

void attach(ApplianceEmulator& emulator, const std::vector<Device>& devices)
{
    for (const Device& d : devices) {
        Appliance& a = emulator.attach(d.path);
        a.productId = d.productId;
        a.present = d.present;
        a.openError = d.openError;
        a.serialNumber = d.serial;
    }
}

QString openedPath(ApplianceEmulator& emulator)
{
    return emulator.opened() ? QString::fromStdString(emulator.opened()->path) : "none";
}

TEST(OpenDevice, OpensTheFirstPresentApplianceOnly)
{
    const QString found = "log: Orvik 2.0 found, vid: Vid_0483, pid: A04F";
    const struct {
        const char* name;
        std::vector<Device> devices;
        QStringList log;
        const char* opened; // nullptr: nothing open
    } rows[] = {
        {"nothing attached", {}, {"log: Orvik 2.0 not found."}, nullptr},
        {"one appliance", {{"a"}}, {found}, "a"},
        {"another product first", {{"x", 0xA04E}, {"a"}}, {found}, "a"},
        {"only another product", {{"x", 0xA04E}}, {"log: Orvik 2.0 not found."}, nullptr},
        {"two appliances", {{"a"}, {"b"}}, {found}, "a"},
        {"unplugged", {{"a", kOrvikProductId, false}}, {"log: Orvik 2.0 not found."}, nullptr},
        {"no permission",
         {{"a", kOrvikProductId, true, "Permission denied"}, {"b"}},
         {found, "log: Orvik 2.0 could not be opened: Permission denied (on Linux, install the "
                 "udev rule 60-orvik.rules; see the README)"},
         nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ApplianceEmulator emulator;
        attach(emulator, row.devices);
        test::RecordingReporter reporter;
        EXPECT_EQ(OpenDevice(emulator, reporter), row.opened != nullptr);
        EXPECT_EQ(reporter.calls, row.log);
        if (row.opened)
            EXPECT_EQ(emulator.opened()->path, row.opened);
        else
            EXPECT_EQ(emulator.opened(), nullptr);
        CloseDevice(emulator);
        CloseDevice(emulator);
        EXPECT_EQ(emulator.opened(), nullptr);
    }
}

TEST(ListAppliances, GivesEachAppliancesPathAndSerialNumber)
{
    ApplianceEmulator emulator;
    attach(emulator, {{"x", 0xA04E, true, "", "X1"},
                      {"a", kOrvikProductId, true, "", "A1"},
                      {"gone", kOrvikProductId, false},
                      {"b"}});
    QStringList listed;
    for (const HidInterface& i : ListAppliances(emulator))
        listed << QString::fromStdString(i.path) + "|" + i.serialNumber;
    EXPECT_EQ(listed, (QStringList{"a|A1", "b|"}));
}

TEST(ChosenAppliance, OpensTheApplianceNamedByPathOrSerial)
{
    const std::vector<Device> two = {{"p1", kOrvikProductId, true, "", "S1"},
                                     {"p2", kOrvikProductId, true, "", "S2"}};
    const struct {
        const char* name;
        std::vector<Device> devices;
        QString choice;
        QString opened;
    } rows[] = {
        {"no choice: the first", two, "", "p1"},
        {"by path", two, "p2", "p2"},
        {"by serial", two, "S2", "p2"},
        {"the first cannot be opened", {{"p1", kOrvikProductId, true, "Busy"}, two[1]}, "S2", "p2"},
        {"no such appliance", two, "S3", "none"},
        {"the serial of another product", {{"x", 0xA04E, true, "", "S3"}, two[0]}, "S3", "none"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ApplianceEmulator emulator;
        attach(emulator, row.devices);
        ChosenAppliance chosen(emulator, row.choice);
        test::RecordingReporter reporter;
        EXPECT_EQ(OpenDevice(chosen, reporter), row.opened != "none");
        EXPECT_EQ(openedPath(emulator), row.opened);
        if (row.opened == "none") {
            EXPECT_EQ(reporter.calls, QStringList{"log: Orvik 2.0 not found."});
        }
    }
}

// write --backup: the write goes to the appliance the backup came from, or
// nowhere.
TEST(ChosenAppliance, StaysOnTheApplianceItOpened)
{
    const struct {
        const char* name;
        std::function<void(ApplianceEmulator&)> meanwhile;
        QString opened;
    } rows[] = {
        {"still there", [](ApplianceEmulator&) {}, "p2"},
        {"another listed before it",
         [](ApplianceEmulator& e) { e.appliances().push_front(Appliance{}); }, "p2"},
        {"unplugged", [](ApplianceEmulator& e) { e.appliances()[1].present = false; }, "none"},
        {"another appliance on its path",
         [](ApplianceEmulator& e) { e.appliances()[1].serialNumber = "S9"; }, "none"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ApplianceEmulator emulator;
        attach(emulator,
               {{"p1", kOrvikProductId, true, "", "S1"}, {"p2", kOrvikProductId, true, "", "S2"}});
        ChosenAppliance chosen(emulator, "S2");
        test::RecordingReporter reporter;
        ASSERT_TRUE(OpenDevice(chosen, reporter));
        CloseDevice(chosen);
        row.meanwhile(emulator);
        EXPECT_EQ(OpenDevice(chosen, reporter), row.opened != "none");
        EXPECT_EQ(openedPath(emulator), row.opened);
        ASSERT_TRUE(chosen.opened());
        EXPECT_EQ(chosen.opened()->serialNumber, "S2");
    }
}

} // namespace
} // namespace orvik
