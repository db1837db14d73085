#include "cli/commands.h"
#include "cli/context.h"
#include "cli/image_file.h"
#include "settings/config_image.h"
#include "settings/settings.h"

namespace orvik::cli {

int runPack(Context& ctx)
{
    const auto settings = ctx.prepareSettings();
    if (!settings)
        return 1;
    ConfigImage image;
    bool packed = false;
    // As "Write config" does before it opens the device.
    const bool ran = runOperation(ctx.reporter, [&] {
        if (settings->checked(QStringLiteral("Uploadpctime")))
            settings->readPctime();
        packed = PackConfigImage(*settings, image, ctx.reporter);
    });
    if (!ran || !packed)
        return 1;
    if (ctx.output.isEmpty())
        return 0;
    return writeImageFile(ctx, ctx.output, image) ? 0 : 1;
}

} // namespace orvik::cli
