#pragma once

#include "cli/cli_reporter.h"
#include "device/hid_transport.h"
#include "device/presence_monitor.h"
#include "device/signal_watcher.h"
#include "settings/clock.h"

#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <chrono>
#include <memory>
#include <optional>

namespace orvik {
class Settings;
}

namespace orvik::cli {

struct OptionDef;

// What one run of orvikctl was asked to do, and where it speaks.
struct Context {
    QTextStream& out;
    QTextStream& err;
    CliReporter reporter{err};

    QStringList positional;
    QList<QPair<QString, QString>> sets;              // --set NAME=VALUE, in the order given
    QString output;                                   // -o FILE
    QString emulatorDir;                              // --emulator DIR
    QString device;                                   // --device PATH|SERIAL
    std::optional<std::int64_t> time;                 // --time EPOCH
    HidTransportFactory usbTransport;                 // the USB appliance; none in tests
    PresenceFactory usbPresence;                      // its comings and goings; none in tests
    SignalWatcher* interrupts = nullptr;              // hands on the signals; none in tests
    bool watch = false;                               // list --watch
    bool detach = false;                              // wait --detach
    std::optional<std::chrono::milliseconds> timeout; // wait --timeout SECONDS
    // The values of the options that keep none of the fields above, by option.
    QHash<const OptionDef*, QString> values;

    // The value given to `option`, empty when it was not given.
    QString value(const OptionDef& option) const { return values.value(&option); }

    // "Now": --time when given, the system clock otherwise.
    Clock clock() const;
    // A freshly started configurator's settings at "now".
    std::unique_ptr<Settings> freshSettings() const;
    // The settings a command works on: a fresh configurator's, changed by an
    // imported configuration file when one is given, then by the --set
    // options; the import's notes come with them.
    Result<std::unique_ptr<Settings>> prepareSettings() const;
    // Imports the configuration file `path` into `settings` as "Read from
    // file" does; what it could not read comes as notes for the log (unless
    // --quiet).
    Result<> importConfigFile(Settings& settings, const QString& path) const;
    // Saves `settings` to the -o file as "Save to file" does.
    Result<> saveConfigFile(const Settings& settings) const;
    // Applies the --set options in order; fails for the error box when a
    // value does not fit its kind.
    Result<> applySets(Settings& settings) const;
    // One Name=Value line per setting, in catalogue order.
    void printSettings(const Settings& settings);
};

} // namespace orvik::cli
