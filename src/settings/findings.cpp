#include "settings/findings.h"

#include "settings/aprs_passcode.h"
#include "settings/catalogue.h"
#include "settings/number.h"
#include "settings/settings.h"
#include "settings/validation.h"

namespace orvik {

std::optional<Finding> findingFor(const Settings& settings, const QString& name)
{
    // Only text fields are checked.
    const SettingDef* def = findSetting(name);
    if (!def || def->kind != Kind::Text)
        return std::nullopt;
    // While Uploadpctime is ticked, "Write config" sends the PC time instead.
    if (isClockField(def->id) && settings.checked(Setting::Uploadpctime))
        return std::nullopt;
    try {
        if (const std::optional<QString> fault = firstFault(settings, def->id))
            return Finding{name, Severity::Fault, *fault};
    } catch (const ConversionError& e) {
        return Finding{name, Severity::Fault, errorBoxText(e.text())};
    }
    if (def->id == Setting::Aprsis_pass) {
        if (auto warning = passcodeWarning(settings.text(Setting::Aprsis_user),
                                           settings.text(Setting::Aprsis_pass)))
            return Finding{name, Severity::Warning, *warning};
    }
    return std::nullopt;
}

std::vector<Finding> findAll(const Settings& settings)
{
    // The catalogue lists the checked settings in the order of the rules.
    std::vector<Finding> found;
    for (const SettingDef& def : catalogue()) {
        if (auto finding = findingFor(settings, def.name))
            found.push_back(*finding);
    }
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
