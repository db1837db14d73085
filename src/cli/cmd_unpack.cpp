#include "cli/commands.h"
#include "cli/context.h"
#include "cli/image_file.h"
#include "device/config_sessions.h"
#include "settings/config_image.h"
#include "settings/settings.h"

namespace orvik::cli {

int runUnpack(Context& ctx)
{
    if (ctx.positional.size() != 1) {
        ctx.err << "orvikctl: unpack needs one image file (see orvikctl --help)" << Qt::endl;
        return 2;
    }
    const QString& path = ctx.positional.first();
    const std::optional<QByteArray> bytes = readImageBytes(ctx, path);
    if (!bytes)
        return 1;
    std::optional<ConfigImage> image = asImage(*bytes);
    if (!image) {
        ctx.err << "orvikctl: " << path << " is not a configuration image (it must be exactly "
                << kImageSize << " bytes)" << Qt::endl;
        return 1;
    }
    if (!CheckEepromImage(*image)) {
        ctx.reporter.log(kEepromChecksumError);
        return 1;
    }

    const auto settings = ctx.freshSettings();
    if (!ctx.applySets(*settings) || !UnpackConfigImage(*image, *settings, ctx.reporter))
        return 1;
    ctx.printSettings(*settings);
    return 0;
}

} // namespace orvik::cli
