#include "cli/commands.h"
#include "cli/context.h"
#include "cli/options.h"
#include "settings/settings.h"

namespace orvik::cli {

namespace {

int runSave(Context& ctx)
{
    Result<std::unique_ptr<Settings>> prepared = ctx.prepareSettings();
    if (!tell(ctx.reporter, prepared))
        return 1;
    return tell(ctx.reporter, ctx.saveConfigFile(**prepared)) ? 0 : 1;
}

} // namespace

const CommandDef kSaveCommand{
    .name = "save",
    .arguments = "[CONFIG.cfg]",
    .options = {kSetOption, kTimeOption, {kOutputOption, Required | InPlace}, kQuietOption},
    .summary = QT_TRANSLATE_NOOP("orvikctl", "save the settings to a configuration file"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl", "Save the settings show would print to the configuration file FILE, as \"Save\n"
                    "to file\" does; an existing FILE keeps every line it does not get from the\n"
                    "settings."),
    .run = runSave};

} // namespace orvik::cli
