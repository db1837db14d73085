#include "support/qt_print.h"
#include "support/run_orvikctl.h"
#include "support/source_files.h"
#include "support/temp_files.h"
#include "support/translated_lines.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace orvik::cli {
namespace {

using test::CliRun;
using test::runCli;

// orvikctl's help, and each command's, fits a terminal of 24 lines. The
// global help grows by a line with each command: the twelfth fills it.
constexpr int kScreenLines = 24;

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
        QString locale = {};
    } rows[] = {
        {{"show", "-o", "x"}, "show takes no option -o (see orvikctl show --help)"},
        {{"show", "--backup", "x"}, "show takes no option --backup (see orvikctl show --help)"},
        {{"--emulator", "emu", "list", "--device", "x"},
         "list takes no option --device (see orvikctl list --help)"},
        {{"--bogus", "show"}, "show takes no option --bogus (see orvikctl show --help)"},
        {{"--bogus"}, "unknown option --bogus (see orvikctl --help)"},
        {{"--emulator", "emu"}, "no command given (see orvikctl --help)"},
        {{"--time", "5"}, "no command given (see orvikctl --help)"},
        {{"frobnicate"}, "unknown command frobnicate (see orvikctl --help)"},
        {{"show", "a.cfg", "b.cfg"}, "unexpected argument 'b.cfg' (see orvikctl show --help)"},
        {{"write", "a.cfg", "b.cfg", "--emulator", "emu"},
         "unexpected argument 'b.cfg' (see orvikctl write --help)"},
        {{"upload-firmware", "fw.bin", "--emulator", "emu"},
         "unexpected argument 'fw.bin' (see orvikctl upload-firmware --help)"},
        {{"position", "a.cfg", "b.cfg"},
         "unexpected argument 'b.cfg' (see orvikctl position --help)"},
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
        {{"--emulator", "emu", "wait", "--timeout", "soon"},
         "--timeout: 'soon' is not a number of seconds from 0 to 2000000 (see orvikctl wait "
         "--help)"},
        {{"--emulator", "emu", "info", "--verbose=1"},
         "unexpected value after '--verbose' (see orvikctl info --help)"},
        {{"--emulator", "emu", "write", "--image", "a.bin", "a.cfg"},
         "write --image takes no configuration file and no --set (see orvikctl write --help)"},
        {{"frobnicate"}, test::kPolishUnknownCommand, test::kPolish},
        {{"save", "-o", "a.cfg", "--set", "Nope=1"}, test::kGermanUnknownSetting, test::kGerman},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const CliRun r = test::runCliIn(row.locale, row.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "orvikctl: " + row.err + '\n');
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(touched(), QStringList());
    }
}

TEST_F(OrvikctlUsage, FilesAreCheckedBeforeAnythingIsTouched)
{
    ASSERT_EQ(runCli({"save", "-o", "s.cfg"}).status, 0);
    ASSERT_EQ(runCli({"pack", "-o", "s.bin"}).status, 0);
    ASSERT_TRUE(QFile::link("s.cfg", "link.cfg"));
    ASSERT_TRUE(QDir().mkdir("folder"));
    const QStringList files = touched();
    const QByteArray cfg = read("s.cfg");
    const QByteArray bin = read("s.bin");
    const QString noFile = ": No such file or directory";
    const QString nothing = "; nothing was written";
    const struct {
        QStringList args;
        int status;
        QString err;
    } rows[] = {
        {{"show", "nofile.cfg"}, 1, "cannot open nofile.cfg" + noFile},
        {{"--emulator", "emu", "write", "nofile.cfg"}, 1, "cannot open nofile.cfg" + noFile},
        {{"--emulator", "emu", "upload-firmware", "--image", "nofile"},
         1,
         "cannot open nofile" + noFile},
        {{"diff", "nofile.cfg", "s.cfg"}, 2, "cannot open nofile.cfg" + noFile},
        {{"unpack", "folder"}, 1, "cannot open folder: Is a directory"},
        {{"pack", "s.cfg", "-o", "s.cfg"}, 1, "-o s.cfg would overwrite the input s.cfg" + nothing},
        {{"pack", "link.cfg", "-o", "s.cfg"},
         1,
         "-o s.cfg would overwrite the input link.cfg" + nothing},
        {{"--emulator", "emu", "write", "s.cfg", "--backup", "s.cfg"},
         1,
         "--backup s.cfg would overwrite the input s.cfg" + nothing},
        {{"--emulator", "emu", "write", "--image", "s.bin", "--backup", "./s.bin"},
         1,
         "--backup ./s.bin would overwrite the input s.bin" + nothing},
        {{"--emulator", "emu", "read", "--image", "new", "-o", "new"},
         1,
         "--image new and -o new are the same file" + nothing},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const CliRun r = runCli(row.args);
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.err, "orvikctl: " + row.err + '\n');
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(touched(), files);
        EXPECT_EQ(read("s.cfg"), cfg);
        EXPECT_EQ(read("s.bin"), bin);
    }
}

