#include "support/device_texts.h"
#include "support/emulator_cli.h"
#include "support/expected_image.h"
#include "support/resource_limit.h"
#include "support/run_orvikctl.h"
#include "support/translated_lines.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <fcntl.h>
#include <pty.h>
#include <random>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace orvik::cli {
namespace {

using test::CliRun;
using test::runCli;

using test::kFound;

class OrvikctlDevice : public test::EmulatorCli {
protected:
    // A file in the emulated appliance's folder.
    void put(const QString& name, const QByteArray& bytes) { write("appliance/" + name, bytes); }
    QByteArray get(const QString& name) const { return read(emu + '/' + name); }
};

TEST_F(OrvikctlDevice, WriteThenReadGivesBackTheSettings)
{
    const CliRun w = run({"write", "--time", "1700000000", "--set", "Callsign=SP9XYZ"});
    EXPECT_EQ(w.status, 0);
    EXPECT_EQ(w.out, "");
    const QStringList written = lines(w.err);
    ASSERT_EQ(written.size(), 194);
    expectEveryPage(written, 0, "written");
    EXPECT_EQ(written[193], "Eeprom write success");
    EXPECT_EQ(get("eeprom.bin").size(), 6144);

    const CliRun r = run({"read", "--time", "1700000000"});
    EXPECT_EQ(r.status, 0);
    const QStringList readLog = lines(r.err);
    ASSERT_EQ(readLog.size(), 196);
    expectEveryPage(readLog, 0, "read");
    EXPECT_EQ(readLog.mid(193),
              (QStringList{"Eeprom read success.", kFound, "Firmware version: 1.02"}));

    QString expected = runCli({"show", "--time", "1700000000", "--set", "Callsign=SP9XYZ"}).out;
    expected.replace("Aprsis_user=nocall", "Aprsis_user=NOCALL"); // kept in upper case
    EXPECT_EQ(r.out, expected);
    // Kept in files, the settings are not printed as well.
    const CliRun kept =
        run({"read", "--image", dir.filePath("got.bin"), "-o", dir.filePath("a.cfg")});
    EXPECT_EQ(kept.out, "");
    EXPECT_EQ(read(dir.filePath("got.bin")), get("eeprom.bin"));

    // A page lost after the checked range: the check passes, the read fails.
    put("faults", "read 95 no-reply\n");
    const CliRun lost =
        run({"read", "--image", dir.filePath("lost.bin"), "-o", dir.filePath("lost.cfg")});
    EXPECT_EQ(lost.status, 1);
    EXPECT_TRUE(lost.err.endsWith("Page read error: 96/192\nEeprom read success.\n" + kFound +
                                  "\nFirmware version: 1.02\norvikctl: not every page could be "
                                  "read; nothing was kept\n"));
    EXPECT_FALSE(QFile::exists(dir.filePath("lost.bin")));
    EXPECT_FALSE(QFile::exists(dir.filePath("lost.cfg")));
}

TEST_F(OrvikctlDevice, StateFilesShapeTheAppliance)
{
    const QString writeBox = "Uncompatible firmware version:\nDevice: 1.01\nConfigurator: 1.02\n\n"
                             "You need to upload new firmware using \"Upload firmware\" button.\n";
    const QString cannotOpen = "Orvik 2.0 could not be opened: Permission denied (on Linux, "
                               "install the udev rule 60-orvik.rules; see the README)\n";
    const QString firmware = write("firmware.bin", QByteArray(10 * 32, 'F'));
    const struct {
        const char* name;
        QByteArray version;
        QByteArray faults;
        QStringList args;
        int status;
        QString errEnd;
        QString locale = {};
        int newPages = -1; // not -1: the EEPROM's old bytes, then holds so many new pages
    } rows[] = {
        {"version 101", "101\n", "", {"write"}, 1, writeBox},
        {"version 101, in German",
         "101",
         "",
         {"write"},
         1,
         test::kGermanOldFirmware,
         test::kGerman},
        {"written, in German", "102", "", {"write"}, 0, test::kGermanWritten, test::kGerman},
        {"refused seventh page",
         "102",
         "# comment\nwrite 6 refuse\n",
         {"write"},
         1,
         "Page written: 6/192\nPage write error: 7/192\n"},
        {"refused seventh page, in Polish",
         "102",
         "write 6 refuse\n",
         {"write"},
         1,
         test::kPolishRefusedPage,
         test::kPolish},
        {"no version reply",
         "102",
         "version * no-reply",
         {"info"},
         1,
         kFound + "\nFirmware version read error.\n"},
        {"cannot be opened",
         "102",
         "open-error Permission denied",
         {"read"},
         1,
         kFound + "\n" + cannotOpen},
        {"unplugged in a write",
         "102",
         "write 96 unplug",
         {"write", "--time", "1700000000"},
         1,
         "Page written: 96/192\n" + test::kDisconnected.arg(97).arg(192) + test::kUnpluggedWrite,
         {},
         96},
        {"unplugged at the first page of a write",
         "102",
         "write 0 unplug",
         {"write"},
         1,
         kFound + "\n" + test::kDisconnected.arg(1).arg(192) + test::kUntouchedWrite,
         {},
         0},
        {"unplugged at the version query of a write",
         "102",
         "version * unplug",
         {"write"},
         1,
         kFound + "\n" + test::kDisconnectedAtVersion + test::kUntouchedWrite,
         {},
         0},
        {"unplugged in a read",
         "102",
         "read 9 unplug",
         {"read"},
         1,
         "Page read: 9/192\n" + test::kDisconnected.arg(10).arg(192) + test::kUnpluggedRead},
        {"unplugged in an upload",
         "102",
         "firmware 3 unplug",
         {"upload-firmware", "--image", firmware},
         1,
         "Page written: 3/10\n" + test::kDisconnected.arg(4).arg(10) + test::kUnpluggedUpload},
        {"not attached", "102", "absent", {"info"}, 1, "Orvik 2.0 not found.\n"},
        {"none to list", "102", "absent", {"list"}, 1, "Orvik 2.0 not found.\n"},
        {"version 1.00 told", "100", "", {"info"}, 0, kFound + "\nFirmware version: 1.00\n"},
        {"bad fault line",
         "102",
         "write 6 refuse\nwrite seven refuse\n",
         {"info"},
         1,
         "/faults, line 2: not a fault: write seven refuse\n"},
        {"page on the version query",
         "102",
         "version 3 no-reply",
         {"info"},
         1,
         "/faults, line 1: not a fault: version 3 no-reply\n"},
        {"bad version file",
         "1.02",
         "",
         {"info"},
         1,
         "/firmware-version: not a firmware version in hundredths (such as 102)\n"},
    };
    const ConfigImage fresh = test::expectedDefaultImage();
    const QByteArray old(kImageSize, 'Z'),
        written(reinterpret_cast<const char*>(&fresh), kImageSize);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(QDir().mkpath(emu));
        put("firmware-version", row.version);
        put("faults", row.faults);
        if (row.newPages >= 0)
            put("eeprom.bin", old);
        const CliRun r = test::runCliIn(row.locale, QStringList{"--emulator", emu} + row.args);
        EXPECT_EQ(r.status, row.status);
        EXPECT_TRUE(r.err.endsWith(row.errEnd)) << r.err.right(300).toStdString();
        if (const int n = row.newPages * kPageSize; n >= 0) {
            EXPECT_EQ(get("eeprom.bin"), written.left(n) + old.mid(n));
        }
    }
}

