#include "settings/findings.h"

#include "settings/aprs_passcode.h"
#include "settings/catalogue.h"
#include "settings/number.h"
#include "settings/settings.h"
#include "settings/validation.h"

#include <algorithm>

namespace orvik {

namespace {

// A finding, and where "Write config" meets it: 0 as it packs the settings,
// in the catalogue's order; after that, 1 + the index of a rule applied last.
struct Ranked {
    std::size_t rank;
    Finding finding;
};

std::optional<Ranked> rankedFinding(const Settings& settings, const QString& name)
{
    // Only text fields are checked.
    const SettingDef* def = findSetting(name);
    if (!def || def->kind != Kind::Text)
        return std::nullopt;
    // While Uploadpctime is ticked, "Write config" sends the PC time instead.
    if (isClockField(def->id) && settings.checked(Setting::Uploadpctime))
        return std::nullopt;
    try {
        if (const std::optional<std::size_t> failed = firstFailedRule(settings, def->id)) {
            const Rule& rule = validationRules()[*failed];
            return Ranked{rule.last ? 1 + *failed : 0, {name, Severity::Fault, rule.message()}};
        }
    } catch (const ConversionError& e) {
        return Ranked{0, {name, Severity::Fault, errorBoxText(e.text())}};
    }
    if (def->id == Setting::Aprsis_pass) {
        if (auto warning = passcodeWarning(settings.text(Setting::Aprsis_user),
                                           settings.text(Setting::Aprsis_pass)))
            return Ranked{0, {name, Severity::Warning, *warning}};
    }
    return std::nullopt;
}

} // namespace

std::optional<Finding> findingFor(const Settings& settings, const QString& name)
{
    if (std::optional<Ranked> found = rankedFinding(settings, name))
        return found->finding;
    return std::nullopt;
}

std::vector<Finding> findAll(const Settings& settings)
{
    std::vector<Ranked> ranked;
    for (const SettingDef& def : catalogue()) {
        if (auto found = rankedFinding(settings, def.name))
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

QStringList findingsChangedBy(const QString& name)
{
    QStringList changed{name};
    if (name == settingName(Setting::Aprsis_user))
        changed << settingName(Setting::Aprsis_pass);
    if (name == settingName(Setting::Uploadpctime)) {
        for (const Setting field : kClockFields)
            changed << settingName(field);
    }
    return changed;
}

} // namespace orvik
