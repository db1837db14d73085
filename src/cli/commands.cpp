#include "cli/commands.h"

#include "cli/command_files.h"
#include "cli/context.h"
#include "cli/options.h"
#include "files/file_access.h"
#include "orvik_version.h"

#include <QCommandLineParser>
#include <QFileDevice>
#include <algorithm>
#include <array>
#include <optional>
#include <unistd.h>

namespace orvik::cli {

namespace {

struct Command {
    const char* name;
    // Its arguments as usage shows them; a bracketed one may be left out.
    const char* arguments;
    unsigned options;
    unsigned required = 0;
    // The options that name a file the command writes; the other file options
    // name one it reads.
    unsigned outputs = 0;
    // An output that is a configuration file updated in place, which may be
    // the file the command read.
    unsigned inPlace = 0;
    // Options that take the place of the settings: no CONFIG.cfg and no --set
    // go with them.
    unsigned replaceSettings = 0;
    // The exit status when a file cannot be read or would be overwritten.
    int fileFailure = 1;
    const char* summary;
    const char* description;
    int (*run)(Context&);
};

// Add new commands here.
const std::array kCommands = {
    Command{.name = "show",
            .arguments = "[CONFIG.cfg]",
            .options = Set | Time,
            .summary = "print the settings, one NAME=VALUE line each",
            .description =
                "Print every setting of a freshly started configurator, one NAME=VALUE line\n"
                "each (text fields their text, lists their index, check boxes 0 or 1).\n"
                "CONFIG.cfg is read first, as \"Read from file\" does; then the --set options\n"
                "apply in order.",
            .run = runShow},
    Command{.name = "check",
            .arguments = "[CONFIG.cfg]",
            .options = Set | Time,
            .summary = "print every fault \"Write config\" would find",
            .description =
                "Run every check of \"Write config\" over the settings show would print (the\n"
                "clock fields take \"now\" while Uploadpctime is ticked) and print one line\n"
                "per setting that fails, in the order of the checks: NAME: MESSAGE, e.g.\n"
                "Latitude: Our latitude - syntax error (e.g. 5221.60N, format: DDMM.MM).\n"
                "An APRS-IS password that is not the login's passcode (nor -1) adds a line\n"
                "\"warning: ...\", which does not fail. Nothing is written. Exit status 0:\n"
                "every check passes, 1: one fails.",
            .run = runCheck},
    Command{.name = "save",
            .arguments = "[CONFIG.cfg]",
            .options = Set | Time | Output,
            .required = Output,
            .outputs = Output,
            .inPlace = Output,
            .summary = "save the settings to a configuration file",
            .description =
                "Save the settings show would print to the configuration file FILE, as \"Save\n"
                "to file\" does; an existing FILE keeps every line it does not get from the\n"
                "settings.",
            .run = runSave},
    Command{.name = "pack",
            .arguments = "[CONFIG.cfg]",
            .options = Set | Time | Output,
            .outputs = Output,
            .summary = "validate and pack the settings into an image",
            .description =
                "Validate and pack the settings show would print into the 6144-byte\n"
                "configuration image, as \"Write config\" does before it opens the device (the\n"
                "clock fields take \"now\" while Uploadpctime is ticked); -o FILE writes it.\n"
                "Without -o, only validates.",
            .run = runPack},
    Command{.name = "unpack",
            .arguments = "FILE",
            .options = Set | Time,
            .summary = "print the settings an image holds",
            .description =
                "Check the 6144-byte configuration image FILE, unpack it onto a freshly started\n"
                "configurator as \"Read config\" does and print the settings as show does.",
            .run = runUnpack},
    Command{.name = "diff",
            .arguments = "A B",
            .options = 0,
            .fileFailure = 2,
            .summary = "compare two configurations setting by setting",
            .description =
                "Compare two configurations setting by setting. Each of A and B is a\n"
                "configuration image when it is exactly 6144 bytes long and passes the image\n"
                "check, and a configuration file otherwise; each is loaded as unpack or \"Read\n"
                "from file\" would, onto a freshly started configurator. Prints one line per\n"
                "setting that differs, in show's order and form: NAME: 'VALUE IN A' | 'VALUE IN\n"
                "B', e.g. Callsign: 'NOCALL' | 'SP9XYZ' (a ' inside a value is doubled; a\n"
                "control character stands outside the quotes as #code: 'a'#9'b'). The clock\n"
                "fields are never compared (neither kind keeps them), nor Uploadpctime when A\n"
                "or B is an image. An image keeps Aprsis_user upper-cased and Callsign padded\n"
                "to six characters, so a file and the image packed from it differ there, as\n"
                "the appliance would hold them. Exit status 0: the same, 1: they differ, 2: a\n"
                "usage error or a file that cannot be loaded (its messages on standard error).",
            .run = runDiff},
    Command{.name = "list",
            .arguments = "",
            .options = Emulator | Verbose,
            .summary = "list the attached appliances",
            .description =
                "Print every attached Orvik 2.0, one a line: its path, then its serial number\n"
                "when it tells one. Exit status 1, with \"Orvik 2.0 not found.\", when none is\n"
                "attached.",
            .run = runList},
    Command{.name = "info",
            .arguments = "",
            .options = kDeviceOptions,
            .summary = "show the appliance's firmware version",
            .description =
                "Show the appliance's firmware version, as the notice after \"Read config\"\n"
                "does.",
            .run = runInfo},
    Command{.name = "read",
            .arguments = "[CONFIG.cfg]",
            .options = kDeviceOptions | Set | Time | Output | Image,
            .outputs = Output | Image,
            .inPlace = Output,
            .summary = "\"Read config\": read the appliance's configuration",
            .description =
                "Run \"Read config\": read the appliance's configuration into the settings show\n"
                "would print and print them as show does; --image FILE keeps the received\n"
                "image, -o FILE the settings as a configuration file, and either prints\n"
                "nothing.",
            .run = runRead},
    Command{.name = "write",
            .arguments = "[CONFIG.cfg]",
            .options = kDeviceOptions | Set | Time | Image | Backup,
            .outputs = Backup,
            .replaceSettings = Image,
            .summary = "\"Write config\": write the settings to the appliance",
            .description =
                "Run \"Write config\" on the settings show would print: take \"now\" into the\n"
                "clock fields while Uploadpctime is ticked, validate, pack and write them.\n"
                "--backup FILE: once the settings are packed, first read the appliance's\n"
                "configuration image as \"Read config\" does and keep it in FILE (see unpack,\n"
                "diff); when that read fails, the image fails its check or FILE cannot be\n"
                "written, nothing is written to the appliance (exit status 1). An erased\n"
                "appliance holds no image to keep: write to it without --backup.\n"
                "--image FILE writes a kept image (from --backup or read --image) back byte\n"
                "for byte instead, with no CONFIG.cfg and no --set: the way back after a write.",
            .run = runWrite},
    Command{.name = "upload-firmware",
            .arguments = "",
            .options = kDeviceOptions | Image,
            .summary = "\"Upload firmware\": send new firmware to the appliance",
            .description =
                "Run \"Upload firmware\" with the firmware image this program carries, or the\n"
                "--image FILE.",
            .run = runUploadFirmware},
};

const char* const kUsage = "Usage: orvikctl COMMAND [options] [arguments]";
// One line, so that the help stays within a screen.
const char* const kDeviceNote =
    "Exit status 1: the command failed, 2: a usage error. See orvikctl(1).\n";

const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")},
                               QStringLiteral("Show this help."));
const QCommandLineOption kVersion(QStringLiteral("version"), QStringLiteral("Show the version."));

// The options in `mask`, then --help.
void addOptions(QCommandLineParser& parser, unsigned mask)
{
    for (const OptionDef& o : options()) {
        if (mask & o.id)
            parser.addOption(o.qt);
    }
    parser.addOption(kHelp);
}

// Qt's help with our usage line in place of its own.
QString helpText(const QCommandLineParser& parser, const QString& usage)
{
    const QString text = parser.helpText();
    return usage + text.mid(text.indexOf('\n'));
}

QString commandHelp(const Command& command, QCommandLineParser& parser)
{
    parser.setApplicationDescription(QString::fromUtf8(command.description));
    QString usage = QStringLiteral("Usage: orvikctl %1 [options]").arg(command.name);
    for (const OptionDef& o : options()) {
        if (command.required & o.id)
            usage += ' ' + spelled(o.qt.names().first()) + ' ' + o.qt.valueName();
    }
    if (*command.arguments)
        usage += ' ' + QLatin1String(command.arguments);
    return helpText(parser, usage);
}

QString globalHelp(QCommandLineParser& parser)
{
    QString description = QStringLiteral("Runs the Orvik 2.0 Configurator's operations from the "
                                         "command line.\nCommands:");
    for (const Command& c : kCommands)
        description += QStringLiteral("\n  %1 %2").arg(c.name, -15).arg(c.summary);
    parser.setApplicationDescription(description);
    return helpText(parser, kUsage) + '\n' + kDeviceNote;
}

int usageError(Context& ctx, const QString& problem, const char* command = nullptr)
{
    const QString help = command ? QStringLiteral("orvikctl %1 --help").arg(command)
                                 : QStringLiteral("orvikctl --help");
    ctx.err << "orvikctl: " << problem << " (see " << help << ')' << Qt::endl;
    return 2;
}

const OptionDef* findOption(const QString& name)
{
    for (const OptionDef& o : options()) {
        if (o.qt.names().contains(name))
            return &o;
    }
    return nullptr;
}

// Where the command word stands: the first argument that is neither an option
// nor an option's value, so that options may come before it. -1 when none.
qsizetype commandIndex(const QStringList& args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--"))
            return i + 1 < args.size() ? i + 1 : -1;
        if (!a.startsWith('-') || a.size() == 1)
            return i;
        const bool longForm = a.startsWith(QLatin1String("--"));
        // -oFILE and --name=VALUE carry their value.
        const QString name = longForm ? a.mid(2) : a.mid(1, 1);
        const OptionDef* o = findOption(name);
        if (o && !o->qt.valueName().isEmpty() && (longForm || a.size() == 2))
            ++i;
    }
    return -1;
}

