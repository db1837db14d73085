#include "settings/aprs_position.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvik {

namespace {

// The minutes' digits a space may stand for, last first: hundredths, tenths,
// units, tens (within MM.hh).
constexpr std::array<int, 4> kMinuteDigits = {4, 3, 1, 0};
// The width of the area, in minutes, when that many digits are spaces.
constexpr std::array<double, 5> kAreaMinutes = {0, 0.1, 1, 10, 60};

// The field with the spaces that stand for its minutes' last digits made
// zeros, and how many there were; the station's own check then judges it, so
// that a report is read as the station's position is.
int fillBlanks(QString& field, int degreeDigits)
{
    int blanks = 0;
    for (const int digit : kMinuteDigits) {
        const qsizetype at = degreeDigits + digit;
        if (at >= field.size() || field[at] != QLatin1Char(' '))
            break;
        field[at] = QLatin1Char('0');
        ++blanks;
    }
    return blanks;
}

// The range a coordinate leaves open once `blanks` of its digits are dropped,
// southern and western ones below zero (-0 too: 0000.00S).
std::pair<double, double> span(double degrees, int blanks)
{
    const double width = kAreaMinutes[blanks] / 60;
    const double size = std::abs(degrees);
    const double low = width > 0 ? std::floor(size / width + 1e-9) * width : size;
    return std::signbit(degrees) ? std::pair{-(low + width), -low} : std::pair{low, low + width};
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
    QString latitude = message.mid(at, 8);
    QString longitude = message.mid(at + 9, 9);
    const int blanks = std::max(fillBlanks(latitude, 2), fillBlanks(longitude, 3));
    const auto point = readPosition(latitude, longitude);
    if (!point)
        return std::nullopt;
    const auto [south, north] = span(point->latitude, blanks);
    const auto [west, east] = span(point->longitude, blanks);
    return GeoArea{{south, west}, {north, east}};
}

} // namespace orvik
