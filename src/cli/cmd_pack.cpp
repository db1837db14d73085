#include "cli/commands.h"
#include "cli/context.h"
#include "cli/image_file.h"
#include "device/config_sessions.h"
#include "settings/settings.h"

namespace orvik::cli {

int runPack(Context& ctx)
{
    const auto settings = ctx.prepareSettings();
    if (!settings)
        return 1;
    ConfigImage image;
    bool packed = false;
    const bool ran = runOperation(
        ctx.reporter, [&] { packed = PrepareConfigWrite(*settings, image, ctx.reporter); });
    if (!ran || !packed)
        return 1;
    if (ctx.output.isEmpty())
        return 0;
    return writeImageFile(ctx, ctx.output, image) ? 0 : 1;
}

} // namespace orvik::cli
