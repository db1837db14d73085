#include "device/emulator.h"
#include "support/device_texts.h"
#include "support/emulator_cli.h"
#include "support/qt_print.h"
#include "support/run_orvikctl.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <QFile>

namespace orvik::cli {
namespace {

using test::CliRun;
using test::runCli;

using test::kFound;
const QString kFailed = "orvikctl: backup failed; nothing was written to the appliance\n";

class OrvikctlBackup : public test::EmulatorCli {
protected:
    // An appliance holding a configuration with the callsign OLD1.
    void SetUp() override
    {
        ASSERT_EQ(run({"write", "--set", "Callsign=OLD1"}).status, 0);
        old = read(eeprom);
        ASSERT_EQ(old.size(), 6144);
    }

    const QString eeprom = emu + "/eeprom.bin";
    const QString backup = dir.filePath("backup.bin");
    QByteArray old;
};

TEST_F(OrvikctlBackup, KeepsTheImageTheWriteReplaces)
{
    const CliRun r = run({"write", "--backup", backup, "--set", "Callsign=NEW1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    const QStringList log = lines(r.err);
    ASSERT_EQ(log.size(), 387);
    expectEveryPage(log, 0, "read");
    expectEveryPage(log, 193, "written");
    EXPECT_EQ(log[386], "Eeprom write success");
    EXPECT_EQ(read(backup), old);

    const CliRun d = runCli({"diff", backup, eeprom});
    EXPECT_EQ(d.status, 1);
    EXPECT_EQ(d.out, "Callsign: 'OLD1  ' | 'NEW1  '\n");
}

TEST_F(OrvikctlBackup, AKeptImageGoesBackByteForByte)
{
    ASSERT_EQ(run({"write", "--backup", backup, "--set", "Callsign=NEW1"}).status, 0);
    ASSERT_NE(read(eeprom), old);
    const CliRun r = run({"write", "--image", backup});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.err).last(), "Eeprom write success");
    EXPECT_EQ(read(eeprom), old);
}

TEST_F(OrvikctlBackup, OnlyASoundImageOfThisVersionGoesBack)
{
    QByteArray damaged = old;
    damaged[100] = static_cast<char>(damaged[100] ^ 1);
    QByteArray otherVersion = old;
    otherVersion[10] = '1'; // "v1.01", with its checksum made right below
    quint32 sum = 0;
    for (int i = 4; i < 1448; ++i)
        sum += static_cast<quint8>(otherVersion[i]);
    for (int i = 0; i < 4; ++i)
        otherVersion[i] = static_cast<char>(sum >> (8 * i));
    struct Case {
        const char* name;
        QByteArray bytes;
        QString err;
        QStringList options = {};
    };
    const Case cases[] = {
        {"damaged", damaged, "Eeprom checksum error. Please reload configuration.\n"},
        {"damaged, quiet", damaged, cases[0].err, {"--quiet"}},
        {"short", old.left(6000),
         "orvikctl: " + dir.filePath("short") +
             " is not a configuration image (it must be exactly 6144 bytes)\n"},
        {"other version", otherVersion,
         "Uncompatible configuration version:\nDevice: v1.01\nConfigurator: v1.02\n"},
    };
    ASSERT_EQ(run({"write", "--set", "Callsign=NEW1"}).status, 0);
    const QByteArray current = read(eeprom);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = run(QStringList{"write", "--image", write(c.name, c.bytes)} + c.options);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(read(eeprom), current);
    }
}

TEST_F(OrvikctlBackup, IsOnDiskBeforeTheFirstPageIsWritten)
{
    QByteArray atFirstPage = "<no page written>";
    const auto usb = [&]() -> std::unique_ptr<HidTransport> {
        auto emulator = std::make_unique<ApplianceEmulator>();
        Appliance& appliance = emulator->attach("usb0");
        std::copy(old.begin(), old.end(), appliance.eeprom.begin());
        emulator->onRequest = [&](const Appliance& a, const Report& request) {
            if (request[kCommandOffset] == static_cast<std::uint8_t>(Command::WriteConfigPage) &&
                a.requestCount(Command::WriteConfigPage) == 1)
                atFirstPage = read(backup);
        };
        return emulator;
    };
    const CliRun r = runCli({"write", "--backup", backup, "--set", "Callsign=NEW1"}, usb);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(atFirstPage, old);
}

TEST_F(OrvikctlBackup, TheWriteGoesOnlyToTheApplianceBackedUp)
{
    int pagesWritten = 0;
    const auto usb = [&]() -> std::unique_ptr<HidTransport> {
        auto emulator = std::make_unique<ApplianceEmulator>();
        for (const char* path : {"usb0", "usb1"})
            std::copy(old.begin(), old.end(), emulator->attach(path).eeprom.begin());
        // Unplugged once its last page has been read; another is still there.
        emulator->onRequest = [&, e = emulator.get()](const Appliance& a, const Report& request) {
            if (a.requestCount(Command::ReadConfigPage) == 192)
                e->appliances().front().present = false;
            if (request[kCommandOffset] == static_cast<std::uint8_t>(Command::WriteConfigPage))
                ++pagesWritten;
        };
        return emulator;
    };
    const CliRun r = runCli({"write", "--backup", backup, "--set", "Callsign=NEW1"}, usb);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.endsWith("Page read: 192/192\nOrvik 2.0 not found.\n"))
        << r.err.right(300).toStdString();
    EXPECT_EQ(read(backup), old);
    EXPECT_EQ(pagesWritten, 0);
}

