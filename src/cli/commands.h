#pragma once

#include "cli/options.h"
#include "device/hid_transport.h"
#include "device/presence_monitor.h"
#include "device/signal_watcher.h"

#include <QStringList>
#include <QTextStream>
#include <vector>

namespace orvik::cli {

struct Context;

// Runs orvikctl with `args` (without the program name); returns the exit status.
// `usbTransport` reaches the appliance over USB (the program passes the hidapi
// backend; without it only --emulator reaches an appliance), and
// `usbPresence` tells when one comes and goes; `interrupts` hands the
// commands the signals (none: they take none, as in a test).
int runOrvikctl(const QStringList& args, QTextStream& out, QTextStream& err,
                HidTransportFactory usbTransport = {}, PresenceFactory usbPresence = {},
                SignalWatcher* interrupts = nullptr);

// One command of orvikctl: everything about it in one place, its own
// cmd_*.cpp, which defines it; commands.cpp lists them.
struct CommandDef {
    const char* name;
    // Its arguments as usage shows them; a bracketed one may be left out.
    const char* arguments;
    // The options it takes, in the order its help lists them.
    std::vector<OptionUse> options;
    // The exit status when a file cannot be read or would be overwritten.
    int fileFailure = 1;
    const char* summary;
    const char* description;
    int (*run)(Context&);
    // Whether it sends anything to the appliance.
    bool writesAppliance = false;
};

// Whether the command that `args` name sends anything to the appliance.
bool writesAppliance(const QStringList& args);

extern const CommandDef kShowCommand;
extern const CommandDef kCheckCommand;
extern const CommandDef kPositionCommand;
extern const CommandDef kSaveCommand;
extern const CommandDef kPackCommand;
extern const CommandDef kUnpackCommand;
extern const CommandDef kDiffCommand;
extern const CommandDef kListCommand;
extern const CommandDef kWaitCommand;
extern const CommandDef kInfoCommand;
extern const CommandDef kReadCommand;
extern const CommandDef kWriteCommand;
extern const CommandDef kUploadFirmwareCommand;

} // namespace orvik::cli
