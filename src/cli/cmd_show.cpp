#include "cli/commands.h"
#include "cli/context.h"
#include "cli/options.h"
#include "settings/settings.h"

namespace orvik::cli {

namespace {

int runShow(Context& ctx)
{
    Result<std::unique_ptr<Settings>> prepared = ctx.prepareSettings();
    if (!tell(ctx.reporter, prepared))
        return 1;
    const std::unique_ptr<Settings> settings = *std::move(prepared);
    ctx.printSettings(*settings);
    return 0;
}

} // namespace

const CommandDef kShowCommand{
    .name = "show",
    .arguments = "[CONFIG.cfg]",
    .options = {kSetOption, kTimeOption, kQuietOption},
    .summary = QT_TRANSLATE_NOOP("orvikctl", "print the settings, one NAME=VALUE line each"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl", "Print every setting of a freshly started configurator, one NAME=VALUE line\n"
                    "each (text fields their text, lists their index, check boxes 0 or 1).\n"
                    "CONFIG.cfg is read first, as \"Read from file\" does; then the --set options\n"
                    "apply in order."),
    .run = runShow};

} // namespace orvik::cli
