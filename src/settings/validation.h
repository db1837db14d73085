#pragma once

#include "settings/setting_id.h"

#include <QString>
#include <vector>

namespace orvik {

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
};

struct Rule {
    Setting setting;
    Test test;
    int low = 0;
    int high = 0;
    QString message; // empty: only a conversion error can stop the write
};

// The checks made before a configuration is written, in the order they are
// applied: one entry per setting checked, the beacon group once per beacon.
const std::vector<Rule>& validationRules();

// Throws ConversionError where the rule needs a number and the text is none.
[[nodiscard]] bool passes(const Rule& rule, const QString& text);

// DDMM.hhN or DDMM.hhS, degrees 00 to 89, minutes below 60.
[[nodiscard]] bool CheckLatitude(const QString& text);
// DDDMM.hhE or DDDMM.hhW, degrees 000 to 179, minutes below 60.
[[nodiscard]] bool CheckLongitude(const QString& text);

} // namespace orvik
