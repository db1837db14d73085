#include "support/qt_print.h"
#include "support/run_orvikctl.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>

namespace orvik::cli {
namespace {

using test::CliRun;
using test::runCli;

// Runs in a folder of its own, so that anything a refused command line
// touched would show there.
class OrvikctlUsage : public test::TempFiles {
protected:
    void SetUp() override { ASSERT_TRUE(QDir::setCurrent(dir.path())); }
    void TearDown() override { QDir::setCurrent(home); }
    QStringList touched() const
    {
        return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }

    const QString home = QDir::currentPath();
};

TEST_F(OrvikctlUsage, MisuseIsOneLineAndExitStatusTwoBeforeAnythingIsTouched)
{
    const struct {
        QStringList args;
        QString err;
    } rows[] = {
        {{"show", "-o", "x"}, "show takes no option -o (see orvikctl show --help)"},
        {{"show", "--backup", "x"}, "show takes no option --backup (see orvikctl show --help)"},
        {{"--emulator", "emu", "list", "--device", "x"},
         "list takes no option --device (see orvikctl list --help)"},
        {{"--bogus", "show"}, "show takes no option --bogus (see orvikctl show --help)"},
        {{"--bogus"}, "unknown option --bogus (see orvikctl --help)"},
        {{"--emulator", "emu"}, "no command given (see orvikctl --help)"},
        {{"frobnicate"}, "unknown command frobnicate (see orvikctl --help)"},
        {{"show", "a.cfg", "b.cfg"}, "unexpected argument 'b.cfg' (see orvikctl show --help)"},
        {{"write", "a.cfg", "b.cfg", "--emulator", "emu"},
         "unexpected argument 'b.cfg' (see orvikctl write --help)"},
        {{"upload-firmware", "fw.bin", "--emulator", "emu"},
         "unexpected argument 'fw.bin' (see orvikctl upload-firmware --help)"},
        {{"diff", "a.cfg"}, "missing argument B (see orvikctl diff --help)"},
        {{"diff", "a", "b", "c"}, "unexpected argument 'c' (see orvikctl diff --help)"},
        {{"unpack"}, "missing argument FILE (see orvikctl unpack --help)"},
        {{"save", "--set", "Callsign=X"}, "save needs -o FILE (see orvikctl save --help)"},
        {{"pack", "-o", "a.bin", "-o", "b.bin"},
         "-o given more than once (see orvikctl pack --help)"},
        {{"show", "--time", "abc"},
         "--time: 'abc' is not a number of seconds (see orvikctl show --help)"},
        {{"show", "--time"}, "missing value after '--time' (see orvikctl show --help)"},
        {{"pack", "-o", "a.bin", "--set", "Callsign"},
         "--set: 'Callsign' is not NAME=VALUE (see orvikctl pack --help)"},
        {{"save", "-o", "a.cfg", "--set", "Nope=1"},
         "--set: unknown setting Nope (see orvikctl save --help)"},
        {{"--emulator", "emu", "info", "--verbose=1"},
         "unexpected value after '--verbose' (see orvikctl info --help)"},
        {{"--emulator", "emu", "write", "--image", "a.bin", "a.cfg"},
         "write --image takes no configuration file and no --set (see orvikctl write --help)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const CliRun r = runCli(row.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "orvikctl: " + row.err + '\n');
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(touched(), QStringList());
    }
}

TEST_F(OrvikctlUsage, HelpIsPerCommand)
{
    const struct {
        QStringList args;
        QString usage;
        QStringList offers;
        QStringList lacks;
    } rows[] = {
        {{"--help"},
         "Usage: orvikctl COMMAND [options] [arguments]",
         {"  upload-firmware ", "--device <PATH|SERIAL>", "--version"},
         {"--backup", "firmware-version"}},
        {{"show", "--help"},
         "Usage: orvikctl show [options] [CONFIG.cfg]",
         {"--set", "--time"},
         {"-o", "--emulator"}},
        {{"--device", "x", "write", "-h"},
         "Usage: orvikctl write [options] [CONFIG.cfg]",
         {"--backup <FILE>", "--device"},
         {"-o <FILE>"}},
        {{"diff", "--help"}, "Usage: orvikctl diff [options] A B", {"--help"}, {"--set"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const CliRun r = runCli(row.args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(r.out.startsWith(row.usage + '\n')) << r.out.toStdString();
        EXPECT_LE(r.out.count('\n'), 30); // a screenful
        for (const QString& o : row.offers)
            EXPECT_TRUE(r.out.contains(o)) << o.toStdString();
        for (const QString& o : row.lacks)
            EXPECT_FALSE(r.out.contains(o)) << o.toStdString();
    }
}

TEST_F(OrvikctlUsage, VersionAndBareCall)
{
    const CliRun version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(QRegularExpression("^orvikctl \\d+\\.\\d+\n$").match(version.out).hasMatch())
        << version.out.toStdString();

    const CliRun bare = runCli({});
    EXPECT_EQ(bare.status, 2);
    EXPECT_EQ(bare.out, "");
    EXPECT_EQ(bare.err, "Usage: orvikctl COMMAND [options] [arguments]\n"
                        "Commands: show save pack unpack diff list info read write "
                        "upload-firmware\n"
                        "See 'orvikctl --help' and 'orvikctl COMMAND --help'.\n");
}

} // namespace
} // namespace orvik::cli
