#pragma once

#include "settings/setting_id.h"

#include <QString>
#include <optional>
#include <vector>

namespace orvik {

class Settings;

enum class Severity { Fault, Warning };

// What the checks say of one setting's value.
struct Finding {
    QString setting;
    Severity severity;
    QString message;
};

// The finding of setting `name`: the message of its first failing rule (the
// conversion error's text, with the error box's full stop, where the rule
// reads no number), else its warning: the APRS-IS passcode's, the station's
// at sea where the other hemisphere puts it on land, a beacon's report far
// from the station; nothing when all pass,
// and nothing for the clock fields while Uploadpctime is ticked. The rules are
// those "Write config" applies, run by the same code. A country a message
// names is named in `language`, that of the translation installed ("en").
[[nodiscard]] std::optional<Finding> findingFor(const Settings& settings, const QString& name,
                                                const QString& language);

// Every finding, in the order "Write config" meets them: setting by setting
// as it packs them, then the rules it applies last.
[[nodiscard]] std::vector<Finding> findAll(const Settings& settings, const QString& language);

// The settings whose finding may change when `s` changes, `s` first.
[[nodiscard]] std::vector<Setting> findingsChangedBy(Setting s);

// A warning's line in the log and in orvikctl's output: "warning: " and the
// message. The prefix is English in every language, as the setting names
// beside it are, so that one output never carries two and a script finds it.
[[nodiscard]] QString warningLine(const QString& message);

} // namespace orvik
