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

// A position as Latitude and Longitude give it exactly: in hundredths of a
// minute, north and east positive.
struct ExactPosition {
    int latitude = 0;
    int longitude = 0;
};

// The position of a valid Latitude or Longitude text in decimal degrees, for
// checking against a map: "= 52.3847° N". Empty for another setting, or for a
// text that fails its check.
[[nodiscard]] QString decimalPosition(const QString& setting, const QString& text);

// The point Latitude and Longitude give (DDMM.hhN, DDDMM.hhE); nothing when
// either fails its check.
[[nodiscard]] std::optional<ExactPosition> readExactPosition(const QString& latitude,
                                                             const QString& longitude);
[[nodiscard]] std::optional<GeoPoint> readPosition(const QString& latitude,
                                                   const QString& longitude);
[[nodiscard]] std::optional<GeoPoint> stationPosition(const Settings& settings);
[[nodiscard]] std::optional<ExactPosition> exactStationPosition(const Settings& settings);

// The six-character Maidenhead locator: field and square upper case and
// digits, subsquare lower case ("JO82lj"). A position on the edge of squares
// lies in the one east or north of it; the poles and 180° lie in the last.
[[nodiscard]] QString maidenheadLocator(ExactPosition position);

// The great-circle distance in kilometres.
[[nodiscard]] double distanceKm(GeoPoint a, GeoPoint b);

} // namespace orvik
