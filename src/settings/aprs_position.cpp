#include "settings/aprs_position.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvik {

namespace {

// One coordinate of a report: its degrees and minutes, its sign and how many
// of its minutes' digits are spaces.
struct Coordinate {
    double degrees = 0;
    int blanks = 0;
    bool negative = false;
};

// The minutes' digits a space may stand for, last first: hundredths, tenths,
// units, tens.
constexpr std::array<int, 4> kMinuteDigits = {6, 5, 3, 2};
// The width of the area, in minutes, when that many digits are spaces.
constexpr std::array<double, 5> kAreaMinutes = {0, 0.1, 1, 10, 60};

// DD(D)MM.hh and a hemisphere letter; spaces only from the right.
std::optional<Coordinate> readCoordinate(const QString& field, int degreeDigits,
                                         const char* hemispheres, int maxDegrees)
{
    const QString letters = QString::fromLatin1(hemispheres);
    if (field.size() != degreeDigits + 6 || field[degreeDigits + 2] != QLatin1Char('.') ||
        !letters.contains(field.back()))
        return std::nullopt;
    Coordinate c;
    c.negative = field.back() == letters[1];
    bool ok = false;
    const int degrees = field.left(degreeDigits).toInt(&ok);
    if (!ok || field.left(degreeDigits).contains(QLatin1Char(' ')) || degrees > maxDegrees)
        return std::nullopt;
    QString minutes = field.mid(degreeDigits, 5);
    for (const int digit : kMinuteDigits) {
        const qsizetype at = digit - 2; // within the minutes
        if (minutes[at] != QLatin1Char(' '))
            break;
        minutes[at] = QLatin1Char('0');
        ++c.blanks;
    }
    const double value = minutes.toDouble(&ok);
    if (!ok || minutes.contains(QLatin1Char(' ')) || value >= 60)
        return std::nullopt;
    c.degrees = degrees + value / 60;
    return c;
}

// Drops the digits that `blanks` spaces leave out, and gives the range they
// leave open, southern and western ones below zero.
std::pair<double, double> span(Coordinate c, int blanks)
{
    const double width = kAreaMinutes[blanks] / 60;
    const double low = width > 0 ? std::floor(c.degrees / width + 1e-9) * width : c.degrees;
    return c.negative ? std::pair{-(low + width), -low} : std::pair{low, low + width};
}

} // namespace

std::optional<GeoArea> aprsPosition(const QString& message)
{
    qsizetype at = 0;
    if (message.startsWith(QLatin1Char('!')) || message.startsWith(QLatin1Char('=')))
        at = 1;
    else if (message.startsWith(QLatin1Char('/')) || message.startsWith(QLatin1Char('@')))
        at = 8; // the time: DDHHMMz, DDHHMM/ or HHMMSSh
    else
        return std::nullopt;
    // Latitude, symbol table, longitude, symbol.
    if (message.size() < at + 19)
        return std::nullopt;
    const auto latitude = readCoordinate(message.mid(at, 8), 2, "NS", 90);
    const auto longitude = readCoordinate(message.mid(at + 9, 9), 3, "EW", 180);
    if (!latitude || !longitude)
        return std::nullopt;
    const int blanks = std::max(latitude->blanks, longitude->blanks);
    const auto [south, north] = span(*latitude, blanks);
    const auto [west, east] = span(*longitude, blanks);
    return GeoArea{{south, west}, {north, east}};
}

double distanceKm(GeoPoint point, const GeoArea& area)
{
    const GeoPoint nearest{
        std::clamp(point.latitude, area.southWest.latitude, area.northEast.latitude),
        std::clamp(point.longitude, area.southWest.longitude, area.northEast.longitude)};
    return distanceKm(point, nearest);
}

} // namespace orvik
