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
    Command{"diff", "diff A B",
            "Compare two configurations setting by setting. Each of A and B is a configuration\n"
            "      image when it is exactly 6144 bytes long and passes the image check, and a\n"
            "      configuration file otherwise; each is loaded as unpack or \"Read from file\"\n"
            "      would, onto a freshly started configurator. Prints one line per setting that\n"
            "      differs, in show's order and form: NAME: 'VALUE IN A' | 'VALUE IN B', e.g.\n"
            "      Callsign: 'NOCALL' | 'SP9XYZ' (a ' inside a value is doubled; a control\n"
            "      character stands outside the quotes as #code: 'a'#9'b'). The clock fields are\n"
            "      never compared (neither kind keeps them), nor Uploadpctime when A or B is an\n"
            "      image. An image keeps Aprsis_user upper-cased and Callsign padded to six\n"
            "      characters, so a file and the image packed from it differ there, as the\n"
            "      appliance would hold them. Exit status 0: the same, 1: they differ, 2: a usage\n"
            "      error or a file that cannot be loaded (its messages on standard error).",
            runDiff},
    Command{"list", "list",
            "Print the path of every attached Orvik 2.0, one a line; the device commands use\n"
            "      the first. Exit status 1 when none is attached.",
            runList},
    Command{"info", "info",
            "Show the appliance's firmware version, as the notice after \"Read config\" does.",
            runInfo},
    Command{"read", "read [CONFIG.cfg] [--image FILE] [-o FILE]",
            "Run \"Read config\": read the appliance's configuration into the settings and\n"
            "      print them as show does; --image FILE also saves the received image, -o FILE\n"
            "      the settings as a configuration file.",
            runRead},
    Command{"write", "write [CONFIG.cfg | --image FILE] [--backup FILE]",
            "Run \"Write config\" on the settings show would print: take \"now\" into the\n"
            "      clock fields while Uploadpctime is ticked, validate, pack and write them.\n"
            "      --backup FILE: once the settings are packed, first read the appliance's\n"
            "      configuration image as \"Read config\" does and keep it in FILE (see unpack,\n"
            "      diff); when that read fails, the image fails its check or FILE cannot be\n"
            "      written, nothing is written to the appliance (exit status 1). An erased\n"
            "      appliance holds no image to keep: write to it without --backup.\n"
            "      --image FILE writes a kept image (from --backup or read --image) back byte\n"
            "      for byte instead: the way back after a write.",
            runWrite},
    Command{"upload-firmware", "upload-firmware [--image FILE]",
            "Run \"Upload firmware\" with the firmware image this program carries, or FILE.",
            runUploadFirmware},
};

const char* const kGlobalHelp =
    "Global options:\n"
    "  --time EPOCH      take \"now\" as EPOCH seconds since 1970-01-01 UTC (clock fields,\n"
    "                    write stamp)\n"
    "  --set NAME=VALUE  change a setting before the command runs (repeatable): a text\n"
    "                    field's text, a list's index, a check box's 0 or 1\n"
    "  -o FILE           output file\n"
    "  --image FILE      image file (read: where the received image goes; write: the kept\n"
    "                    image to write back; upload-firmware: the firmware to send)\n"
    "  --backup FILE     write: where the appliance's image goes before it is overwritten\n"
    "  --emulator DIR    the device commands talk to an emulated appliance kept in DIR\n"
    "                    instead of USB. Its files (created as needed) can be read and\n"
    "                    edited between runs:\n"
    "                      eeprom.bin        the 6144-byte EEPROM; absent: erased (all 0xFF)\n"
    "                      firmware-version  the firmware version in hundredths, decimal\n"
    "                                        (102 means 1.02; only 102 takes configurations)\n"
    "                      firmware.bin      the pages of the last firmware upload\n"
    "                      faults            the fault plan, one entry a line, # comments:\n"
    "                        COMMAND PAGE KIND  COMMAND: version, read, write or firmware;\n"
    "                                           PAGE: page index from 0 as sent (the log\n"
    "                                           counts from 1), or * for every page (version\n"
    "                                           takes *); KIND: refuse, wrong-echo,\n"
    "                                           bad-checksum, short-reply or no-reply\n"
    "                        absent             the appliance is not attached\n"
    "                        open-error REASON  it is found but cannot be opened\n"
    "                    e.g. \"write 6 refuse\" ends a write in \"Page write error: 7/192\".\n"
    "  --help            this text\n"
    "\n"
    "The device commands (list, info, read, write, upload-firmware) put every log line and\n"
    "box text on standard error as the window shows them, and end with exit status 1 when\n"
    "the session did not succeed.\n";

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

int runOrvikctl(const QStringList& args, QTextStream& out, QTextStream& err,
                HidTransportFactory usbTransport)
{
    Context ctx{out, err};
    ctx.usbTransport = std::move(usbTransport);
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
