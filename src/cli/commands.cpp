#include "cli/commands.h"

#include "cli/context.h"

#include <array>

namespace orvik::cli {

namespace {

struct Command {
    const char* name;
    const char* synopsis;
    const char* help;
    int (*run)(Context&);
};

// Add new commands here.
const std::array kCommands = {
    Command{"show", "show [CONFIG.cfg]",
            "Print every setting of a freshly started configurator, one Name=Value line each\n"
            "      (text fields their text, lists their index, check boxes 0 or 1). show, pack,\n"
            "      write and save first read CONFIG.cfg when given, as \"Read from file\" does.",
            runShow},
    Command{"save", "save [CONFIG.cfg] -o FILE",
            "Save the settings to the configuration file FILE as \"Save to file\" does; an\n"
            "      existing FILE keeps every line it does not get from the settings.",
            runSave},
    Command{
        "pack", "pack [-o FILE]",
        "Validate and pack the settings into the 6144-byte configuration image, as\n"
        "      \"Write config\" does before it opens the device (the clock fields take \"now\"\n"
        "      while Uploadpctime is ticked); -o FILE writes it. Without -o, only validates.",
        runPack},
    Command{"unpack", "unpack FILE",
            "Check a 6144-byte configuration image, unpack it onto a freshly started\n"
            "      configurator as \"Read config\" does and print the settings as show does.",
            runUnpack},
};

const char* const kGlobalHelp =
    "Global options:\n"
    "  --time EPOCH      take \"now\" as EPOCH seconds since 1970-01-01 UTC (clock fields,\n"
    "                    write stamp)\n"
    "  --set NAME=VALUE  change a setting before the command runs (repeatable): a text\n"
    "                    field's text, a list's index, a check box's 0 or 1\n"
    "  -o FILE           output file\n"
    "  --help            this text\n";

void printHelp(QTextStream& out)
{
    out << "Usage: orvikctl [options] COMMAND [arguments]\n\nCommands:\n";
    for (const Command& c : kCommands)
        out << "  " << c.synopsis << "\n      " << c.help << '\n';
    out << '\n' << kGlobalHelp;
    out.flush();
}

// Options that take a value, and where it goes.
bool takeOption(Context& ctx, const QString& option, const QString& value)
{
    if (option == "--set") {
        const qsizetype eq = value.indexOf('=');
        if (eq <= 0)
            return false;
        ctx.sets.append({value.left(eq), value.mid(eq + 1)});
    } else if (option == "-o") {
        ctx.output = value;
    } else if (option == "--image") {
        ctx.image = value;
    } else if (option == "--backup") {
        ctx.backup = value;
    } else if (option == "--emulator") {
        ctx.emulatorDir = value;
    } else if (option == "--time") {
        bool ok = false;
        const qint64 t = value.toLongLong(&ok);
        if (!ok)
            return false;
        ctx.time = t;
    } else {
        return false;
    }
    return true;
}

} // namespace

int runOrvikctl(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Context ctx{out, err};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--help" || a == "-h") {
            printHelp(out);
            return 0;
        }
        if (a.startsWith('-') && a.size() > 1) {
            if (i + 1 >= args.size() || !takeOption(ctx, a, args[i + 1])) {
                err << "orvikctl: bad option " << a << " (see orvikctl --help)" << Qt::endl;
                return 2;
            }
            ++i;
        } else if (ctx.command.isEmpty()) {
            ctx.command = a;
        } else {
            ctx.positional.append(a);
        }
    }
    for (const Command& c : kCommands) {
        if (ctx.command == QLatin1String(c.name))
            return c.run(ctx);
    }
    if (ctx.command.isEmpty())
        printHelp(err);
    else
        err << "orvikctl: unknown command " << ctx.command << " (see orvikctl --help)" << Qt::endl;
    return 2;
}

} // namespace orvik::cli
