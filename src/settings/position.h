#pragma once

#include <QString>
#include <optional>

namespace orvik {

class Settings;

// A point of the earth in decimal degrees, north and east positive.
struct GeoPoint {
    double latitude = 0;
    double longitude = 0;
};

// The position of a valid Latitude or Longitude text in decimal degrees, for
// checking against a map: "= 52.3847° N". Empty for another setting, or for a
// text that fails its check.
[[nodiscard]] QString decimalPosition(const QString& setting, const QString& text);

// The point Latitude and Longitude give (DDMM.hhN, DDDMM.hhE); nothing when
// either fails its check.
[[nodiscard]] std::optional<GeoPoint> readPosition(const QString& latitude,
                                                   const QString& longitude);
[[nodiscard]] std::optional<GeoPoint> stationPosition(const Settings& settings);

// The six-character Maidenhead locator: field and square upper case and
// digits, subsquare lower case ("JO82lj").
[[nodiscard]] QString maidenheadLocator(GeoPoint point);

// The great-circle distance in kilometres.
[[nodiscard]] double distanceKm(GeoPoint a, GeoPoint b);

} // namespace orvik
