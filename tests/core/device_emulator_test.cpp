#include "device/config_sessions.h"
#include "device/device_link.h"
#include "device/emulator.h"
#include "device/emulator_folder.h"
#include "device/emulator_store.h"
#include "support/resource_limit.h"
#include "support/silent_reporter.h"
#include "support/source_files.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace orvik {
namespace {

using EmulatorStore = test::TempFiles;

TEST_F(EmulatorStore, EachSubfolderWithItsFilesIsOneAppliance)
{
    const struct {
        const char* name;
        QStringList files;      // made before loading, relative to the folder
        QStringList appliances; // "path|serial", path relative to the folder
    } rows[] = {
        {"empty: one made", {}, {"|"}},
        {"files in the folder", {"eeprom.bin"}, {"|"}},
        {"two subfolders", {"B2/faults", "A1/firmware.bin"}, {"A1|A1", "B2|B2"}},
        {"files beside subfolders", {"firmware.bin", "A1/eeprom.bin"}, {"|", "A1|A1"}},
        {"a subfolder without them", {"A1/faults", "notes/readme"}, {"A1|A1"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir tmp;
        const QDir root(tmp.path());
        for (const QString& file : row.files) {
            ASSERT_TRUE(root.mkpath(QFileInfo(file).path()));
            QFile f(root.filePath(file));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            if (file.endsWith("eeprom.bin"))
                f.write(QByteArray(kImageSize, '\x11'));
        }
        ApplianceEmulator emulator;
        const Result<> loaded = loadAppliances(tmp.path(), emulator);
        ASSERT_TRUE(loaded.ok()) << loaded.errorText().toStdString();
        QStringList listed;
        for (const HidInterface& i : emulator.enumerate())
            listed << root.relativeFilePath(QString::fromStdString(i.path)).replace(".", "") + "|" +
                          i.serialNumber;
        EXPECT_EQ(listed, row.appliances);
    }
}

TEST_F(EmulatorStore, KeepsWhatEachApplianceWasSent)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("A1") && QDir(dir.path()).mkpath("B2"));
    write("A1/faults", "");
    write("B2/faults", "");
    ApplianceEmulator emulator;
    ASSERT_TRUE(loadAppliances(dir.path(), emulator).ok());
    Appliance& b2 = emulator.appliances()[1];
    b2.eeprom.fill(0x42);
    b2.eepromChanged = true;
    const Result<> saved = saveAppliances(emulator);
    ASSERT_TRUE(saved.ok()) << saved.errorText().toStdString();
    EXPECT_EQ(read(dir.filePath("B2/eeprom.bin")), QByteArray(kImageSize, '\x42'));
    EXPECT_FALSE(QFile::exists(dir.filePath("A1/eeprom.bin")));
}

// A state file that is not a regular file is refused, never read or waited on;
// an EEPROM image of another size is refused as such.
TEST_F(EmulatorStore, RefusesAStateFileThatIsNoFile)
{
    // Another user's folder, in a `mode` one of root's, links to root's secret.
    const auto planted = [](mode_t mode) {
        return [mode](const QString& p) {
            const QByteArray s = QFile::encodeName(p);
            return (::mkdir(s, 0) | ::chmod(s, mode) | ::mkdir(s + "-secret", 0700) |
                    ::mkdir(s + "/d", 0755) | ::symlink(s + "-secret", s + "/d/emu") |
                    ::chown(s + "/d", 1234, 1234)) == 0;
        };
    };
    const struct {
        const char* file;
        std::function<bool(const QString&)> make;
        QString errorEnd;
        bool asRoot = false;     // which alone gives a folder away
        const char* loaded = ""; // the folder loaded, below the test's
    } rows[] = {
        {"eeprom.bin", [](const QString& p) { return mkfifo(p.toLocal8Bit(), 0600) == 0; },
         "/eeprom.bin: Is a FIFO, not a regular file"},
        {"A1/faults", [](const QString& p) { return QDir().mkpath(p); },
         "/A1/faults: Is a directory"},
        {"A1/eeprom.bin",
         [](const QString& p) {
             QFile f(p);
             return f.open(QIODevice::WriteOnly) && f.write(QByteArray(7000, '\0')) == 7000;
         },
         "/A1/eeprom.bin: not an EEPROM image (it must be exactly 6144 bytes)"},
        {"A1/firmware.bin", [](const QString& p) { return QFile::link("/dev/null", p); },
         "/A1/firmware.bin: Is a symbolic link, not a regular file"},
        {"A1",
         [](const QString& p) {
             QFile f(p + "/faults");
             return f.open(QIODevice::WriteOnly) && ::chown(QFile::encodeName(p), 1234, 0) == 0;
         },
         "/A1: the folder belongs to another user, who could plant links in it; as root, use a "
         "folder of root's own",
         true},
        {"sticky", planted(01777),
         "/sticky/d: the folder belongs to another user, who could plant links in it; as root, "
         "use a folder of root's own",
         true, "sticky/d/emu"},
        {"open", planted(0777),
         "/open: other users may write in the folder and could plant links in it; as root, use a "
         "folder of root's own",
         true, "open/d/emu"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        if (row.asRoot && ::geteuid() != 0)
            continue;
        QTemporaryDir tmp;
        ASSERT_TRUE(QDir(tmp.path()).mkpath("A1"));
        ASSERT_TRUE(row.make(tmp.filePath(row.file)));
        ApplianceEmulator emulator;
        const Result<> loaded = loadAppliances(tmp.filePath(row.loaded), emulator);
        EXPECT_FALSE(loaded.ok());
        EXPECT_TRUE(loaded.errorText().endsWith(row.errorEnd)) << loaded.errorText().toStdString();
        EXPECT_TRUE(QDir(tmp.filePath(row.file) + "-secret").isEmpty()); // where a link led
    }
}

// The folder claimed is used to the session's end, wherever its path leads.
TEST_F(EmulatorStore, ASessionKeepsToTheFolderItClaimed)
{
    FolderEmulator emulator;
    test::SilentReporter silent;
    ASSERT_TRUE(emulator.load(dir.filePath("emu")).ok() && OpenDevice(emulator, silent).ok());
    ASSERT_TRUE(QDir(dir.path()).rename("emu", "claimed") && QDir(dir.path()).mkdir("emu"));
    const ConfigImage zeros{};
    ASSERT_TRUE(WriteConfigImage(zeros, emulator, silent).ok() && emulator.endSession().ok());
    EXPECT_EQ(read(dir.filePath("claimed/eeprom.bin")), QByteArray(kImageSize, '\0'));
    EXPECT_TRUE(QDir(dir.filePath("emu")).isEmpty());
}

// A file of the folder made unreadable once listed is said without the hint
// for a device node; as a user whom the permissions hold.
TEST(EmulatorFolder, AFileThatCannotBeReadIsNoMatterOfTheUdevRule)
{
    EXPECT_EQ(test::inChild([] {
                  if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                      return QString();
                  QTemporaryDir tmp;
                  FolderEmulator emulator;
                  test::SilentReporter progress;
                  if (!emulator.load(tmp.path()).ok() ||
                      ::chmod(QFile::encodeName(tmp.filePath("faults")).constData(), 0) != 0)
                      return QString();
                  return OpenDevice(emulator, progress).errorText().replace(tmp.path(), "DIR");
              }),
              "Orvik 2.0 could not be opened: DIR/faults: Permission denied");
}

// Every plan line means something for the command it names, or is refused
// with its line number and why.
TEST(FaultPlan, RefusesALineThatWouldMeanNothing)
{
    const struct {
        const char* line;
        QString error; // empty: taken
    } rows[] = {
        {"read 5 bad-checksum", ""},
        {"write 191 late-reply", ""},
        {"write 5 hold 300", ""},
        {"write 5 hold", "line 2: not a fault: write 5 hold"},
        {"firmware 7679 refuse", ""},
        {"write 6 bad-checksum",
         "line 2: bad-checksum is for read only, whose reply alone carries one: write 6 "
         "bad-checksum"},
        {"version * bad-checksum", "line 2: bad-checksum is for read only, whose reply alone "
                                   "carries one: version * bad-checksum"},
        {"read 192 refuse", "line 2: read pages run from 0 to 191: read 192 refuse"},
        {"firmware 7680 no-reply", "line 2: firmware pages run from 0 to 7679: firmware 7680 "
                                   "no-reply"},
        {"write 6 slow", "line 2: not a fault: write 6 slow"},
        {"frame-us 1000", ""},
        {"frame-us fast", "line 2: not a fault: frame-us fast"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        Appliance appliance;
        const Result<> plan = parseFaultPlan(QString("# plan\n") + row.line, appliance);
        EXPECT_EQ(plan.ok(), row.error.isEmpty());
        EXPECT_EQ(plan.errorText(), row.error);
    }
}

// The README's and the man pages' lists of the fault plan's kinds name every
// kind there is: as code, or in bold on a line of its own.
TEST(FaultPlan, TheReadmeAndTheManPagesNameEveryKind)
{
    for (const char* document :
         {"README.md", "packaging/orvikctl.1", "packaging/orvik-configurator.1"}) {
        const QString text = test::sourceText(document);
        ASSERT_FALSE(text.isEmpty()) << document;
        for (const FaultKindRow& kind : kFaultKinds) {
            const QString name = QRegularExpression::escape(kind.name);
            const QRegularExpression named("`" + name + "|^\\.B[RI]? " + name + "( |$)",
                                           QRegularExpression::MultilineOption);
            EXPECT_TRUE(text.contains(named)) << document << ": " << kind.name;
        }
    }
}

// Counted, not timed: one frame out and one back for each of the 192 pages.
TEST(FaultPlan, FrameUsPacesEveryExchange)
{
    ApplianceEmulator emulator;
    ASSERT_TRUE(parseFaultPlan("frame-us 1000", emulator.attach("orvik")).ok());
    std::chrono::microseconds waited{0};
    emulator.pause = [&](std::chrono::microseconds t) { waited += t; };
    ASSERT_TRUE(emulator.open("orvik").ok());
    ConfigImage image{};
    test::SilentReporter reporter;
    EXPECT_TRUE(ReadEeprom(image, emulator, reporter).ok());
    EXPECT_EQ(waited, std::chrono::microseconds(192 * 2 * 1000));
}

} // namespace
} // namespace orvik
