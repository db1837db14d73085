#include "configfile/ini_file.h"
#include "files/atomic_write.h"
#include "files/capped_read.h"
#include "files/update_lock.h"
#include "support/expected_defaults.h"
#include "support/resource_limit.h"
#include "support/run_orvikctl.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik::cli {
namespace {

using test::CliRun;
using test::runCli;

class OrvikctlSave : public test::TempFiles {
protected:
    const QString a = dir.filePath("a.cfg");
};

TEST_F(OrvikctlSave, WritesTheDefaultsFile)
{
    const CliRun r = runCli({"save", "-o", a});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "");
    const QByteArray file = read(a);
    // The whole file byte for byte is the core's test; here the command.
    EXPECT_TRUE(file.startsWith("[!WARNING]\r\nWARNING=Please do not try"));
    const test::ExpectedDefault& last = test::kExpectedDefaults[test::kExpectedSettingCount - 1];
    EXPECT_TRUE(file.endsWith(QByteArray("\r\n") + (last.key ? last.key : last.name) + "=" +
                              last.value + "\r\n"));
}

TEST_F(OrvikctlSave, SavingAFileOverItselfChangesOnlyTheSetLine)
{
    ASSERT_EQ(runCli({"save", "-o", a}).status, 0);
    QByteArray expected = read(a);
    expected.replace("\r\nCallsign=NOCALL\r\n", "\r\nCallsign=SP9XYZ\r\n");
    const CliRun r = runCli({"save", a, "--set", "Callsign=SP9XYZ", "-o", a});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(read(a), expected);
}

