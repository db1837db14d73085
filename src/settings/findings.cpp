#include "settings/findings.h"

#include "settings/aprs_passcode.h"
#include "settings/catalogue.h"
#include "settings/number.h"
#include "settings/settings.h"
#include "settings/validation.h"

namespace orvik {

namespace {

std::optional<Finding> fault(Setting setting, const QString& name, const QString& text)
{
    for (const Rule& rule : validationRules()) {
        if (rule.setting != setting)
            continue;
        try {
            if (!passes(rule, text))
                return Finding{name, Severity::Fault, rule.message};
        } catch (const ConversionError& e) {
            return Finding{name, Severity::Fault, errorBoxText(e.text())};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Finding> findingFor(const Settings& settings, const QString& name)
{
    // Only text fields are checked.
    const SettingDef* def = findSetting(name);
    if (!def || def->kind != Kind::Text)
        return std::nullopt;
    if (auto found = fault(def->id, name, settings.text(def->id)))
        return found;
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
    return name == settingName(Setting::Aprsis_user)
               ? QStringList{name, settingName(Setting::Aprsis_pass)}
               : QStringList{name};
}

} // namespace orvik
