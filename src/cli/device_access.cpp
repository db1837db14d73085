#include "cli/device_access.h"

#include "cli/context.h"
#include "device/device_choice.h"
#include "device/emulator_store.h"

namespace orvik::cli {

namespace {

bool runSession(Context& ctx, HidTransport& transport,
                const std::function<bool(HidTransport&)>& session)
{
    bool succeeded = false;
    const bool ran = runOperation(ctx.reporter, [&] { succeeded = session(transport); });
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
        ChosenAppliance chosen(*usb, ctx.device);
        return runSession(ctx, chosen, session) ? 0 : 1;
    }

    ApplianceEmulator emulator;
    QString error;
    if (!loadAppliances(ctx.emulatorDir, emulator, error)) {
        ctx.err << "orvikctl: " << error << Qt::endl;
        return 1;
    }
    ChosenAppliance chosen(emulator, ctx.device);
    const bool succeeded = runSession(ctx, chosen, session);
    if (!saveAppliances(emulator, error)) {
        ctx.err << "orvikctl: " << error << Qt::endl;
        return 1;
    }
    return succeeded ? 0 : 1;
}

} // namespace orvik::cli
