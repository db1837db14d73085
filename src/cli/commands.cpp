#include "cli/commands.h"

#include "cli/command_files.h"
#include "cli/context.h"
#include "cli/options.h"
#include "configfile/ini_file.h"
#include "files/update_lock.h"
#include "orvik_version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileDevice>
#include <algorithm>
#include <array>
#include <optional>
#include <unistd.h>

namespace orvik::cli {

namespace {

// Every command, in the order help lists them. The manual page, the README
// and the completion must know each (OrvikctlUsage.EveryCommandIsDocumented).
const std::array kCommands = {
    &kShowCommand,   &kCheckCommand, &kPositionCommand,       &kSaveCommand, &kPackCommand,
    &kUnpackCommand, &kDiffCommand,  &kListCommand,           &kWaitCommand, &kInfoCommand,
    &kReadCommand,   &kWriteCommand, &kUploadFirmwareCommand,
};

const char* const kUsage =
    QT_TRANSLATE_NOOP("orvikctl", "Usage: orvikctl COMMAND [options] [arguments]");
// How long a command waits for another program's update of a file it updates.
constexpr std::chrono::seconds kFileLockPatience{30};
// One line, so that the help stays within a screen.
const char* const kDeviceNote = QT_TRANSLATE_NOOP(
    "orvikctl", "Exit status 1: the command failed, 2: a usage error. See orvikctl(1).\n");

const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")},
                               QT_TRANSLATE_NOOP("orvikctl", "Show this help."));
const QCommandLineOption kVersion(QStringLiteral("version"),
                                  QT_TRANSLATE_NOOP("orvikctl", "Show the version."));

QString said(const char* text)
{
    return QCoreApplication::translate("orvikctl", text);
}

// The option as help shows it: its description, which the option keeps in
// English, in the user's language.
QCommandLineOption withTranslatedDescription(QCommandLineOption option)
{
    option.setDescription(said(option.description().toUtf8().constData()));
    return option;
}

QString noCommand()
{
    return QCoreApplication::translate("orvikctl", "no command given");
}

// The options in `uses`, then --help.
void addOptions(QCommandLineParser& parser, const std::vector<OptionUse>& uses)
{
    for (const OptionUse& use : uses)
        parser.addOption(withTranslatedDescription(use.option->qt));
    parser.addOption(withTranslatedDescription(kHelp));
}

// Qt's help with our usage line in place of its own.
QString helpText(const QCommandLineParser& parser, const QString& usage)
{
    const QString text = parser.helpText();
    return usage + text.mid(text.indexOf('\n'));
}

QString commandHelp(const CommandDef& command, QCommandLineParser& parser)
{
    parser.setApplicationDescription(said(command.description));
    QString usage =
        QCoreApplication::translate("orvikctl", "Usage: orvikctl %1 [options]").arg(command.name);
    for (const OptionUse& use : command.options) {
        if (use.roles & Required)
            usage +=
                ' ' + spelled(use.option->qt.names().first()) + ' ' + use.option->qt.valueName();
    }
    if (*command.arguments)
        usage += ' ' + QLatin1String(command.arguments);
    return helpText(parser, usage);
}

QString globalHelp(QCommandLineParser& parser)
{
    // Nothing above the list and no blank line below it or the options: with a
    // line per command, the help still fits a screen of 24 lines with
    // fourteen of them.
    QString description = QCoreApplication::translate("orvikctl", "Commands:");
    for (const CommandDef* c : kCommands)
        description +=
            QStringLiteral("\n  %1 %2").arg(QString(c->name).leftJustified(15), said(c->summary));
    parser.setApplicationDescription(description);
    QString help = helpText(parser, said(kUsage));
    help.remove(help.indexOf(QStringLiteral("\n\n")), 1);
    return help + said(kDeviceNote);
}

int usageError(Context& ctx, const QString& problem, const char* command = nullptr)
{
    const QString help = command ? QStringLiteral("orvikctl %1 --help").arg(command)
                                 : QStringLiteral("orvikctl --help");
    report(
        ctx.reporter,
        OperationError(Cause::ProgramFile,
                       QCoreApplication::translate("orvikctl", "%1 (see %2)").arg(problem, help)));
    return 2;
}

// Every option is taken by some command.
const OptionDef* findOption(const QString& name)
{
    for (const CommandDef* c : kCommands) {
        for (const OptionUse& use : c->options) {
            if (use.option->qt.names().contains(name))
                return use.option;
        }
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
        return QCoreApplication::translate("orvikctl", "%1 takes no option %2")
            .arg(command, spelled(unknown.first()));
    if (!unknown.isEmpty())
        return QCoreApplication::translate("orvikctl", "unknown option %1")
            .arg(spelled(unknown.first()));
    QString text = parser.errorText();
    if (text.endsWith('.'))
        text.chop(1);
    return text.isEmpty() ? text : text.front().toLower() + text.mid(1);
}

// The usage problem of these positional arguments, if any.
QString argumentsProblem(const CommandDef& command, const QStringList& given)
{
    const QStringList wanted =
        QString::fromLatin1(command.arguments).split(' ', Qt::SkipEmptyParts);
    if (given.size() > wanted.size())
        return QCoreApplication::translate("orvikctl", "unexpected argument '%1'")
            .arg(given[wanted.size()]);
    for (qsizetype i = given.size(); i < wanted.size(); ++i) {
        if (!wanted[i].startsWith('['))
            return QCoreApplication::translate("orvikctl", "missing argument %1").arg(wanted[i]);
    }
    return {};
}

// The files a command reads and writes.
struct CommandFiles {
    QStringList inputs;
    QList<OutputFile> outputs;
};

// Takes option `use` as given into `ctx` and `files`; the usage problem, if any.
QString takeOption(Context& ctx, const CommandDef& command, const QCommandLineParser& parser,
                   const OptionUse& use, CommandFiles& files)
{
    const OptionDef& o = *use.option;
    const QString name = spelled(o.qt.names().first());
    const bool flag = o.qt.valueName().isEmpty();
    const QStringList values =
        flag ? QStringList(parser.isSet(o.qt) ? 1 : 0, QString()) : parser.values(o.qt);
    if ((use.roles & Required) && values.isEmpty())
        return QCoreApplication::translate("orvikctl", "%1 needs %2 %3")
            .arg(command.name, name, o.qt.valueName());
    if (!o.repeatable && values.size() > 1)
        return QCoreApplication::translate("orvikctl", "%1 given more than once").arg(name);
    if ((use.roles & ReplacesSettings) && !values.isEmpty() &&
        (!ctx.positional.isEmpty() || parser.isSet(kSetOption.qt)))
        return QCoreApplication::translate("orvikctl",
                                           "%1 %2 takes no configuration file and no --set")
            .arg(command.name, name);
    for (const QString& value : values) {
        if (!o.keepValue)
            ctx.values.insert(&o, value);
        else if (QString problem = o.keepValue(ctx, value); !problem.isEmpty())
            return problem;
        if (o.qt.valueName() != QLatin1String("FILE"))
            continue;
        if (use.roles & Writes)
            files.outputs.append({name, value, (use.roles & InPlace) == InPlace});
        else
            files.inputs.append(value);
    }
    return {};
}

// Takes `lock` on a file the command updates in place, waiting a while for
// another program's update (and saying so), and looks at what the file holds
// before anything is done; fails when the file is not to be updated.
Result<> lockForUpdate(Context& ctx, const QString& path, std::optional<FileUpdateLock>& lock)
{
    const auto waiting = [&] {
        report(ctx.reporter,
               OperationError(Cause::ProgramFile,
                              QCoreApplication::translate("orvikctl", "waiting for %1: %2")
                                  .arg(path, updatedElsewhere())));
    };
    if (!lock.emplace(path, kFileLockPatience, waiting).taken().ok()) {
        // Counted apart: lupdate loses a text whose call holds a cast.
        const int seconds = static_cast<int>(kFileLockPatience.count());
        return OperationError(
            Cause::ProgramFile,
            QCoreApplication::translate("orvikctl",
                                        "gave up waiting for %1 after %n seconds; nothing was "
                                        "changed",
                                        nullptr, seconds)
                .arg(path));
    }
    if (const Result<QByteArray> text = updatableText(path); !text.ok())
        return OperationError(Cause::ProgramFile,
                              QCoreApplication::translate("orvikctl", "cannot write %1: %2")
                                  .arg(path, text.errorText()));
    return {};
}

// Takes everything the command line says into `ctx`, then runs the command;
// a usage error, printed before anything is touched, when it says something
// the command cannot take.
int runCommand(Context& ctx, const CommandDef& command, const QStringList& args)
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
    for (const OptionUse& use : command.options) {
        if (QString problem = takeOption(ctx, command, parser, use, files); !problem.isEmpty())
            return usageError(ctx, problem, command.name);
    }
    if (!tell(ctx.reporter, checkCommandFiles(files.inputs, files.outputs)))
        return command.fileFailure;
    // A file updated in place is read, merged and replaced by one command at
    // a time, so that two commands at once both land.
    std::optional<FileUpdateLock> lock;
    for (const OutputFile& out : files.outputs) {
        if (out.updatesInput && !tell(ctx.reporter, lockForUpdate(ctx, out.path, lock)))
            return 1;
    }
    return command.run(ctx);
}

// No command word: --help, --version, or a reminder of the usage.
int runWithoutCommand(Context& ctx, const QStringList& args)
{
    if (args.isEmpty()) {
        ctx.err << said(kUsage) << '\n' << QCoreApplication::translate("orvikctl", "Commands:");
        for (const CommandDef* c : kCommands)
            ctx.err << ' ' << c->name;
        ctx.err << '\n'
                << QCoreApplication::translate(
                       "orvikctl", "See 'orvikctl --help' and 'orvikctl COMMAND --help'.")
                << Qt::endl;
        return 2;
    }
    QCommandLineParser parser;
    addOptions(parser, withDeviceOptions({}));
    parser.addOption(withTranslatedDescription(kVersion));
    if (!parser.parse(QStringList{QStringLiteral("orvikctl")} + args)) {
        // A command's own option, given without the command.
        const QStringList unknown = parser.unknownOptionNames();
        const bool commandOptions =
            !unknown.isEmpty() && std::all_of(unknown.begin(), unknown.end(), findOption);
        return usageError(ctx, commandOptions ? noCommand() : parseProblem(parser, nullptr));
    }
    if (parser.isSet(kHelp))
        ctx.out << globalHelp(parser);
    else if (parser.isSet(kVersion))
        ctx.out << "orvikctl " << kVersionNumber << '\n';
    else
        return usageError(ctx, noCommand());
    ctx.out.flush();
    return 0;
}

} // namespace

bool writesAppliance(const QStringList& args)
{
    const qsizetype at = commandIndex(args);
    return at >= 0 && std::any_of(kCommands.begin(), kCommands.end(), [&](const CommandDef* c) {
               return c->writesAppliance && args[at] == QLatin1String(c->name);
           });
}

int runOrvikctl(const QStringList& args, QTextStream& out, QTextStream& err,
                HidTransportFactory usbTransport, PresenceFactory usbPresence,
                SignalWatcher* interrupts)
{
    Context ctx{out, err};
    ctx.interrupts = interrupts;
    ctx.usbTransport = std::move(usbTransport);
    ctx.usbPresence = std::move(usbPresence);
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
    for (const CommandDef* c : kCommands) {
        if (name == QLatin1String(c->name))
            return runCommand(ctx, *c, rest);
    }
    return usageError(ctx, QCoreApplication::translate("orvikctl", "unknown command %1").arg(name));
}

} // namespace orvik::cli
