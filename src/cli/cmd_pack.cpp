#include "cli/commands.h"
#include "cli/context.h"
#include "cli/image_file.h"
#include "cli/options.h"
#include "device/config_sessions.h"
#include "settings/settings.h"

namespace orvik::cli {

namespace {

int runPack(Context& ctx)
{
    Result<std::unique_ptr<Settings>> prepared = ctx.prepareSettings();
    if (!tell(ctx.reporter, prepared))
        return 1;
    const std::unique_ptr<Settings> settings = *std::move(prepared);
    ConfigImage image;
    if (!runOperation(ctx.reporter, [&] { return PrepareConfigWrite(*settings, image); }))
        return 1;
    if (ctx.output.isEmpty())
        return 0;
    return tell(ctx.reporter, writeImageFile(ctx.output, image)) ? 0 : 1;
}

} // namespace

const CommandDef kPackCommand{
    .name = "pack",
    .arguments = "[CONFIG.cfg]",
    .options = {kSetOption, kTimeOption, {kOutputOption, Writes}, kQuietOption},
    .summary = QT_TRANSLATE_NOOP("orvikctl", "validate and pack the settings into an image"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl",
        "Validate and pack the settings show would print into the 6144-byte\n"
        "configuration image, as \"Write config\" does before it opens the device (the\n"
        "clock fields take \"now\" while Uploadpctime is ticked); -o FILE writes it.\n"
        "Without -o, only validates."),
    .run = runPack};

} // namespace orvik::cli
