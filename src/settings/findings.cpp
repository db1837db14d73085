#include "settings/findings.h"

#include "geo/world_map.h"
#include "settings/aprs_passcode.h"
#include "settings/aprs_position.h"
#include "settings/catalogue.h"
#include "settings/settings.h"
#include "settings/station_position.h"
#include "settings/validation.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace orvik {

namespace {

// A beacon's report more than this far from the station's position puts it
// elsewhere on the maps.
constexpr double kBeaconReachKm = 5;

QString otherHemisphere(const QString& text)
{
    static const QHash<QChar, QChar> kOther = {{'N', 'S'}, {'S', 'N'}, {'E', 'W'}, {'W', 'E'}};
    return text.chopped(1) + kOther.value(text.back());
}

// The warning of a position at sea that the other hemisphere letter of
// Longitude, of Latitude or of both puts on land, and the setting it marks:
// the one whose letter is wrong, Latitude when both are; the country named
// in `language`.
std::optional<std::pair<Setting, QString>> seaSlip(const Settings& settings,
                                                   const QString& language)
{
    const auto position = stationPosition(settings);
    const WorldMap& map = WorldMap::carried();
    if (!position || map.countryAt(*position))
        return std::nullopt;
    const QString latitude = settings.text(Setting::Latitude);
    const QString longitude = settings.text(Setting::Longitude);
    const struct {
        Setting marked;
        QString latitude;
        QString longitude;
        QString changed;
    } tries[] = {
        {Setting::Longitude, latitude, otherHemisphere(longitude), otherHemisphere(longitude)},
        {Setting::Latitude, otherHemisphere(latitude), longitude, otherHemisphere(latitude)},
        {Setting::Latitude, otherHemisphere(latitude), otherHemisphere(longitude),
         otherHemisphere(latitude) + ' ' + otherHemisphere(longitude)},
    };
    for (const auto& t : tries) {
        if (const auto country = map.countryAt(*readPosition(t.latitude, t.longitude))) {
            return std::pair{
                t.marked,
                QCoreApplication::translate(
                    "Validation",
                    "Latitude/Longitude place the station at sea; with %1 it would be in %2.")
                    .arg(t.changed, countryName(*country, language))};
        }
    }
    return std::nullopt;
}

std::optional<QString> beaconWarning(const Settings& settings, Setting message)
{
    const auto station = stationPosition(settings);
    const auto reported = aprsPosition(settings.text(message));
    if (!station || !reported)
        return std::nullopt;
    const double km = distanceKm(*station, *reported);
    if (km <= kBeaconReachKm)
        return std::nullopt;
    const int beacon =
        static_cast<int>(position(message) - position(Setting::Beacon1_msg)) / kBeaconStep + 1;
    return QCoreApplication::translate("Validation",
                                       "Beacon %1 message gives a position %2 km from the "
                                       "station's.")
        .arg(QString::number(beacon), QString::number(qRound(km)));
}

bool isBeaconMessage(Setting id)
{
    for (int n = 1; n <= kBeaconCount; ++n) {
        if (id == beaconField(n, Setting::Beacon1_msg))
            return true;
    }
    return false;
}

std::optional<QString> warningFor(const Settings& settings, Setting id, const QString& language)
{
    if (id == Setting::Aprsis_pass)
        return passcodeWarning(settings.text(Setting::Aprsis_user),
                               settings.text(Setting::Aprsis_pass));
    if (id == Setting::Latitude || id == Setting::Longitude) {
        if (const auto slip = seaSlip(settings, language); slip && slip->first == id)
            return slip->second;
        return std::nullopt;
    }
    if (isBeaconMessage(id))
        return beaconWarning(settings, id);
    return std::nullopt;
}

// A finding, and where "Write config" meets it: 0 as it packs the settings,
// in the catalogue's order; after that, 1 + the index of a rule applied last.
struct Ranked {
    std::size_t rank;
    Finding finding;
};

std::optional<Ranked> rankedFinding(const Settings& settings, const QString& name,
                                    const QString& language)
{
    // Only text fields are checked.
    const SettingDef* def = findSetting(name);
    if (!def || def->kind != Kind::Text)
        return std::nullopt;
    // While Uploadpctime is ticked, "Write config" sends the PC time instead.
    if (isClockField(def->id) && settings.checked(Setting::Uploadpctime))
        return std::nullopt;
    const Result<std::optional<std::size_t>> failed = firstFailedRule(settings, def->id);
    if (!failed.ok())
        return Ranked{0, {name, Severity::Fault, errorBoxText(failed.errorText())}};
    if (*failed) {
        const Rule& rule = validationRules()[**failed];
        return Ranked{rule.last ? 1 + **failed : 0, {name, Severity::Fault, rule.message()}};
    }
    if (auto warning = warningFor(settings, def->id, language))
        return Ranked{0, {name, Severity::Warning, *warning}};
    return std::nullopt;
}

} // namespace

std::optional<Finding> findingFor(const Settings& settings, const QString& name,
                                  const QString& language)
{
    if (std::optional<Ranked> found = rankedFinding(settings, name, language))
        return found->finding;
    return std::nullopt;
}

std::vector<Finding> findAll(const Settings& settings, const QString& language)
{
    std::vector<Ranked> ranked;
    for (const SettingDef& def : catalogue()) {
        if (auto found = rankedFinding(settings, def.name, language))
            ranked.push_back(*found);
    }
    // The catalogue lists the checked settings in the order they are packed.
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Ranked& a, const Ranked& b) { return a.rank < b.rank; });
    std::vector<Finding> found;
    for (Ranked& r : ranked)
        found.push_back(std::move(r.finding));
    return found;
}

std::vector<Setting> findingsChangedBy(Setting s)
{
    std::vector<Setting> changed{s};
    if (s == Setting::Aprsis_user)
        changed.push_back(Setting::Aprsis_pass);
    if (s == Setting::Latitude || s == Setting::Longitude) {
        // The sea warning marks either; the beacons' reports are measured
        // from the station.
        changed.push_back(s == Setting::Latitude ? Setting::Longitude : Setting::Latitude);
        for (int n = 1; n <= kBeaconCount; ++n)
            changed.push_back(beaconField(n, Setting::Beacon1_msg));
    }
    if (s == Setting::Uploadpctime) {
        // One at a time: GCC 12 takes a range insert here for an overflow.
        for (const Setting field : kClockFields)
            changed.push_back(field);
    }
    return changed;
}

QString warningLine(const QString& message)
{
    return QStringLiteral("warning: ") + message;
}

} // namespace orvik