TEST_F(OrvikctlDevice, CreatesItsFilesAndRefusesAForeignImage)
{
    const CliRun r = run({"list"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, emu + "\n");
    EXPECT_EQ(get("firmware-version"), "102\n");
    EXPECT_TRUE(get("faults").startsWith("# Fault plan"));
    EXPECT_FALSE(QFile::exists(emu + "/eeprom.bin"));

    // Erased: nothing usable to read.
    EXPECT_EQ(lines(run({"read"}).err).last(),
              "Eeprom checksum error. Please reload configuration.");

    // A link in the lock's place, where it would make a file elsewhere.
    ASSERT_TRUE(QFile::remove(emu + "/lock") && QFile::link(dir.filePath("made"), emu + "/lock"));
    const CliRun linked = run({"info"});
    EXPECT_EQ(linked.status, 1);
    EXPECT_TRUE(linked.err.endsWith("/lock: Is a symbolic link, not a regular file\n"))
        << qPrintable(linked.err);
    EXPECT_FALSE(QFile::exists(dir.filePath("made")));

    put("eeprom.bin", QByteArray(6143, '\0'));
    const CliRun bad = run({"info"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "orvikctl: " + emu +
                           "/eeprom.bin: not an EEPROM image (it must be exactly 6144 bytes)\n");
}

TEST_F(OrvikctlDevice, NewFilesAreTheOwnersAloneWhateverTheUmask)
{
    const mode_t umask = ::umask(022);
    const QString image = dir.filePath("p.bin");
    EXPECT_EQ(runCli({"pack", "-o", image}).status, 0);
    for (const QStringList& args :
         {QStringList{"write"},
          {"write", "--backup", dir.filePath("b.bin")},
          {"read", "--image", dir.filePath("r.bin"), "-o", dir.filePath("r.cfg")}})
        EXPECT_EQ(run(args).status, 0) << args.join(' ').toStdString();
    ::umask(umask);
    for (const char* name :
         {"p.bin", "b.bin", "r.bin", "r.cfg", "appliance/eeprom.bin", "appliance/firmware-version"})
        EXPECT_EQ(QFile::permissions(dir.filePath(name)),
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser)
            << name;
}

TEST_F(OrvikctlDevice, ListsAndChoosesAmongSeveralAppliances)
{
    for (const QString serial : {"A1", "B2"}) {
        ASSERT_TRUE(QDir().mkpath(emu + "/" + serial));
        put(serial + "/firmware-version", "102\n");
    }
    const struct {
        QStringList args;
        int status;
        QString outHas;
        QString errEnd;
    } rows[] = {
        {{"list"}, 0, emu + "/A1\tA1\n" + emu + "/B2\tB2\n", ""},
        {{"--device", "B2", "write", "--set", "Callsign=SP9BBB"}, 0, "", "Eeprom write success\n"},
        {{"write", "--device", emu + "/A1", "--set", "Callsign=SP9AAA"},
         0,
         "",
         "Eeprom write success\n"},
        {{"read", "--device", "B2"}, 0, "\nCallsign=SP9BBB\n", "Firmware version: 1.02\n"},
        {{"--device", "A1", "read"}, 0, "\nCallsign=SP9AAA\n", "Firmware version: 1.02\n"},
        {{"--device", "C3", "info"},
         1,
         "",
         "No attached Orvik 2.0 matches C3 (attached: A1, B2).\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const CliRun r = run(row.args);
        EXPECT_EQ(r.status, row.status);
        EXPECT_TRUE(r.out.contains(row.outHas)) << r.out.toStdString();
        EXPECT_EQ(r.err.right(row.errEnd.size()), row.errEnd);
    }
}

TEST_F(OrvikctlDevice, UploadsAFirmwareFileIntoTheEmulator)
{
    const QString image = dir.filePath("fw.bin");
    QFile f(image);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(33, '\x5A'));
    f.close();
    const CliRun r = run({"upload-firmware", "--image", image});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, kFound + "\nPage written: 1/2\nPage written: 2/2\nFirmware upgrade success\n");
    EXPECT_EQ(get("firmware.bin"), QByteArray(33, '\x5A') + QByteArray(31, '\0'));
    EXPECT_FALSE(QFile::exists(emu + "/eeprom.bin")); // only the firmware was sent

    // Refused before the appliance is looked for.
    const struct {
        QString path;
        QString err;
    } refused[] = {
        {dir.filePath("none.bin"),
         "orvikctl: cannot open " + dir.filePath("none.bin") + ": No such file or directory\n"},
        {write("empty.bin", {}), "Firmware file is empty.\n"},
        {write("long.bin", QByteArray(245761, '\1')), "Firmware file too long.\n"},
    };
    for (const auto& row : refused) {
        const CliRun r = run({"upload-firmware", "--image", row.path});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, row.err);
    }
}

