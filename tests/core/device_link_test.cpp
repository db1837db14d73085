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
};

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
        for (const Device& d : row.devices) {
            Appliance& a = emulator.attach(d.path);
            a.productId = d.productId;
            a.present = d.present;
            a.openError = d.openError;
        }
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

} // namespace
} // namespace orvik
