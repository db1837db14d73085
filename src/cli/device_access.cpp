#include "cli/device_access.h"

#include "cli/context.h"
#include "device/device_choice.h"
#include "device/emulator_folder.h"
#include "frontend/session_runner.h"

#include <QCoreApplication>

namespace orvik::cli {

namespace {

// The session runs on the appliance --device names among those `transport`
// reaches, under `guard` when it writes.
bool runCliSession(Context& ctx, HidTransport& transport, const Session& session, WriteGuard* guard)
{
    if (!ctx.device.isEmpty()) {
        if (const QString line = NoMatchLine(transport, ctx.device); !line.isEmpty()) {
            report(ctx.reporter, OperationError(Cause::Failed, line));
            return false;
        }
    }
    ctx.reporter.startSession();
    const SessionEnd end = runDeviceSession(transport, ctx.device, ctx.reporter, session, guard);
    ctx.reporter.endSession(end.succeeded && end.released.ok());
    return tell(ctx.reporter, end.released) && end.succeeded;
}

int runGuarded(Context& ctx, const Session& session, WriteGuard* guard)
{
    if (ctx.emulatorDir.isEmpty()) {
        if (!ctx.usbTransport) {
            sayNoUsb(ctx);
            return 1;
        }
        const std::unique_ptr<HidTransport> usb = ctx.usbTransport();
        return runCliSession(ctx, *usb, session, guard) ? 0 : 1;
    }

    FolderEmulator emulator;
    if (!loadEmulator(ctx, emulator))
        return 1;
    return runCliSession(ctx, emulator, session, guard) ? 0 : 1;
}

} // namespace

void sayNoUsb(Context& ctx)
{
    report(ctx.reporter, OperationError(Cause::ProgramFile,
                                        QCoreApplication::translate(
                                            "orvikctl", "no USB access here; use --emulator DIR")));
}

bool loadEmulator(Context& ctx, FolderEmulator& emulator)
{
    if (const Result<> loaded = emulator.load(ctx.emulatorDir); !loaded.ok()) {
        report(ctx.reporter, OperationError(Cause::ProgramFile, loaded.errorText()));
        return false;
    }
    for (const QString& line : emulator.unlistedLines())
        report(ctx.reporter, OperationError(Cause::ProgramFile, line));
    return true;
}

int runOnDevice(Context& ctx, const Session& session)
{
    return runGuarded(ctx, session, nullptr);
}

int runWriteOnDevice(Context& ctx, Written written, const Session& session)
{
    WriteGuard guard(ctx.interrupts, "orvikctl", written, &ctx.reporter.openLine());
    const int status = runGuarded(ctx, session, &guard);
    const int signal = guard.end();
    return signal != 0 ? 128 + signal : status;
}

} // namespace orvik::cli
