#include "cli/commands.h"
#include "cli/context.h"
#include "device/config_sessions.h"
#include "settings/findings.h"
#include "settings/settings.h"

namespace orvik::cli {

int runCheck(Context& ctx)
{
    const auto settings = ctx.prepareSettings();
    if (!settings)
        return 1;
    // The clock fields as "Write config" would check them.
    TakePctimeForWrite(*settings);
    int status = 0;
    for (const Finding& f : findAll(*settings)) {
        if (f.severity == Severity::Warning) {
            ctx.out << "warning: " << f.message << '\n';
        } else {
            ctx.out << f.setting << ": " << f.message << '\n';
            status = 1;
        }
    }
    ctx.out.flush();
    return status;
}

} // namespace orvik::cli
