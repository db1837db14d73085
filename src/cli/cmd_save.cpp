#include "cli/commands.h"
#include "cli/context.h"
#include "settings/settings.h"

namespace orvik::cli {

int runSave(Context& ctx)
{
    const auto settings = ctx.prepareSettings();
    if (!settings || !ctx.saveConfigFile(*settings))
        return 1;
    return 0;
}

} // namespace orvik::cli
