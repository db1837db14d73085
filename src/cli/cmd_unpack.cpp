#include "cli/commands.h"
#include "cli/context.h"
#include "cli/image_file.h"
#include "settings/config_image.h"
#include "settings/settings.h"

namespace orvik::cli {

int runUnpack(Context& ctx)
{
    const std::optional<ConfigImage> image = loadImageFile(ctx, ctx.positional.first());
    if (!image)
        return 1;

    const auto settings = ctx.freshSettings();
    if (!ctx.applySets(*settings) || !UnpackConfigImage(*image, *settings, ctx.reporter))
        return 1;
    ctx.printSettings(*settings);
    return 0;
}

} // namespace orvik::cli
