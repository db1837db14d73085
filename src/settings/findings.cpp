#include "settings/findings.h"

#include "settings/aprs_passcode.h"
#include "settings/catalogue.h"
#include "settings/operation.h"
#include "settings/settings.h"
#include "settings/validation.h"

namespace orvik {

namespace {

const QString kLogin = QStringLiteral("Aprsis_user");
const QString kPassword = QStringLiteral("Aprsis_pass");

std::optional<Finding> fault(const QString& name, const QString& text)
{
    for (const Rule& rule : validationRules()) {
        if (rule.setting != name)
            continue;
        try {
            if (!passes(rule, text))
                return Finding{name, Severity::Fault, rule.message};
        } catch (const ConversionError& e) {
            return Finding{name, Severity::Fault, errorBoxText(e)};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Finding> findingFor(const Settings& settings, const QString& name)
{
    // Only text fields are checked.
    if (const SettingDef* def = findSetting(name); !def || def->kind != Kind::Text)
        return std::nullopt;
    if (auto found = fault(name, settings.text(name)))
        return found;
    if (name == kPassword) {
        if (auto warning = passcodeWarning(settings.text(kLogin), settings.text(kPassword)))
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
    return name == kLogin ? QStringList{name, kPassword} : QStringList{name};
}

} // namespace orvik
