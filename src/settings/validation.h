#pragma once

#include "files/result.h"
#include "settings/setting_id.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace orvik {

class Settings;

// What a rule asks of its setting's text.
enum class Test {
    Length,       // exactly `low` characters
    Latitude,     // CheckLatitude
    Longitude,    // CheckLongitude
    Number,       // any number
    Range,        // a number from low to high
    RangeOrEmpty, // empty, or a number from low to high
    RangeOrFail,  // a number from low to high; a text that is not a number fails too
    ZeroOrRange,  // a number that is 0 or from low to high
    NotEmpty,     // at least one character
    Printable,    // only codes 32 (space) to 126 (tilde)
    FitsField,    // at most `high` characters
    Latin1,       // only characters Latin-1 can hold
};

struct Rule {
    Setting setting;
    Test test;
    int low = 0;
    int high = 0;
    // What the user reads when the text fails, in the user's language; none:
    // only a conversion error can stop the write.
    std::function<QString()> message = {};
    // Applied once every setting is packed, rather than where its setting is:
    // a bound the image adds to a number the other rules let through, whose
    // message must not come before any of theirs.
    bool last = false;
};

// The checks made before a configuration is written, in the order they are
// applied: one entry per setting checked, the beacon group once per beacon;
// then, for each setting the image keeps as text, that it fits its field and
// Latin-1 holds it; then the ranges of the numbers no other rule bounds, the
// rules applied last. Each setting meets its own rules in this order.
const std::vector<Rule>& validationRules();

// Fails with notANumber where the rule needs a number and the text is none.
[[nodiscard]] Result<bool> passes(const Rule& rule, const QString& text);

// The first rule of `setting` that its value fails, as its index in
// validationRules(); nothing when every one passes. Fails as passes() does.
[[nodiscard]] Result<std::optional<std::size_t>> firstFailedRule(const Settings& settings,
                                                                 Setting setting);

// DDMM.hhN or DDMM.hhS, degrees 00 to 89, minutes below 60.
[[nodiscard]] bool CheckLatitude(const QString& text);
// DDDMM.hhE or DDDMM.hhW, degrees 000 to 179, minutes below 60.
[[nodiscard]] bool CheckLongitude(const QString& text);

} // namespace orvik
