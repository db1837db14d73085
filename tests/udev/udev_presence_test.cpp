// Before Qt's headers, whose "signals" glib's would meet.
#include <umockdev.h>

#include "device/hidapi_transport.h"
#include "device/udev_presence.h"
#include "support/qt_print.h"

#include <QStringList>
#include <QTest>
#include <cerrno>
#include <gtest/gtest.h>
#include <libudev.h>

namespace orvik {
namespace {

// A fake sysfs with its uevents (umockdev), which the real libudev and hidapi
// read; the test runs under umockdev-wrapper.
class UdevTestbed : public ::testing::Test {
protected:
    ~UdevTestbed() override { g_object_unref(bed); }

    // A USB HID device with its hidraw node /dev/hidrawN; its node's syspath.
    std::string plugIn(int n, const char* vendor, const char* product, const char* serial)
    {
        const std::string name = "usb1/1-" + std::to_string(n);
        gchar* usb = umockdev_testbed_add_device(bed, "usb", name.c_str(), nullptr, "idVendor",
                                                 vendor, "idProduct", product, "serial", serial,
                                                 nullptr, "DEVTYPE", "usb_device", nullptr);
        const std::string id = std::string("0003:0000") + vendor + ":0000" + product;
        gchar* hid = umockdev_testbed_add_device(bed, "hid", ("0003:" + std::to_string(n)).c_str(),
                                                 usb, nullptr, "HID_ID", id.c_str(), "HID_NAME",
                                                 "Orvik", "HID_UNIQ", serial, nullptr);
        const std::string node = "hidraw" + std::to_string(n);
        const std::string dev = "245:" + std::to_string(n);
        gchar* raw =
            umockdev_testbed_add_device(bed, "hidraw", node.c_str(), hid, "dev", dev.c_str(),
                                        nullptr, "DEVNAME", node.c_str(), nullptr);
        const std::string syspath = raw;
        for (gchar* p : {usb, hid, raw})
            g_free(p);
        return syspath;
    }
    // What `monitor` tells goes to `told`.
    void record(PresenceMonitor& monitor)
    {
        monitor.onChange = [this](const PresenceChange& c) {
            told << QStringLiteral("%1 %2 %3")
                        .arg(c.kind == PresenceChange::Kind::Attached ? "attached" : "detached")
                        .arg(QString::fromStdString(c.appliance.path), c.appliance.serialNumber);
        };
    }
    // What the monitor told once `action` came for each of `devices`, and
    // the event loop has had the time to hear it.
    QStringList heard(const char* action, std::initializer_list<std::string> devices)
    {
        for (const std::string& d : devices)
            umockdev_testbed_uevent(bed, d.c_str(), action);
        QTest::qWait(300);
        return std::exchange(told, {});
    }

    UMockdevTestbed* bed = umockdev_testbed_new();
    QStringList told;
};

TEST_F(UdevTestbed, TellsEachApplianceAttachedAndDetachedOnce)
{
    const std::string present = plugIn(0, "0483", "a04f", "AT-START");
    UdevPresence monitor;
    record(monitor);
    ASSERT_EQ(monitor.present().size(), 1u);
    EXPECT_EQ(monitor.present().front().serialNumber, "AT-START");

    const std::string second = plugIn(1, "0483", "a04f", "S2");
    const std::string other = plugIn(2, "046d", "c52b", "MOUSE");
    EXPECT_EQ(heard("add", {second, other}), QStringList{"attached /dev/hidraw1 S2"});
    QStringList listed;
    for (const HidInterface& i : HidapiTransport().enumerate())
        listed << QString::fromStdString(i.path) + ' ' + i.serialNumber;
    EXPECT_EQ(listed,
              (QStringList{"/dev/hidraw0 AT-START", "/dev/hidraw1 S2", "/dev/hidraw2 MOUSE"}));
    // A repeated add and a change are no news, nor a repeated removal.
    EXPECT_EQ(heard("add", {second}) + heard("change", {second}), QStringList());
    EXPECT_EQ(heard("remove", {second, present, other, second}),
              (QStringList{"detached /dev/hidraw1 S2", "detached /dev/hidraw0 AT-START"}));
    EXPECT_TRUE(monitor.present().empty());
}

// A burst that overflows the monitor's socket loses its events, and the
// kernel says only that (ENOBUFS, here as it drops them): the appliances are
// listed again, and what changed is told.
TEST_F(UdevTestbed, ListsAgainWhenItsSocketOverflowed)
{
    const std::string first = plugIn(0, "0483", "a04f", "GONE");
    bool overflow = false;
    UdevPresence monitor([&](udev_monitor* m) {
        if (!std::exchange(overflow, false))
            return udev_monitor_receive_device(m);
        while (udev_device* lost = udev_monitor_receive_device(m))
            udev_device_unref(lost);
        errno = ENOBUFS;
        return static_cast<udev_device*>(nullptr);
    });
    record(monitor);
    overflow = true;
    umockdev_testbed_uevent(bed, first.c_str(), "remove");
    umockdev_testbed_remove_device(bed, first.c_str());
    const std::string second = plugIn(1, "0483", "a04f", "NEW");
    EXPECT_EQ(heard("add", {second}),
              (QStringList{"detached /dev/hidraw0 GONE", "attached /dev/hidraw1 NEW"}));
    EXPECT_FALSE(overflow);
}

} // namespace
} // namespace orvik
