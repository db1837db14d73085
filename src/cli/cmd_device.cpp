#include "cli/commands.h"
#include "cli/context.h"
#include "cli/device_access.h"
#include "device/config_sessions.h"
#include "device/device_link.h"
#include "device/protocol.h"
#include "settings/settings.h"

#include <QSaveFile>

namespace orvik::cli {

namespace {

bool saveImage(Context& ctx, const ConfigImage& image)
{
    QSaveFile file(ctx.image);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(reinterpret_cast<const char*>(image.data()), kImageSize) == kImageSize &&
        file.commit())
        return true;
    ctx.err << "orvikctl: cannot write " << ctx.image << ": " << file.errorString() << Qt::endl;
    return false;
}

} // namespace

int runList(Context& ctx)
{
    return runOnDevice(ctx, [&](HidTransport& transport) {
        bool any = false;
        for (const HidInterface& i : transport.enumerate()) {
            if (i.vendorId == kOrvikVendorId && i.productId == kOrvikProductId) {
                ctx.out << QString::fromLocal8Bit(i.path.c_str()) << '\n';
                any = true;
            }
        }
        ctx.out.flush();
        return any;
    });
}

int runInfo(Context& ctx)
{
    return runOnDevice(ctx, [&](HidTransport& transport) {
        const DeviceCloser closer(transport);
        if (!OpenDevice(transport, ctx.reporter))
            return false;
        if (ShowFirmwareVersion(transport, ctx.reporter))
            return true;
        ctx.reporter.log(kFirmwareVersionReadError);
        return false;
    });
}

int runRead(Context& ctx)
{
    const auto settings = ctx.prepareSettings();
    if (!settings)
        return 1;
    ConfigImage received{};
    const int status = runOnDevice(ctx, [&](HidTransport& transport) {
        return ReadConfigSession(*settings, received, transport, ctx.reporter);
    });
    if (status != 0)
        return status;
    if (!ctx.image.isEmpty() && !saveImage(ctx, received))
        return 1;
    if (!ctx.output.isEmpty() && !ctx.saveConfigFile(*settings))
        return 1;
    ctx.printSettings(*settings);
    return 0;
}

int runWrite(Context& ctx)
{
    const auto settings = ctx.prepareSettings();
    if (!settings)
        return 1;
    ConfigImage outgoing{};
    return runOnDevice(ctx, [&](HidTransport& transport) {
        return WriteConfigSession(*settings, outgoing, transport, ctx.reporter);
    });
}

} // namespace orvik::cli