// Standard error on a pseudo-terminal: the pages become one line drawn over
// itself; --quiet says only what went wrong.
TEST_F(OrvikctlDevice, DrawsOneProgressLineOnATerminal)
{
    {
        int master = -1, slave = -1;
        if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
            GTEST_SKIP() << "no pseudo-terminal to be had here: " << std::strerror(errno);
        ::close(master);
        ::close(slave);
    }
    const auto onTerminal = [this](const QStringList& args) {
        return test::inChild([&] {
            int master = -1, slave = -1;
            termios raw{};
            ::openpty(&master, &slave, nullptr, nullptr, nullptr);
            ::tcgetattr(slave, &raw);
            ::cfmakeraw(&raw); // the bytes as written, no \r added
            ::tcsetattr(slave, TCSANOW, &raw);
            ::dup2(slave, STDERR_FILENO);
            QTextStream out(stdout), err(stderr);
            cli::runOrvikctl(QStringList{"--emulator", emu} + args, out, err);
            ::fcntl(master, F_SETFL, O_NONBLOCK);
            QByteArray said(1 << 16, '\0'); // far more than a session draws
            for (ssize_t n, at = 0; (n = ::read(master, said.data() + at, 4096)) > 0;)
                at += n;
            return QString::fromUtf8(said.constData());
        });
    };
    const QString drawn = onTerminal({"write"});
    EXPECT_TRUE(QRegularExpression(test::kTerminalWrite).match(drawn).hasMatch())
        << drawn.toStdString();
    EXPECT_TRUE(drawn.contains("\rwrite: page written 192/192  100%  "));
    EXPECT_EQ(onTerminal({"--quiet", "write"}), "");
    put("faults", "write 6 refuse\n");
    EXPECT_EQ(onTerminal({"write", "--quiet"}), "Page write error: 7/192\n");

    // A signal's lines, said by another thread, start below the progress line.
    put("faults", "write 5 hold 60000\n");
    int master = -1, slave = -1;
    termios raw{};
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    QProcess p;
    p.setChildProcessModifier([slave] { ::dup2(slave, STDERR_FILENO); });
    p.start(ORVIKCTL_PROGRAM, {"--emulator", emu, "write"});
    ::close(slave);
    QByteArray said(1 << 16, '\0');
    ssize_t at = 0;
    for (ssize_t n;
         !said.contains("written 1/192") && (n = ::read(master, said.data() + at, 4096)) > 0;)
        at += n;
    for (const int signal : {SIGINT, SIGTERM})
        ::kill(static_cast<pid_t>(p.processId()), signal);
    for (ssize_t n;
         (n = ::read(master, said.data() + at, 4096)) > 0;) // until the program has ended
        at += n;
    ::close(master);
    p.waitForFinished(test::kProcessWaitMs);
    EXPECT_TRUE(said.contains(("\x1b[K\n" + test::kFinishing + test::kConfigStopped).toUtf8()))
        << said.constData();
}

