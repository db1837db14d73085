#pragma once

#include <QCommandLineOption>
#include <QString>
#include <vector>

namespace orvik::cli {

struct Context;

// One option of orvikctl: how it is written, its help, and how it keeps its
// value. An option that one command alone takes is defined in that command's
// cmd_*.cpp; one that several take is defined in options.cpp.
struct OptionDef {
    QCommandLineOption qt;
    bool repeatable = false;
    // Keeps `value` in `ctx`; the usage error when it is not one, empty
    // otherwise. Null: `ctx` keeps the value for this option (Context::value).
    QString (*keepValue)(Context& ctx, const QString& value) = nullptr;
};

// What an option is to the command that takes it.
enum OptionRole : unsigned {
    Required = 1u << 0,
    // It names a file the command writes; a file option without it names one
    // the command reads.
    Writes = 1u << 1,
    // It names a configuration file updated in place, which may be the file
    // the command read.
    InPlace = Writes | 1u << 2,
    // It takes the place of the settings: no CONFIG.cfg and no --set go with it.
    ReplacesSettings = 1u << 3,
};

// An option as a command takes it.
struct OptionUse {
    OptionUse(const OptionDef& o, unsigned r = 0) : option(&o), roles(r) {}
    const OptionDef* option;
    unsigned roles;
};

// The options several commands take.
extern const OptionDef kSetOption;
extern const OptionDef kTimeOption;
extern const OptionDef kOutputOption;
extern const OptionDef kImageOption;
extern const OptionDef kEmulatorOption;
extern const OptionDef kDeviceOption;
extern const OptionDef kVerboseOption;
extern const OptionDef kQuietOption;

// A device command's own options, then what every device command takes:
// which appliance, and how much to say.
[[nodiscard]] std::vector<OptionUse> withDeviceOptions(std::vector<OptionUse> own);
// How the option is written on the command line: -o, --set.
[[nodiscard]] QString spelled(const QString& name);

} // namespace orvik::cli
