#include "cli/commands.h"
#include "cli/context.h"
#include "cli/options.h"
#include "frontend/reporter.h"
#include "geo/world_map.h"
#include "settings/catalogue.h"
#include "settings/settings.h"
#include "settings/station_position.h"
#include "settings/validation.h"

namespace orvik::cli {

namespace {

int runPosition(Context& ctx)
{
    Result<std::unique_ptr<Settings>> prepared = ctx.prepareSettings();
    if (!tell(ctx.reporter, prepared))
        return 1;
    const std::unique_ptr<Settings> settings = *std::move(prepared);
    const std::optional<GeoPoint> position = stationPosition(*settings);
    if (!position) {
        // The first of the two that fails, as check prints it.
        for (const Setting s : {Setting::Latitude, Setting::Longitude}) {
            const Result<std::optional<std::size_t>> failed = firstFailedRule(*settings, s);
            // Neither rule reads a number, so none fails to convert.
            if (failed.ok() && *failed) {
                ctx.err << settingName(s) << ": " << validationRules()[**failed].message()
                        << Qt::endl;
                break;
            }
        }
        return 1;
    }
    // English whatever the language, for scripts.
    const std::optional<int> country = WorldMap::carried().countryAt(*position);
    ctx.out << maidenheadLocator(*exactStationPosition(*settings)) << ' '
            << (country ? englishName(*country) : QStringLiteral("sea")) << Qt::endl;
    return 0;
}

} // namespace

const CommandDef kPositionCommand{
    .name = "position",
    .arguments = "[CONFIG.cfg]",
    .options = {kSetOption, kQuietOption},
    .summary = QT_TRANSLATE_NOOP("orvikctl", "print the station's locator and country"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl", "Print the Maidenhead locator of Latitude and Longitude and the country the\n"
                    "position lies in, or \"sea\", in English on one line: JO82lj Poland.\n"
                    "CONFIG.cfg and the --set options are read as show reads them. Exit status\n"
                    "1: Latitude or Longitude fails its check, whose message is printed."),
    .run = runPosition};

} // namespace orvik::cli