// orvikctl waits, saying so, while this process holds the lock, having read
// the file, and writes once the lock is let go.
TEST_F(OrvikctlSave, TwoUpdatesOfOneFileAtOnceBothLand)
{
    ASSERT_EQ(runCli({"save", "-o", a}).status, 0);
    QByteArray expected = read(a);
    expected.replace("\r\nCallsign=NOCALL\r\n", "\r\nCallsign=SP9XYZ\r\n");
    expected.replace("=Orvik 2.0 weather\r\n", "=kept\r\n");
    const int fd = ::open(QFile::encodeName(a).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    const Result<QByteArray> before = readRegularFile(a, kMaxIniFileSize);
    QProcess save;
    ASSERT_TRUE(test::startOrvikctl(save, {"save", a, "--set", "Callsign=SP9XYZ", "-o", a},
                                    "orvikctl: waiting for " + a + ": " + updatedElsewhere()));
    const IniEntry comment{"Weather", "Weather_comment", "kept"};
    EXPECT_TRUE(writeFileAtomically(a, IniDocument(*before).updated({&comment, 1}).pieces()).ok());
    ::close(fd);
    ASSERT_TRUE(save.waitForFinished(test::kProcessWaitMs));
    EXPECT_EQ(save.exitCode(), 0);
    EXPECT_EQ(read(a), expected);
}

TEST_F(OrvikctlSave, ShowOfAnExportedFileShowsTheSameSettings)
{
    const QStringList sets = {"--time", "1700000000",     "--set", "Uploadpctime=0",
                              "--set",  "Rtcyear=1999",   "--set", "Beacon2_msg= a=b",
                              "--set",  "Netconfig=5",    "--set", "www_port=080",
                              "--set",  "Latitude=\u00e9"};
    ASSERT_EQ(runCli(QStringList{"save", "-o", a} + sets).status, 0);
    const CliRun shown = runCli({"show", a, "--time", "1700000000"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.err, "");
    // Leading blanks and leading zeros do not survive; the clock fields are
    // not in the file.
    EXPECT_EQ(shown.out, runCli({"show", "--time", "1700000000", "--set", "Uploadpctime=0", "--set",
                                 "Beacon2_msg=a=b", "--set", "Netconfig=5", "--set", "www_port=80",
                                 "--set", "Latitude=\u00e9"})
                             .out);
}

TEST_F(OrvikctlSave, Failures)
{
    const QString notOurs = write("other.ini", "[Other]\r\nx=1\r\n");
    const QString missing = dir.filePath("no/such/b.cfg");
    const QString fifo = dir.filePath("p");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString image = write("kept.bin", QByteArray(6144, '\0'));
    const QString erased = write("erased.bin", QByteArray(6144, '\xff'));
    struct Case {
        QStringList args;
        int status;
        QString err;
    };
    const Case cases[] = {
        {{"show", notOurs},
         1,
         "Imported configuration file is not a Orvik 2.0 configuration file. \n"
         "Operation aborted.\n"},
        {{"save", notOurs, "-o", a},
         1,
         "Imported configuration file is not a Orvik 2.0 configuration file. \n"
         "Operation aborted.\n"},
        {{"save", "--set", "telnet_port=", "-o", a}, 1, "'' is not a valid integer value.\n"},
        {{"show", "--set", "Netconfig=x"}, 1, "'x' is not a valid integer value.\n"},
        {{"save", "--set", "Callsign=\u0416", "-o", a},
         1,
         "Callsign - holds a character that cannot be stored (only Latin-1 characters are "
         "allowed).\n"},
        {{"save", "-o", missing},
         1,
         "orvikctl: cannot write " + missing + ": No such file or directory\n"},
        {{"save", "-o", fifo},
         1,
         "orvikctl: cannot write " + fifo + ": Is a FIFO, not a regular file\n"},
        {{"save", "-o", image}, 1, "orvikctl: cannot write " + image + ": " + notIniText() + "\n"},
        {{"save", "-o", erased},
         1,
         "orvikctl: cannot write " + erased + ": " + notIniText() + "\n"},
        {{"pack", "-o", fifo},
         1,
         "orvikctl: cannot write " + fifo + ": Is a FIFO, not a regular file\n"},
        {{"unpack", fifo},
         1,
         "orvikctl: cannot open " + fifo + ": Is a FIFO, not a regular file\n"},
        {{"unpack", "/dev/zero"},
         1,
         "orvikctl: cannot open /dev/zero: Is a device, not a regular file\n"},
        {{"show", "/dev/zero"},
         1,
         "orvikctl: cannot open /dev/zero: Is a device, not a regular file\n"},
        {{"save", "-o", notOurs + "/."},
         1,
         "orvikctl: cannot write " + notOurs + "/.: Not a directory\n"},
        {{"save", "-o", ""}, 1, "orvikctl: cannot write : No such file or directory\n"},
    };
    for (const Case& c : cases) {
        const CliRun r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.err, c.err) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_EQ(read(notOurs), "[Other]\r\nx=1\r\n");
    EXPECT_EQ(read(image), QByteArray(6144, '\0'));
    EXPECT_EQ(read(erased), QByteArray(6144, '\xff'));
}

TEST_F(OrvikctlSave, AFullDiskLeavesEveryFileAsItWas)
{
    const QString image = dir.filePath("p.bin");
    const QString emu = dir.filePath("appliance");
    const QString eeprom = emu + "/eeprom.bin";
    const QStringList at = {"--emulator", emu, "--time", "1700000000"};
    ASSERT_EQ(runCli({"save", "-o", a}).status, 0);
    ASSERT_EQ(runCli({"pack", "-o", image}).status, 0);
    ASSERT_EQ(runCli(QStringList{"write"} + at).status, 0);
    struct Case {
        QStringList args;
        QString file;
        QString lastLine;
    };
    const QStringList change = {"--set", "Callsign=SP9XYZ"};
    const Case cases[] = {
        {QStringList{"save", "-o", a} + change, a, "orvikctl: cannot write " + a},
        {QStringList{"pack", "-o", image} + change, image, "orvikctl: cannot write " + image},
        {QStringList{"write"} + at + change, eeprom, "orvikctl: " + eeprom},
    };
    for (const Case& c : cases) {
        const QByteArray before = read(c.file);
        // Every file here is larger than the disk lets any file grow.
        const QString said = test::withResourceLimit(RLIMIT_FSIZE, 1024, [&] {
            const CliRun r = runCli(c.args);
            return QString::number(r.status) + ' ' + r.err;
        });
        EXPECT_TRUE(said.startsWith("1 ")) << said.toStdString();
        EXPECT_TRUE(said.endsWith(c.lastLine + ": File too large\n")) << said.toStdString();
        EXPECT_FALSE(said.contains("success")) << said.toStdString(); // nothing was kept
        EXPECT_EQ(read(c.file), before) << c.file.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"a.cfg", "p.bin"}));
    EXPECT_EQ(QDir(emu).entryList(QDir::Files),
              (QStringList{"eeprom.bin", "faults", "firmware-version", "lock"}));

    // Of read's two outputs the image fits and the configuration file does not.
    const QString big = write("big.cfg", "[Other]\r\n" + QByteArray(8000, 'x') + "\r\n");
    const QString got = dir.filePath("got.bin");
    const QString said = test::withResourceLimit(RLIMIT_FSIZE, 7000, [&] {
        return runCli(QStringList{"read", "--image", got, "-o", big} + at).err;
    });
    EXPECT_TRUE(said.endsWith(": File too large\norvikctl: " + got + " holds the image read; " +
                              big + " was left as it was\n"))
        << said.toStdString();
    EXPECT_EQ(QFileInfo(got).size(), 6144);
}

TEST_F(OrvikctlSave, AnotherVersionIsWarnedOnStandardErrorAndReadInFull)
{
    write("old.cfg", "[!WARNING]\r\nApplication=Orvik 2.0 Configurator\r\nVersion=v1.01\r\n"
                     "[APRS-IS]\r\nCallsign=SP9OLD\r\n");
    const CliRun r = runCli({"show", dir.filePath("old.cfg")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Imported configuration file version is different than your current "
                     "application version. \nPlease double-check configuration fields after "
                     "import. \nSome configuration fields my change between firmware versions.\n");
    EXPECT_TRUE(r.out.contains("\nCallsign=SP9OLD\n"));
    EXPECT_TRUE(r.out.contains("\nwww_port=23\n"));
}

TEST_F(OrvikctlSave, ReadSavesWhatItReadAsAConfigurationFile)
{
    const QString emu = dir.filePath("appliance");
    const QStringList at = {"--emulator", emu, "--time", "1700000000"};
    ASSERT_EQ(runCli(QStringList{"write", "--set", "Callsign=SP9XYZ"} + at).status, 0);
    const CliRun r = runCli(QStringList{"read", "-o", a} + at);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(read(a).contains("\r\nCallsign=SP9XYZ\r\n"));
    EXPECT_EQ(r.out, ""); // kept in the file, not printed
    EXPECT_EQ(runCli(QStringList{"show", a} + at.mid(2)).out, runCli(QStringList{"read"} + at).out);
}

} // namespace
} // namespace orvik::cli