TEST_F(OrvikctlUsage, HelpIsPerCommand)
{
    const struct {
        QStringList args;
        QString usage;
        QStringList offers;
        QStringList lacks;
        QString locale = {};
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
        {{"list", "--help"}, "Usage: orvikctl list [options]", {"--watch"}, {"--device"}},
        {{"wait", "--help"},
         "Usage: orvikctl wait [options]",
         {"--detach", "--timeout <SECONDS>", "--emulator <DIR>"},
         {"--device", "--watch"}},
        {{"position", "--help"},
         "Usage: orvikctl position [options] [CONFIG.cfg]",
         {"--set", "--quiet"},
         {"--time", "--emulator"}},
        {{"save", "--help"},
         "Usage: orvikctl save [options] -o FILE [CONFIG.cfg]",
         {"--time"},
         {"--image"}},
        {{"--help"},
         test::kPolishUsage,
         {"  upload-firmware ", "--device <PATH|SERIAL>", "--version"},
         {"--backup"},
         test::kPolish},
        {{"write", "--help"},
         test::kGermanWriteUsage,
         {"--backup <FILE>"},
         {"-o <FILE>"},
         test::kGerman},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const CliRun r = test::runCliIn(row.locale, row.args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(r.out.startsWith(row.usage + '\n')) << r.out.toStdString();
        EXPECT_LE(r.out.count('\n'), kScreenLines);
        for (const QString& o : row.offers)
            EXPECT_TRUE(r.out.contains(o)) << o.toStdString();
        for (const QString& o : row.lacks)
            EXPECT_FALSE(r.out.contains(o)) << o.toStdString();
    }
}

// Everything a command has besides its code: its line in the help, which the
// bash completion offers, and a help of its own; its entry under COMMANDS in
// the manual page; a line of the README's examples. A command documented but
// left out of kCommands fails here too.
TEST_F(OrvikctlUsage, EveryCommandIsDocumented)
{
    const QRegularExpression commandsLine("^Commands: (.*)$", QRegularExpression::MultilineOption);
    QStringList commands = commandsLine.match(runCli({}).err).captured(1).split(' ');
    commands.sort();
    for (const QString& c : commands) {
        const CliRun help = runCli({c, "--help"});
        EXPECT_TRUE(help.out.startsWith("Usage: orvikctl " + c + " ")) << c.toStdString();
    }
    // Every help, the global one too (--help --help), within 79 columns, in every language.
    for (const QString& locale : {QString(), test::kPolish, test::kGerman}) {
        for (const QString& c : commands + QStringList{"--help"}) {
            const QString help = test::runCliIn(locale, {c, "--help"}).out;
            EXPECT_LE(help.count('\n'), kScreenLines) << c.toStdString();
            for (const QString& line : help.split('\n'))
                EXPECT_LE(line.size(), 79) << line.toStdString();
        }
    }
    const auto named = [](const QString& text, const char* pattern) {
        QStringList names;
        const QRegularExpression named(pattern, QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch& m : named.globalMatch(text))
            names << m.captured(1);
        names.removeDuplicates();
        names.sort();
        return names;
    };
    const QString manual = test::sourceText("packaging/orvikctl.1");
    EXPECT_EQ(named(manual.section("\n.SH COMMANDS\n", 1).section("\n.SH ", 0, 0),
                    "^\\.TP\\n\\.BR? ([a-z-]+)"),
              commands);
    EXPECT_EQ(named(test::sourceText("README.md"),
                    "^ {4,}(?:\\$ )?orvikctl(?: --?[a-z-]+ \\S+)* ([a-z-]+)"),
              commands);

    QProcess bash;
    bash.start("bash", {"-c",
                        "source \"$1\"; compopt() { :; }; COMP_WORDS=(\"$2\" ''); COMP_CWORD=1; "
                        "_orvikctl; printf '%s\\n' \"${COMPREPLY[@]}\"",
                        "bash", test::sourceDir() + "/packaging/orvikctl.bash-completion",
                        ORVIKCTL_PROGRAM});
    ASSERT_TRUE(bash.waitForFinished(test::kProcessWaitMs));
    QStringList offered = QString::fromUtf8(bash.readAllStandardOutput()).split('\n');
    offered.removeAll(QString());
    offered.sort();
    EXPECT_EQ(offered, commands);
}

// The first of the user's languages that orvikctl speaks, as Qt reads the
// locale; English for any other, and whatever LANGUAGE says under LC_ALL=C.
TEST_F(OrvikctlUsage, SpeaksTheLanguageTheLocaleAsksFor)
{
    const QString polish = "orvikctl: " + test::kPolishUnknownCommand + '\n';
    const QString english = "orvikctl: unknown command frobnicate (see orvikctl --help)\n";
    const QString german = "orvikctl: unbekannter Befehl frobnicate (siehe orvikctl --help)\n";
    const struct {
        QStringList environment;
        QString err;
    } rows[] = {
        {{"LANG=pl_PL.UTF-8"}, polish},
        {{"LANG=pl_PL.UTF-8", "LC_MESSAGES=de_DE.UTF-8"}, german},
        {{"LC_ALL=de_DE.UTF-8", "LANG=pl_PL.UTF-8"}, german},
        {{"LANG=fr_FR.UTF-8", "LANGUAGE=fr:pl:de"}, polish},
        {{"LANG=en_US.UTF-8", "LANGUAGE=xx:de"}, german},
        {{"LANG=pl_PL.UTF-8", "LANGUAGE=en_GB:pl"}, english},
        {{"LC_ALL=C", "LANGUAGE=pl"}, english},
        {{"LANG=fr_FR.UTF-8"}, english},
        {{}, english},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.environment.join(' ').toStdString());
        const CliRun r = test::runCliWith(row.environment, {"frobnicate"});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, row.err);
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
    EXPECT_EQ(bare.err,
              "Usage: orvikctl COMMAND [options] [arguments]\n"
              "Commands: show check position save pack unpack diff list wait info read write "
              "upload-firmware\n"
              "See 'orvikctl --help' and 'orvikctl COMMAND --help'.\n");
}

} // namespace
} // namespace orvik::cli
