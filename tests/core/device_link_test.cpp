#include "device/device_choice.h"
#include "device/device_link.h"
#include "device/emulator.h"
#include "support/recording_reporter.h"

#include <gtest/gtest.h>

#include <optional>

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

// Without a choice the first present appliance; with one, by path or serial
// number, that appliance only.
TEST(OpenDevice, OpensTheFirstPresentApplianceOrTheOneChosen)
{
    const QString found = "log: Orvik 2.0 found, vid: Vid_0483, pid: A04F";
    const QString notFound = "log: Orvik 2.0 not found.";
    const std::vector<Device> two = {{"p1", kOrvikProductId, true, "", "S1"},
                                     {"p2", kOrvikProductId, true, "", "S2"}};
    const struct {
        const char* name;
        std::vector<Device> devices;
        const char* choice; // nullptr: the transport itself, no chooser
        QStringList log;
        QString opened;
    } rows[] = {
        {"nothing attached", {}, nullptr, {notFound}, "none"},
        {"one appliance", {{"a"}}, nullptr, {found}, "a"},
        {"another product first", {{"x", 0xA04E}, {"a"}}, nullptr, {found}, "a"},
        {"only another product", {{"x", 0xA04E}}, nullptr, {notFound}, "none"},
        {"two appliances", {{"a"}, {"b"}}, nullptr, {found}, "a"},
        {"unplugged", {{"a", kOrvikProductId, false}}, nullptr, {notFound}, "none"},
        {"no permission",
         {{"a", kOrvikProductId, true, "Permission denied"}, {"b"}},
         nullptr,
         {found, "log: Orvik 2.0 could not be opened: Permission denied (on Linux, install the "
                 "udev rule 60-orvik.rules; see the README)"},
         "none"},
        {"no choice: the first", two, "", {found}, "p1"},
        {"by path", two, "p2", {found}, "p2"},
        {"by serial", two, "S2", {found}, "p2"},
        {"the first cannot be opened",
         {{"p1", kOrvikProductId, true, "Busy"}, two[1]},
         "S2",
         {found},
         "p2"},
        {"no such appliance", two, "S3", {notFound}, "none"},
        {"the serial of another product",
         {{"x", 0xA04E, true, "", "S3"}, two[0]},
         "S3",
         {notFound},
         "none"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ApplianceEmulator emulator;
        attach(emulator, row.devices);
        std::optional<ChosenAppliance> chosen;
        if (row.choice)
            chosen.emplace(emulator, row.choice);
        HidTransport& transport = chosen ? static_cast<HidTransport&>(*chosen) : emulator;
        test::RecordingReporter reporter;
        EXPECT_EQ(tell(reporter, OpenDevice(transport, reporter)), row.opened != "none");
        EXPECT_EQ(reporter.calls, row.log);
        EXPECT_EQ(openedPath(emulator), row.opened);
        CloseDevice(transport);
        CloseDevice(transport);
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
        ASSERT_TRUE(tell(reporter, OpenDevice(chosen, reporter)));
        CloseDevice(chosen);
        row.meanwhile(emulator);
        EXPECT_EQ(tell(reporter, OpenDevice(chosen, reporter)), row.opened != "none");
        EXPECT_EQ(openedPath(emulator), row.opened);
        ASSERT_TRUE(chosen.opened());
        EXPECT_EQ(chosen.opened()->serialNumber, "S2");
    }
}

} // namespace
} // namespace orvik
