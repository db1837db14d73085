#pragma once

#include "geo/position.h"

#include <QString>
#include <optional>

namespace orvik {

class Settings;

// The position of a valid Latitude or Longitude text in decimal degrees, for
// checking against a map: "= 52.3847° N". Empty for another setting, or for a
// text that fails its check.
[[nodiscard]] QString decimalPosition(const QString& setting, const QString& text);

// The point the station's Latitude and Longitude give; nothing when either
// fails its check.
[[nodiscard]] std::optional<GeoPoint> stationPosition(const Settings& settings);
[[nodiscard]] std::optional<ExactPosition> exactStationPosition(const Settings& settings);

} // namespace orvik
