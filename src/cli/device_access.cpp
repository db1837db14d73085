#include "cli/device_access.h"

#include "cli/context.h"
#include "device/device_choice.h"
#include "device/emulator_folder.h"

namespace orvik::cli {

namespace {

// The session runs on the appliance --device names among those `transport` reaches.
bool runSession(Context& ctx, HidTransport& transport,
                const std::function<Result<>(HidTransport&)>& session)
{
    if (!ctx.device.isEmpty()) {
        if (const QString line = NoMatchLine(transport, ctx.device); !line.isEmpty()) {
            ctx.err << line << Qt::endl;
            return false;
        }
    }
    ChosenAppliance chosen(transport, ctx.device);
    const bool succeeded = runOperation(ctx.reporter, [&] { return session(chosen); });
    // The appliance stays the session's until here, across its opens.
    const Result<> kept = chosen.endSession();
    ctx.reporter.endSession(succeeded && kept.ok());
    if (!kept.ok()) {
        ctx.err << "orvikctl: " << kept.errorText() << Qt::endl;
        return false;
    }
    return succeeded;
}

} // namespace

int runOnDevice(Context& ctx, const std::function<Result<>(HidTransport&)>& session)
{
    if (ctx.emulatorDir.isEmpty()) {
        if (!ctx.usbTransport) {
            ctx.err << "orvikctl: no USB access here; use --emulator DIR" << Qt::endl;
            return 1;
        }
        const std::unique_ptr<HidTransport> usb = ctx.usbTransport();
        return runSession(ctx, *usb, session) ? 0 : 1;
    }

    FolderEmulator emulator;
    if (const Result<> loaded = emulator.load(ctx.emulatorDir); !loaded.ok()) {
        ctx.err << "orvikctl: " << loaded.errorText() << Qt::endl;
        return 1;
    }
    for (const QString& line : emulator.unlistedLines())
        ctx.err << "orvikctl: " << line << Qt::endl;
    return runSession(ctx, emulator, session) ? 0 : 1;
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
