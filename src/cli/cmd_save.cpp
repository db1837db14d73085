#include "cli/commands.h"
#include "cli/context.h"
#include "settings/settings.h"

namespace orvik::cli {

int runSave(Context& ctx)
{
    if (ctx.output.isEmpty() || ctx.positional.size() > 1) {
        ctx.err << "orvikctl: save needs -o FILE and at most one configuration file to read (see "
                   "orvikctl --help)"
                << Qt::endl;
        return 2;
    }
    const auto settings = ctx.prepareSettings();
    if (!settings || !ctx.saveConfigFile(*settings))
        return 1;
    return 0;
}

} // namespace orvik::cli
