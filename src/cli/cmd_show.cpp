#include "cli/commands.h"
#include "cli/context.h"
#include "settings/settings.h"

namespace orvik::cli {

int runShow(Context& ctx)
{
    const auto settings = ctx.prepareSettings();
    if (!settings)
        return 1;
    ctx.printSettings(*settings);
    return 0;
}

} // namespace orvik::cli
