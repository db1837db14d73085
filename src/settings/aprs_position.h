#pragma once

#include "geo/position.h"

#include <QString>
#include <optional>

namespace orvik {

// The position an APRS report in a beacon's text gives, uncompressed: after
// "!" or "=", or after "/" or "@" and a 7-character time, DDMM.hhN, the
// symbol table, DDDMM.hhE and the symbol. Digits left out as spaces (position
// ambiguity) widen it to the area they leave open, the latitude's and the
// longitude's alike, by whichever leaves out more. Nothing for a text without
// one, nor for one the station's own Latitude and Longitude would fail (a
// sign, minutes of 60 or more, the poles' 90° and 180° themselves).
[[nodiscard]] std::optional<GeoArea> aprsPosition(const QString& message);

} // namespace orvik
