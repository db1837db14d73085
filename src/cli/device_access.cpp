#include "cli/device_access.h"

#include "cli/context.h"
#include "device/device_choice.h"
#include "device/emulator_folder.h"

#include <QCoreApplication>

namespace orvik::cli {

namespace {

// The session runs on the appliance --device names among those `transport` reaches.
bool runSession(Context& ctx, HidTransport& transport,
                const std::function<bool(HidTransport&)>& session)
{
    if (!ctx.device.isEmpty()) {
        if (const QString line = NoMatchLine(transport, ctx.device); !line.isEmpty()) {
            report(ctx.reporter, OperationError(line));
            return false;
        }
    }
    ChosenAppliance chosen(transport, ctx.device);
    ctx.reporter.startSession();
    bool told = false;
    const bool succeeded = runOperation(ctx.reporter, [&] { told = session(chosen); }) && told;
    // The appliance stays the session's until here, across its opens.
    const Result<> kept = chosen.endSession();
    ctx.reporter.endSession(succeeded && kept.ok());
    return tell(ctx.reporter, kept) && succeeded;
}

} // namespace

int runOnDevice(Context& ctx, const std::function<bool(HidTransport&)>& session)
{
    if (ctx.emulatorDir.isEmpty()) {
        if (!ctx.usbTransport) {
            report(ctx.reporter, programError(QCoreApplication::translate(
                                     "orvikctl", "no USB access here; use --emulator DIR")));
            return 1;
        }
        const std::unique_ptr<HidTransport> usb = ctx.usbTransport();
        return runSession(ctx, *usb, session) ? 0 : 1;
    }

    FolderEmulator emulator;
    if (const Result<> loaded = emulator.load(ctx.emulatorDir); !loaded.ok()) {
        report(ctx.reporter, programError(loaded.errorText()));
        return 1;
    }
    for (const QString& line : emulator.unlistedLines())
        report(ctx.reporter, programError(line));
    return runSession(ctx, emulator, session) ? 0 : 1;
}

int runOnDevice(Context& ctx, const std::function<Result<>(HidTransport&)>& session)
{
    return runOnDevice(ctx, std::function<bool(HidTransport&)>([&](HidTransport& transport) {
                           return tell(ctx.reporter, session(transport));
                       }));
}

int runWriteOnDevice(Context& ctx, Written written,
                     const std::function<Result<>(HidTransport&)>& session)
{
    WriteGuard guard("orvikctl", written, &ctx.reporter.openLine());
    const int status = runOnDevice(ctx, [&](HidTransport& transport) {
        GuardedAppliance guarded(transport, guard);
        return session(guarded);
    });
    const int signal = guard.end();
    return signal != 0 ? 128 + signal : status;
}

} // namespace orvik::cli
