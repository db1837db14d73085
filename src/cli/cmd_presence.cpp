#include "cli/commands.h"
#include "cli/context.h"
#include "cli/device_access.h"
#include "cli/event_wait.h"
#include "cli/options.h"
#include "device/device_link.h"
#include "device/emulator_folder.h"
#include "device/folder_presence.h"

#include <QCoreApplication>
#include <QTimer>
#include <cmath>

namespace orvik::cli {

namespace {

// The longest --timeout: what the event loop's timer can wait, in seconds.
constexpr int kTimeoutLimit = 2'000'000;

const OptionDef kWatchOption{
    {QStringLiteral("watch"),
     QT_TRANSLATE_NOOP("orvikctl", "Go on with a line per appliance attached or detached.")},
    false,
    [](Context& ctx, const QString&) {
        ctx.watch = true;
        return QString();
    }};

// The list as list prints it: a tab between the path and the serial number,
// since a path may hold blanks.
void printAppliance(Context& ctx, const HidInterface& appliance)
{
    ctx.out << QString::fromLocal8Bit(appliance.path.c_str());
    if (!appliance.serialNumber.isEmpty())
        ctx.out << '\t' << appliance.serialNumber;
    ctx.out << '\n';
}

// Says on standard error why `monitor` cannot hear the changes.
void sayDeaf(Context& ctx, const PresenceMonitor& monitor)
{
    report(ctx.reporter, OperationError(Cause::ProgramFile,
                                        QCoreApplication::translate(
                                            "orvikctl", "cannot hear appliances come and go: %1")
                                            .arg(monitor.deafReason())));
}

// `monitor`, or none, said why, when it cannot hear the changes.
std::unique_ptr<PresenceMonitor> hearingOrNone(Context& ctx,
                                               std::unique_ptr<PresenceMonitor> monitor)
{
    if (monitor->deafReason().isEmpty())
        return monitor;
    sayDeaf(ctx, *monitor);
    return nullptr;
}

// A monitor that stops hearing ends the wait as one that never heard.
void endWhenDeaf(Context& ctx, PresenceMonitor& monitor, EventWait& wait)
{
    monitor.onDeaf = [&] {
        sayDeaf(ctx, monitor);
        wait.finish(1);
    };
}

// What tells the appliances that the options name coming and going; none,
// said why, when the emulator's folder cannot be used or there is no USB.
std::unique_ptr<PresenceMonitor> watchAppliances(Context& ctx)
{
    if (ctx.emulatorDir.isEmpty()) {
        if (ctx.usbPresence)
            return hearingOrNone(ctx, ctx.usbPresence());
        sayNoUsb(ctx);
        return nullptr;
    }
    // Loaded as a session loads it, so that a folder unusable to one is to
    // the other.
    FolderEmulator emulator;
    if (!loadEmulator(ctx, emulator))
        return nullptr;
    return hearingOrNone(ctx, std::make_unique<FolderPresence>(ctx.emulatorDir));
}

// list --watch: the list, then a line per change, in English words for
// scripts, until an interrupt ends it.
int watchList(Context& ctx)
{
    const std::unique_ptr<PresenceMonitor> monitor = watchAppliances(ctx);
    if (!monitor)
        return 1;
    // From the list on, an interrupt is an end like any other.
    EventWait wait(ctx.interrupts);
    if (monitor->present().empty())
        report(ctx.reporter, OperationError(Cause::NotFound, notFoundLine()));
    for (const HidInterface& i : monitor->present())
        printAppliance(ctx, i);
    ctx.out.flush();
    monitor->onChange = [&](const PresenceChange& change) {
        ctx.out << (change.kind == PresenceChange::Kind::Attached ? "attached" : "detached") << '\t'
                << QString::fromLocal8Bit(change.appliance.path.c_str()) << '\t'
                << change.appliance.serialNumber << '\n';
        ctx.out.flush();
    };
    endWhenDeaf(ctx, *monitor, wait);
    return wait.exec();
}

int runList(Context& ctx)
{
    if (ctx.watch)
        return watchList(ctx);
    return runOnDevice(ctx, [&](HidTransport& transport) -> Result<> {
        const std::vector<HidInterface> appliances = ListAppliances(transport);
        if (appliances.empty())
            return OperationError(Cause::NotFound, notFoundLine());
        for (const HidInterface& i : appliances)
            printAppliance(ctx, i);
        ctx.out.flush();
        return {};
    });
}

} // namespace

const CommandDef kListCommand{
    .name = "list",
    .arguments = "",
    .options = {kWatchOption, kEmulatorOption, kVerboseOption},
    .summary = QT_TRANSLATE_NOOP("orvikctl", "list the attached appliances"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl",
        "Print every attached Orvik 2.0, one a line: its path, then its serial number\n"
        "when it tells one. Exit status 1, with \"Orvik 2.0 not found.\", when none is\n"
        "attached. With --watch, go on until interrupted: a line per appliance attached\n"
        "or detached, \"attached\" or \"detached\", its path and its serial number, split\n"
        "by tabs."),
    .run = runList};

namespace {

const OptionDef kDetachOption{
    {QStringLiteral("detach"),
     QT_TRANSLATE_NOOP("orvikctl", "Wait until no appliance is attached.")},
    false,
    [](Context& ctx, const QString&) {
        ctx.detach = true;
        return QString();
    }};

const OptionDef kTimeoutOption{
    {QStringLiteral("timeout"), QT_TRANSLATE_NOOP("orvikctl", "Give up after SECONDS."),
     QStringLiteral("SECONDS")},
    false,
    [](Context& ctx, const QString& value) {
        bool ok = false;
        const double seconds = value.toDouble(&ok);
        if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > kTimeoutLimit)
            return QCoreApplication::translate(
                       "orvikctl", "--timeout: '%1' is not a number of seconds from 0 to %2")
                .arg(value, QString::number(kTimeoutLimit));
        ctx.timeout = std::chrono::milliseconds(std::llround(seconds * 1000));
        return QString();
    }};

int runWait(Context& ctx)
{
    const std::unique_ptr<PresenceMonitor> monitor = watchAppliances(ctx);
    if (!monitor)
        return 1;
    const auto done = [&] { return monitor->present().empty() == ctx.detach; };
    if (done())
        return 0;
    EventWait wait(ctx.interrupts);
    monitor->onChange = [&](const PresenceChange&) {
        if (done())
            wait.finish(0);
    };
    endWhenDeaf(ctx, *monitor, wait);
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] { wait.finish(1); });
    if (ctx.timeout)
        timer.start(*ctx.timeout);
    const int status = wait.exec();
    // A monitor that stopped hearing has said so.
    if (status == 1 && monitor->deafReason().isEmpty())
        report(ctx.reporter,
               OperationError(Cause::ProgramFile,
                              ctx.detach ? QCoreApplication::translate(
                                               "orvikctl", "an Orvik 2.0 is still attached")
                                         : QCoreApplication::translate(
                                               "orvikctl", "no Orvik 2.0 was attached in time")));
    return status;
}

} // namespace

const CommandDef kWaitCommand{
    .name = "wait",
    .arguments = "",
    .options = {kDetachOption, kTimeoutOption, kEmulatorOption},
    .summary = QT_TRANSLATE_NOOP("orvikctl", "wait for an appliance to be attached"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl",
        "Wait until an Orvik 2.0 is attached (at once when one is), or, with --detach,\n"
        "until none is. Exit status 0 then, 1 when --timeout SECONDS pass first, 130\n"
        "when interrupted. Between wait and wait --detach, a script configures one\n"
        "appliance after another (see the README)."),
    .run = runWait};

} // namespace orvik::cli