TEST_F(OrvikctlBackup, NothingIsWrittenWhenTheBackupFails)
{
    const QString versionBox =
        "Uncompatible firmware version:\nDevice: 1.01\nConfigurator: 1.02\n\n"
        "You need to upload new firmware using \"Upload firmware\" button.\n";
    const QString noImage =
        "Eeprom checksum error. Please reload configuration.\n"
        "orvikctl: the appliance holds no valid configuration image (erased or damaged), so "
        "there is nothing to back up; write without --backup to write anyway\n";
    const struct {
        const char* name;
        QByteArray faults;
        QByteArray version;
        bool erased;
        QString backup;
        QString errHas;
    } rows[] = {
        {"sixth page read refused", "read 5 refuse", "102", false, backup,
         "Page read: 5/192\nPage read error: 6/192\n" + kFailed},
        // The check alone would pass an image broken off this late.
        {"page 101 unanswered", "read 100 no-reply", "102", false, backup,
         "Page read: 100/192\nPage read error: 101/192\n" + kFailed},
        {"firmware 1.01", "", "101", false, backup, kFound + "\n" + versionBox + kFailed},
        {"unplugged in the read", "read 5 unplug", "102", false, backup,
         "Page read: 5/192\n" + test::kDisconnected.arg(6).arg(192) + test::kUnpluggedRead +
             kFailed},
        {"erased appliance", "", "102", true, backup, "Page read: 192/192\n" + noImage + kFailed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        write("appliance/faults", row.faults);
        write("appliance/firmware-version", row.version);
        if (row.erased)
            QFile::remove(eeprom);
        else
            write("appliance/eeprom.bin", old);
        const CliRun r = run({"write", "--backup", row.backup, "--set", "Callsign=NEW1"});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.endsWith(kFailed)) << r.err.right(300).toStdString();
        EXPECT_TRUE(r.err.contains(row.errHas)) << r.err.right(300).toStdString();
        EXPECT_FALSE(r.err.contains("Page written")) << r.err.right(300).toStdString();
        EXPECT_EQ(read(eeprom), row.erased ? QByteArray("<unreadable>") : old);
        EXPECT_FALSE(QFile::exists(row.backup));
    }
}

TEST_F(OrvikctlBackup, AWriteUnpluggedNamesTheImageKeptBefore)
{
    write("appliance/faults", "write 96 unplug");
    const CliRun r = run({"write", "--backup", backup, "--set", "Callsign=NEW1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.endsWith("Page written: 96/192\n" + test::kDisconnected.arg(97).arg(192) +
                               test::kUnpluggedWriteBackedUp.arg(backup)))
        << r.err.right(300).toStdString();
    EXPECT_EQ(read(backup), old);
}

TEST_F(OrvikctlBackup, ABadSettingOrBackupCostsNoRead)
{
    const CliRun r = run({"write", "--backup", backup, "--set", "Latitude=x"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Our latitude - syntax error (e.g. 5221.60N, format: DDMM.MM).\n");
    EXPECT_FALSE(QFile::exists(backup));
    const QString missing = dir.filePath("none/backup.bin");
    const CliRun refused = run({"write", "--backup", missing, "--set", "Callsign=NEW1"});
    EXPECT_EQ(refused.err, "orvikctl: cannot write " + missing + ": No such file or directory\n");
    EXPECT_EQ(refused.status, 1);
}

} // namespace
} // namespace orvik::cli