// The parser's complaint in one line of our own form; `command` is null
// before a command is known.
QString parseProblem(const QCommandLineParser& parser, const char* command)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty() && command)
        return QStringLiteral("%1 takes no option %2").arg(command, spelled(unknown.first()));
    if (!unknown.isEmpty())
        return QStringLiteral("unknown option %1").arg(spelled(unknown.first()));
    QString text = parser.errorText();
    if (text.endsWith('.'))
        text.chop(1);
    return text.isEmpty() ? text : text.front().toLower() + text.mid(1);
}

// The usage problem of these positional arguments, if any.
QString argumentsProblem(const Command& command, const QStringList& given)
{
    const QStringList wanted =
        QString::fromLatin1(command.arguments).split(' ', Qt::SkipEmptyParts);
    if (given.size() > wanted.size())
        return QStringLiteral("unexpected argument '%1'").arg(given[wanted.size()]);
    for (qsizetype i = given.size(); i < wanted.size(); ++i) {
        if (!wanted[i].startsWith('['))
            return QStringLiteral("missing argument %1").arg(wanted[i]);
    }
    return {};
}

// The files a command reads and writes.
struct CommandFiles {
    QStringList inputs;
    QList<OutputFile> outputs;
};

// Takes option `o` as given into `ctx` and `files`; the usage problem, if any.
QString takeOption(Context& ctx, const Command& command, const QCommandLineParser& parser,
                   const OptionDef& o, CommandFiles& files)
{
    const QString name = spelled(o.qt.names().first());
    const bool flag = o.qt.valueName().isEmpty();
    const QStringList values =
        flag ? QStringList(parser.isSet(o.qt) ? 1 : 0, QString()) : parser.values(o.qt);
    if ((command.required & o.id) && values.isEmpty())
        return QStringLiteral("%1 needs %2 %3").arg(command.name, name, o.qt.valueName());
    if (!o.repeatable && values.size() > 1)
        return QStringLiteral("%1 given more than once").arg(name);
    if ((command.replaceSettings & o.id) && !values.isEmpty() &&
        (!ctx.positional.isEmpty() || parser.isSet(QStringLiteral("set"))))
        return QStringLiteral("%1 %2 takes no configuration file and no --set")
            .arg(command.name, name);
    for (const QString& value : values) {
        if (QString problem = o.take(ctx, value); !problem.isEmpty())
            return problem;
        if (o.qt.valueName() != QLatin1String("FILE"))
            continue;
        if (command.outputs & o.id)
            files.outputs.append({name, value, (command.inPlace & o.id) != 0});
        else
            files.inputs.append(value);
    }
    return {};
}

