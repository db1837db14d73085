#include "support/qt_print.h"
#include "support/run_orvikctl.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

namespace orvik::cli {
namespace {

using test::CliRun;
using test::runCli;

const QString kNotOurs =
    "Imported configuration file is not a Orvik 2.0 configuration file. \nOperation aborted.\n";
const QString kNotCompared = " could not be compared\n";

class OrvikctlDiff : public test::TempFiles {
protected:
    void SetUp() override
    {
        make({"save", "-o", path("defaults.cfg")});
        make({"save", "-o", path("changed.cfg"), "--set", "Callsign=SP9", "--set", "Uploadpctime=0",
              "--set", "Beacon2_msg=it's"});
        make({"save", "-o", path("upper.cfg"), "--set", "Aprsis_user=NOCALL"});
        make({"save", "-o", path("tab.cfg"), "--set", "Weather_comment=a\tb"});
        make({"pack", "-o", path("defaults.bin"), "--time", "1700000000"});
        // Another stamp and other clock fields, the same settings.
        make({"pack", "-o", path("later.bin"), "--time", "1800000000"});
        make({"pack", "-o", path("changed.bin"), "--set", "Callsign=SP9", "--set", "Netconfig=1"});

        QByteArray file = read(path("defaults.cfg"));
        file.replace("Version=v1.02", "Version=v1.01");
        write("v101.cfg", file);
        QByteArray image = read(path("defaults.bin"));
        image[700] = 'x';
        write("damaged.bin", image);
        image = read(path("defaults.bin"));
        image[10] = '1';
        image[0] = image[0] - 1; // the sum follows the changed byte
        write("v101.bin", image);
        write("foreign.txt", "[Device]\r\nCallsign=SP9\r\n");
    }
    void make(const QStringList& args)
    {
        ASSERT_EQ(runCli(args).status, 0) << args.join(' ').toStdString();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    CliRun diff(const QString& a, const QString& b) { return runCli({"diff", path(a), path(b)}); }
};

TEST_F(OrvikctlDiff, PrintsEachDifferingSetting)
{
    const struct {
        const char* a;
        const char* b;
        int status;
        QString out;
        QString err = {};
    } rows[] = {
        {"defaults.cfg", "defaults.cfg", 0, ""},
        {"v101.cfg", "defaults.cfg", 0, "",
         "Imported configuration file version is different than your current application "
         "version. \nPlease double-check configuration fields after import. \nSome "
         "configuration fields my change between firmware versions.\n"},
        {"defaults.cfg", "changed.cfg", 1,
         "Uploadpctime: '1' | '0'\nCallsign: 'NOCALL' | 'SP9'\nBeacon2_msg: '' | 'it''s'\n"},
        {"tab.cfg", "defaults.cfg", 1, "Weather_comment: 'a'#9'b' | 'Orvik 2.0 weather'\n"},
        {"defaults.bin", "later.bin", 0, ""},
        {"defaults.bin", "changed.bin", 1, "Netconfig: '0' | '1'\nCallsign: 'NOCALL' | 'SP9   '\n"},
        {"upper.cfg", "defaults.bin", 0, ""},
        {"defaults.cfg", "defaults.bin", 1, "Aprsis_user: 'nocall' | 'NOCALL'\n"},
        {"defaults.bin", "defaults.cfg", 1, "Aprsis_user: 'NOCALL' | 'nocall'\n"},
        // No Uploadpctime line: an image does not hold it.
        {"changed.cfg", "changed.bin", 1,
         "Netconfig: '0' | '1'\nCallsign: 'SP9' | 'SP9   '\nAprsis_user: 'nocall' | 'NOCALL'\n"
         "Beacon2_msg: 'it''s' | ''\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.a) + " " + row.b);
        const CliRun r = diff(row.a, row.b);
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.out, row.out);
        EXPECT_EQ(r.err, row.err);
    }
}

TEST_F(OrvikctlDiff, AFileThatCannotBeLoadedEndsInStatusTwo)
{
    const struct {
        const char* a;
        const char* b;
        QString err;
    } rows[] = {
        {"missing.cfg", "defaults.cfg",
         "orvikctl: cannot open " + dir.filePath("missing.cfg") + ": No such file or directory\n"},
        {"defaults.cfg", "foreign.txt",
         kNotOurs + "orvikctl: " + path("foreign.txt") + kNotCompared},
        // As long as an image but failing its check: neither kind takes it.
        {"damaged.bin", "defaults.bin",
         kNotOurs + "Eeprom checksum error. Please reload configuration.\norvikctl: " +
             path("damaged.bin") + kNotCompared},
        {"defaults.bin", "v101.bin",
         "Uncompatible configuration version:\nDevice: v1.01\nConfigurator: v1.02\norvikctl: " +
             path("v101.bin") + kNotCompared},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.a) + " " + row.b);
        const CliRun r = diff(row.a, row.b);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, row.err);
    }
}

} // namespace
} // namespace orvik::cli
