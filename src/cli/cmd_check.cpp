#include "cli/commands.h"
#include "cli/context.h"
#include "cli/options.h"
#include "device/config_sessions.h"
#include "language/language.h"
#include "settings/findings.h"
#include "settings/settings.h"

namespace orvik::cli {

namespace {

int runCheck(Context& ctx)
{
    Result<std::unique_ptr<Settings>> prepared = ctx.prepareSettings();
    if (!tell(ctx.reporter, prepared))
        return 1;
    const std::unique_ptr<Settings> settings = *std::move(prepared);
    // The clock fields as "Write config" would check them.
    TakePctimeForWrite(*settings);
    int status = 0;
    for (const Finding& f : findAll(*settings, translationLanguage())) {
        if (f.severity == Severity::Warning) {
            ctx.out << warningLine(f.message) << '\n';
        } else {
            ctx.out << f.setting << ": " << f.message << '\n';
            status = 1;
        }
    }
    ctx.out.flush();
    return status;
}

} // namespace

const CommandDef kCheckCommand{
    .name = "check",
    .arguments = "[CONFIG.cfg]",
    .options = {kSetOption, kTimeOption, kQuietOption},
    .summary = QT_TRANSLATE_NOOP("orvikctl", "print every fault \"Write config\" would find"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl", "Run every check of \"Write config\" over the settings show would print (the\n"
                    "clock fields take \"now\" while Uploadpctime is ticked) and print one line\n"
                    "per setting that fails, in the order of the checks: NAME: MESSAGE, e.g.\n"
                    "Latitude: Our latitude - syntax error (e.g. 5221.60N, format: DDMM.MM).\n"
                    "An APRS-IS password that is not the login's passcode (nor -1), a position at\n"
                    "sea that the other hemisphere letter puts on land, and a beacon's position\n"
                    "more than 5 km from the station's each add a line \"warning: ...\", which\n"
                    "does not fail. Nothing is written. Exit status 0: every check passes, 1:\n"
                    "one fails."),
    .run = runCheck};

} // namespace orvik::cli