// Takes everything the command line says into `ctx`, then runs the command;
// a usage error, printed before anything is touched, when it says something
// the command cannot take.
int runCommand(Context& ctx, const Command& command, const QStringList& args)
{
    QCommandLineParser parser;
    addOptions(parser, command.options);
    if (!parser.parse(QStringList{QStringLiteral("orvikctl")} + args))
        return usageError(ctx, parseProblem(parser, command.name), command.name);
    if (parser.isSet(kHelp)) {
        ctx.out << commandHelp(command, parser);
        ctx.out.flush();
        return 0;
    }
    ctx.positional = parser.positionalArguments();
    ctx.reporter.setOperation(QString::fromLatin1(command.name));
    if (QString problem = argumentsProblem(command, ctx.positional); !problem.isEmpty())
        return usageError(ctx, problem, command.name);
    CommandFiles files{ctx.positional, {}};
    for (const OptionDef& o : options()) {
        if (!(command.options & o.id))
            continue;
        if (QString problem = takeOption(ctx, command, parser, o, files); !problem.isEmpty())
            return usageError(ctx, problem, command.name);
    }
    if (!checkCommandFiles(ctx, files.inputs, files.outputs))
        return command.fileFailure;
    // A file updated in place is read, merged and replaced by one command at
    // a time, so that two commands at once both land.
    std::optional<FileUpdateLock> lock;
    for (const OutputFile& out : files.outputs) {
        if (out.updatesInput)
            lock.emplace(out.path);
    }
    return command.run(ctx);
}