// Two programs on one appliance: while one writes, the other ends at once and
// writes nothing.
TEST_F(OrvikctlDevice, ASecondProgramFindsTheApplianceInUse)
{
    ASSERT_TRUE(QDir().mkpath(emu));
    put("faults", "write 5 hold 60000\n");
    QProcess first;
    ASSERT_TRUE(test::startOrvikctl(first, {"--emulator", emu, "write"}, "Page written: 5/192"));
    const CliRun second = run({"write", "--set", "Callsign=SP9TWO"});
    EXPECT_EQ(second.status, 1);
    EXPECT_EQ(second.err, test::kInUse + "\n");
    first.kill();
    first.waitForFinished(test::kProcessWaitMs);
    EXPECT_FALSE(QFile::exists(emu + "/eeprom.bin"));
}

// A signal before the first page of a write, even before its guard is ready,
// ends it at once, having sent nothing; from the first page on it lets the write finish, and a
// second one stops it at once. One the program was started to ignore stays ignored. A read stops at
// once and keeps nothing.
TEST_F(OrvikctlDevice, SignalsInTheMiddleOfASession)
{
    ASSERT_TRUE(QDir().mkpath(emu));
    const QString image = write("fw.bin", QByteArray(64, '\x5A'));
    const QString got = dir.filePath("got.bin");
    const QString backup = dir.filePath("backup.bin");
    const QStringList change = {"write", "--set", "Callsign=SP9INT"};
    const QString large = write("large.cfg", "[!WARNING]\n[X]\nX=" + QByteArray(64 << 20, 'x'));
    const struct {
        const char* faults;
        QStringList args;
        QString awaited;
        std::vector<int> sent;
        QString said; // the line the first signal brings, awaited before the next
        int status;   // -1: ended by the signal
        QString errEnd;
        int ignored = 0; // from the start
    } rows[] = {
        {"write 5 hold 3000",
         change,
         "Page written: 5/192",
         {SIGINT},
         test::kFinishing,
         130,
         "Page written: 192/192\nEeprom write success\n"},
        {"read 50 hold 60000",
         {"write", "--backup", backup},
         "Page read: 50/192",
         {SIGINT},
         test::kInterrupted,
         130,
         ""},
        {"version * hold 60000", {"write"}, kFound, {SIGTERM}, test::kInterrupted, 143, ""},
        {"write 100 hold 3000",
         change,
         "Page written: 100/192",
         {SIGHUP, SIGHUP},
         "",
         0,
         "Eeprom write success\n",
         SIGHUP},
        {"write 5 hold 60000",
         {"write"},
         "Page written: 5/192",
         {SIGINT, SIGTERM},
         test::kFinishing,
         143,
         test::kConfigStopped},
        {"firmware 1 hold 60000",
         {"upload-firmware", "--image", image},
         "Page written: 1/2",
         {SIGHUP, SIGHUP},
         test::kFinishing,
         129,
         test::kFirmwareStopped},
        {"read 5 hold 60000", {"read", "--image", got}, "Page read: 5/192", {SIGINT}, "", -1, ""},
        // Before the guard is ready: while a large file is read.
        {"version * hold 60000", {"write", large}, "", {SIGINT}, "", 130, test::kInterrupted},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.faults);
        put("faults", row.faults);
        QProcess p;
        p.setChildProcessModifier([ignored = row.ignored] {
            if (ignored != 0)
                std::signal(ignored, SIG_IGN);
        });
        const QStringList args = QStringList{"--emulator", emu} + row.args;
        if (row.awaited.isEmpty()) {
            p.start(ORVIKCTL_PROGRAM, args);
            ASSERT_TRUE(test::awaitCaught(static_cast<pid_t>(p.processId()), row.sent.front()));
        } else {
            ASSERT_TRUE(test::startOrvikctl(p, args, row.awaited));
        }
        const auto pid = static_cast<pid_t>(p.processId());
        ::kill(pid, row.sent.front());
        if (!row.said.isEmpty()) {
            ASSERT_TRUE(test::awaitLine(p, row.said.trimmed()));
        }
        for (std::size_t i = 1; i < row.sent.size(); ++i)
            ::kill(pid, row.sent[i]);
        ASSERT_TRUE(p.waitForFinished(test::kProcessWaitMs));
        EXPECT_EQ(p.exitStatus() == QProcess::CrashExit ? -1 : p.exitCode(), row.status);
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()).right(row.errEnd.size()), row.errEnd);
    }
    EXPECT_FALSE(QFile::exists(got));
    EXPECT_FALSE(QFile::exists(backup));
    put("faults", "");
    EXPECT_TRUE(run({"read"}).out.contains("Callsign=SP9INT"));
}

