#include "cli/commands.h"
#include "cli/context.h"
#include "cli/image_file.h"
#include "cli/options.h"
#include "settings/config_image.h"
#include "settings/settings.h"

namespace orvik::cli {

namespace {

int runUnpack(Context& ctx)
{
    const Result<ConfigImage> image = loadImageFile(ctx.positional.first());
    if (!tell(ctx.reporter, image))
        return 1;

    const auto settings = ctx.freshSettings();
    if (!tell(ctx.reporter, ctx.applySets(*settings)) ||
        !tell(ctx.reporter, UnpackConfigImage(*image, *settings)))
        return 1;
    ctx.printSettings(*settings);
    return 0;
}

} // namespace

const CommandDef kUnpackCommand{
    .name = "unpack",
    .arguments = "FILE",
    .options = {kSetOption, kTimeOption},
    .summary = QT_TRANSLATE_NOOP("orvikctl", "print the settings an image holds"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl",
        "Check the 6144-byte configuration image FILE, unpack it onto a freshly started\n"
        "configurator as \"Read config\" does and print the settings as show does."),
    .run = runUnpack};

} // namespace orvik::cli