// No command word: --help, --version, or a reminder of the usage.
int runWithoutCommand(Context& ctx, const QStringList& args)
{
    if (args.isEmpty()) {
        ctx.err << kUsage << "\nCommands:";
        for (const Command& c : kCommands)
            ctx.err << ' ' << c.name;
        ctx.err << "\nSee 'orvikctl --help' and 'orvikctl COMMAND --help'." << Qt::endl;
        return 2;
    }
    QCommandLineParser parser;
    addOptions(parser, kDeviceOptions);
    parser.addOption(kVersion);
    if (!parser.parse(QStringList{QStringLiteral("orvikctl")} + args)) {
        // A command's own option, given without the command.
        const QStringList unknown = parser.unknownOptionNames();
        const bool commandOptions =
            !unknown.isEmpty() && std::all_of(unknown.begin(), unknown.end(), findOption);
        return usageError(ctx, commandOptions ? QStringLiteral("no command given")
                                              : parseProblem(parser, nullptr));
    }
    if (parser.isSet(kHelp))
        ctx.out << globalHelp(parser);
    else if (parser.isSet(kVersion))
        ctx.out << "orvikctl " << kVersionNumber << '\n';
    else
        return usageError(ctx, QStringLiteral("no command given"));
    ctx.out.flush();
    return 0;
}

} // namespace

int runOrvikctl(const QStringList& args, QTextStream& out, QTextStream& err,
                HidTransportFactory usbTransport)
{
    Context ctx{out, err};
    ctx.usbTransport = std::move(usbTransport);
    // On a terminal the page lines become one progress line; anywhere else
    // (a pipe, a file, a test's string) every line stays.
    if (const auto* file = qobject_cast<QFileDevice*>(err.device());
        file && ::isatty(file->handle()))
        ctx.reporter.setMode(CliReporter::Mode::Terminal);
    const qsizetype at = commandIndex(args);
    if (at < 0)
        return runWithoutCommand(ctx, args);
    QStringList rest = args;
    const QString name = rest.takeAt(at);
    for (const Command& c : kCommands) {
        if (name == QLatin1String(c.name))
            return runCommand(ctx, c, rest);
    }
    return usageError(ctx, QStringLiteral("unknown command %1").arg(name));
}

} // namespace orvik::cli