// A signal at random early in a write says nothing was sent: held back by the starter, as the
// kernel holds one that comes before the program runs, or once the program has its handler.
TEST_F(OrvikctlDevice, ASignalInTheFirstMomentsSaysNothingWasSent)
{
    ASSERT_TRUE(QDir().mkpath(emu));
    put("faults", "version * hold 60000\n");
    std::mt19937 random(std::random_device{}());
    sigset_t held;
    sigfillset(&held);
    for (int run = 0; run < 100; ++run) {
        QProcess p;
        if (run % 2 == 0)
            p.setChildProcessModifier([held] { sigprocmask(SIG_BLOCK, &held, nullptr); });
        p.start(ORVIKCTL_PROGRAM, {"--emulator", emu, "write"});
        const auto pid = static_cast<pid_t>(p.waitForStarted() ? p.processId() : 0);
        ASSERT_TRUE(pid > 0 && (run % 2 == 0 || test::awaitCaught(pid, SIGINT)));
        QThread::usleep(std::uniform_int_distribution<unsigned>(0, 5000)(random));
        ::kill(pid, SIGINT);
        ASSERT_TRUE(p.waitForFinished(10000)) << run;
        EXPECT_EQ(p.exitCode(), 130) << run;
        EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).endsWith(test::kInterrupted));
    }
}

