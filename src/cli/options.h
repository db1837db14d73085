#pragma once

#include <QCommandLineOption>
#include <QString>
#include <span>

namespace orvik::cli {

struct Context;

// The options, as bits: a command names the ones it takes.
enum Option : unsigned {
    Set = 1u << 0,
    Time = 1u << 1,
    Output = 1u << 2,
    Image = 1u << 3,
    Backup = 1u << 4,
    Emulator = 1u << 5,
    Device = 1u << 6,
    Verbose = 1u << 7,
    Quiet = 1u << 8,
};
// What every device command takes: which appliance, and how much to say.
inline constexpr unsigned kDeviceOptions = Emulator | Device | Verbose | Quiet;

struct OptionDef {
    Option id;
    QCommandLineOption qt;
    bool repeatable;
    // Keeps `value` in `ctx`; the usage error when it is not one, empty otherwise.
    QString (*take)(Context& ctx, const QString& value);
};

// Every option, in the order help lists them.
[[nodiscard]] std::span<const OptionDef> options();
// How the option is written on the command line: -o, --set.
[[nodiscard]] QString spelled(const QString& name);

} // namespace orvik::cli
