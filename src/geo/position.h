#pragma once

#include <QString>
#include <optional>

namespace orvik {

// A point of the earth in decimal degrees, north and east positive.
struct GeoPoint {
    double latitude = 0;
    double longitude = 0;
};

// A position as the appliance's latitude and longitude texts give it
// exactly: in hundredths of a minute, north and east positive.
struct ExactPosition {
    int latitude = 0;
    int longitude = 0;
};

// The area between two corners, south-west and north-east.
struct GeoArea {
    GeoPoint southWest;
    GeoPoint northEast;
};

// A latitude text, DDMM.hhN or DDMM.hhS with degrees 00 to 89 and minutes
// below 60, in hundredths of a minute; nothing for any other text.
[[nodiscard]] std::optional<int> readLatitude(const QString& text);
// A longitude text, DDDMM.hhE or DDDMM.hhW with degrees 000 to 179.
[[nodiscard]] std::optional<int> readLongitude(const QString& text);

// A latitude or longitude text in decimal degrees, for checking against a
// map: "= 52.3847° N". Empty for a text that readLatitude or readLongitude
// refuses.
[[nodiscard]] QString decimalLatitude(const QString& text);
[[nodiscard]] QString decimalLongitude(const QString& text);

// The point a latitude and a longitude text give; nothing when either is
// refused.
[[nodiscard]] std::optional<ExactPosition> readExactPosition(const QString& latitude,
                                                             const QString& longitude);
[[nodiscard]] std::optional<GeoPoint> readPosition(const QString& latitude,
                                                   const QString& longitude);

// The six-character Maidenhead locator: field and square upper case and
// digits, subsquare lower case ("JO82lj"). A position on the edge of squares
// lies in the one east or north of it; the poles and 180° lie in the last.
[[nodiscard]] QString maidenheadLocator(ExactPosition position);

// The great-circle distance in kilometres.
[[nodiscard]] double distanceKm(GeoPoint a, GeoPoint b);
// The distance in kilometres from `point` to the nearest point of `area`.
[[nodiscard]] double distanceKm(GeoPoint point, const GeoArea& area);

} // namespace orvik
