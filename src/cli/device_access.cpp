#include "cli/device_access.h"

#include "cli/context.h"
#include "device/device_choice.h"
#include "device/emulator_store.h"

namespace orvik::cli {

namespace {

// The session runs on the appliance --device names among those `transport` reaches.
bool runSession(Context& ctx, HidTransport& transport,
                const std::function<bool(HidTransport&)>& session)
{
    if (!ctx.device.isEmpty()) {
        if (const QString line = NoMatchLine(transport, ctx.device); !line.isEmpty()) {
            ctx.err << line << Qt::endl;
            return false;
        }
    }
    ChosenAppliance chosen(transport, ctx.device);
    bool succeeded = false;
    const bool ran = runOperation(ctx.reporter, [&] { succeeded = session(chosen); });
    ctx.reporter.endSession(ran && succeeded);
    return ran && succeeded;
}

} // namespace

int runOnDevice(Context& ctx, const std::function<bool(HidTransport&)>& session)
{
    if (ctx.emulatorDir.isEmpty()) {
        if (!ctx.usbTransport) {
            ctx.err << "orvikctl: no USB access here; use --emulator DIR" << Qt::endl;
            return 1;
        }
        const std::unique_ptr<HidTransport> usb = ctx.usbTransport();
        return runSession(ctx, *usb, session) ? 0 : 1;
    }

    ApplianceEmulator emulator;
    QString error;
    if (!loadAppliances(ctx.emulatorDir, emulator, error)) {
        ctx.err << "orvikctl: " << error << Qt::endl;
        return 1;
    }
    const bool succeeded = runSession(ctx, emulator, session);
    if (!saveAppliances(emulator, error)) {
        ctx.err << "orvikctl: " << error << Qt::endl;
        return 1;
    }
    return succeeded ? 0 : 1;
}

} // namespace orvik::cli