// A subfolder that appears is an appliance attached, one that disappears an
// appliance detached: wait returns as soon as it is what it waits for, and
// list --watch tells each change once, in the order they came, in English in
// every language; the folder taken away detaches them all, and made again
// attaches them. A signal ends either with 128 + the signal; a monitor that
// cannot watch every folder (the system's inotify limits, lowered in a user
// namespace of orvikctl's own) says so and ends.
TEST_F(OrvikctlDevice, WaitAndWatchFollowTheAppliancesComingAndGoing)
{
    const auto plug = [&](const QString& serial) {
        ASSERT_TRUE(QDir().mkpath(emu + '/' + serial));
        put(serial + "/firmware-version", "102");
    };
    const QString moved = emu + ".moved";
    // Each action of a step: +SERIAL attached, -SERIAL detached, ~SERIAL
    // attached and detached at once (its empty folder is there), > the folder
    // moved away, < moved back, rm taken away (the plan that keeps its own
    // appliance absent goes last).
    const auto act = [&](const QString& action) {
        const QString serial = action.mid(1);
        if (action.startsWith('+'))
            plug(serial);
        else if (action.startsWith('-'))
            QDir(emu + '/' + serial).removeRecursively();
        else if (action.startsWith('~')) {
            put(serial + "/firmware-version", "102");
            QFile::remove(emu + '/' + serial + "/firmware-version");
        } else if (action == ">") {
            QDir().rename(emu, moved);
        } else if (action == "<") {
            QDir().rename(moved, emu);
        } else if (action == "rm") {
            QFile::remove(emu + "/firmware-version");
            QDir(emu).removeRecursively();
        }
    };
    // The lines list --watch prints for +SERIAL and -SERIAL, each in turn.
    const auto told = [&](const QString& changes) {
        QString lines;
        for (const QString& c : changes.split(' '))
            lines += (c[0] == '+' ? "attached\t" : "detached\t") + emu + '/' + c.mid(1) + '\t' +
                     c.mid(1) + '\n';
        return lines;
    };
    const QString listed = emu + "/A1\tA1\n";
    const QString deaf = "orvikctl: cannot hear appliances come and go: ";
    const QString noSpace = deaf + "No space left on device\n";
    const QStringList watch{"list", "--watch"};
    const struct {
        QStringList before; // attached at the start; SERIAL/: an empty folder
        QStringList args;
        QStringList steps; // while it runs, each of actions (see act), "" none
        int signal;        // sent after them, or 0
        int status;
        QString err = {};
        QString out = {};      // list --watch: at least a line after each step
        QByteArray limit = {}; // NAME VALUE of /proc/sys/user
    } rows[] = {
        {{"A1"}, {"wait"}, {}, 0, 0},
        {{}, {"wait", "--detach"}, {}, 0, 0},
        {{}, {"wait", "--timeout", "600"}, {"+A1"}, 0, 0},
        {{"A1", "B2"}, {"wait", "--detach"}, {"-A1", "-B2"}, 0, 0},
        {{}, {"wait", "--timeout", "0.05"}, {}, 0, 1, test::kPolishNoneAttached},
        {{"A1"}, {"wait", "--detach", "--timeout", "0"}, {}, 0, 1, test::kPolishStillAttached},
        {{"A1"}, {"wait", "--detach"}, {""}, SIGINT, 130},
        {{}, {"wait", "--timeout", "600"}, {""}, SIGTERM, 143},
        {{"A1"}, {"wait", "--detach"}, {">"}, 0, 0},
        {{}, {"wait", "--timeout", "600"}, {"rm", "+A1"}, 0, 0},
        {{"A1"},
         {"list", "--watch"},
         {"", "+C3", "-A1"},
         SIGINT,
         130,
         "",
         emu + "/A1\tA1\nattached\t" + emu + "/C3\tC3\ndetached\t" + emu + "/A1\tA1\n"},
        {{"A1"}, watch, {"", ">", "<"}, SIGINT, 130, "", listed + told("-A1 +A1")},
        {{"A1"}, watch, {"", "rm", "+A1"}, SIGINT, 130, "", listed + told("-A1 +A1")},
        {{"A1", "C3/"}, watch, {"", "~C3"}, SIGINT, 130, "", listed + told("+C3 -C3")},
        {{"A1"}, watch, {"", "+C3 -A1 +B2"}, SIGINT, 130, "", listed + told("+C3 -A1 +B2")},
        // The folder it stands in, the folder and A1 take three watches.
        {{"A1"}, {"wait", "--timeout", "5"}, {}, 0, 1, noSpace, "", "max_inotify_watches 2"},
        {{"A1"}, watch, {"", "+C3"}, 0, 1, noSpace, listed, "max_inotify_watches 3"},
        {{"A1"}, watch, {}, 0, 1, deaf + "Too many open files\n", "", "max_inotify_instances 0"},
    };
    bool limited = true;
    for (const auto& row : rows) {
        SCOPED_TRACE((row.args + row.steps).join(' ').toStdString());
        ASSERT_TRUE(QDir(emu).removeRecursively() && QDir(moved).removeRecursively());
        // The folder's own appliance is not attached.
        ASSERT_TRUE(QDir().mkpath(emu));
        put("faults", "absent\n");
        for (const QString& serial : row.before) {
            if (serial.endsWith('/'))
                ASSERT_TRUE(QDir().mkpath(emu + '/' + serial));
            else
                plug(serial);
        }
        QProcess p;
        // The limits' rows in English, the system's words too.
        const QList<QByteArray> limit = row.limit.split(' ');
        p.setEnvironment(QProcess::systemEnvironment()
                         << "LANG=" + (row.limit.isEmpty() ? test::kPolish : "C") << "LC_ALL=");
        const QByteArray limitFile = "/proc/sys/user/" + limit[0];
        if (!row.limit.isEmpty())
            p.setChildProcessModifier([&] { test::limitInNamespace(limitFile, limit[1]); });
        p.start(QStringLiteral(ORVIKCTL_PROGRAM), QStringList{"--emulator", emu} + row.args);
        ASSERT_TRUE(p.waitForStarted());
        const auto pid = static_cast<pid_t>(p.processId());
        if (!row.steps.empty()) {
            ASSERT_TRUE(test::awaitCaught(pid, SIGINT));
        }
        QString out;
        for (const QString& step : row.steps) {
            for (const QString& action : step.split(' '))
                act(action);
            while (!row.out.isEmpty() && !p.canReadLine() && p.waitForReadyRead(20000)) {
            }
            out += QString::fromUtf8(p.readLine());
        }
        out += QString::fromUtf8(p.readAllStandardOutput());
        while (out.count('\n') < row.out.count('\n') && p.waitForReadyRead(20000))
            out += QString::fromUtf8(p.readAllStandardOutput());
        if (row.signal != 0)
            ::kill(pid, row.signal);
        ASSERT_TRUE(p.state() == QProcess::NotRunning || p.waitForFinished(20000));
        if (!row.limit.isEmpty() && p.exitCode() == test::kNoNamespace) {
            limited = false;
            continue;
        }
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), row.status);
        EXPECT_EQ(out + QString::fromUtf8(p.readAllStandardOutput()), row.out);
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()), row.err);
    }
    if (!limited)
        GTEST_SKIP() << "no user namespace here: the rows that lower inotify's limits did not run";
}

TEST(OrvikctlDeviceWithoutEmulator, HasNoUsbInTests)
{
    for (const QStringList& args : {QStringList{"info"}, {"wait"}, {"list", "--watch"}}) {
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "orvikctl: no USB access here; use --emulator DIR\n");
    }
}

} // namespace
} // namespace orvik::cli
