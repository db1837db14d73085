#include "geo/position.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvik {

namespace {

constexpr int kPerDegree = 6000; // hundredths of a minute

// `degreeDigits` digits of degrees, two of minutes, ".", two of hundredths of
// a minute and one letter of `hemispheres`, the second one's negative;
// degrees at most maxDegrees, minutes below 60.
std::optional<int> readCoordinate(const QString& text, int degreeDigits, const char* hemispheres,
                                  int maxDegrees)
{
    const int point = degreeDigits + 2;
    if (text.size() != point + 4 || text[point] != QLatin1Char('.') ||
        !QLatin1String(hemispheres).contains(text[point + 3]))
        return std::nullopt;
    int value = 0;
    for (int i = 0; i < point + 3; ++i) {
        if (i == point)
            continue;
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - '0');
    }
    if (value % 10000 >= 6000 || value > maxDegrees * 10000 + 5999)
        return std::nullopt;
    const int hundredths = value / 10000 * kPerDegree + value % 10000;
    return text[point + 3] == QLatin1Char(hemispheres[1]) ? -hundredths : hundredths;
}

double degreesOf(int hundredths)
{
    return static_cast<double>(hundredths) / kPerDegree;
}

QString decimalDegrees(std::optional<int> hundredths, const QString& text)
{
    if (!hundredths)
        return {};
    return QStringLiteral("= %1\u00B0 %2")
        .arg(QString::number(std::abs(degreesOf(*hundredths)), 'f', 4), text.back());
}

} // namespace

std::optional<int> readLatitude(const QString& text)
{
    return readCoordinate(text, 2, "NS", 89);
}

std::optional<int> readLongitude(const QString& text)
{
    return readCoordinate(text, 3, "EW", 179);
}

QString decimalLatitude(const QString& text)
{
    return decimalDegrees(readLatitude(text), text);
}

QString decimalLongitude(const QString& text)
{
    return decimalDegrees(readLongitude(text), text);
}

std::optional<ExactPosition> readExactPosition(const QString& latitude, const QString& longitude)
{
    const auto north = readLatitude(latitude);
    const auto east = readLongitude(longitude);
    if (!north || !east)
        return std::nullopt;
    return ExactPosition{*north, *east};
}

std::optional<GeoPoint> readPosition(const QString& latitude, const QString& longitude)
{
    const auto exact = readExactPosition(latitude, longitude);
    if (!exact)
        return std::nullopt;
    return GeoPoint{degreesOf(exact->latitude), degreesOf(exact->longitude)};
}

QString maidenheadLocator(ExactPosition position)
{
    // Measured from the antimeridian and the south pole, in hundredths of a
    // minute: fields of 20° by 10°, squares of 2° by 1°, subsquares of 5' by
    // 2.5' (250 hundredths).
    const int east = std::clamp(position.longitude + 180 * kPerDegree, 0, 360 * kPerDegree - 1);
    const int north = std::clamp(position.latitude + 90 * kPerDegree, 0, 180 * kPerDegree - 1);
    const struct {
        char first;
        int east;
        int north;
    } digits[] = {
        {'A', east / (20 * kPerDegree), north / (10 * kPerDegree)},
        {'0', east % (20 * kPerDegree) / (2 * kPerDegree), north % (10 * kPerDegree) / kPerDegree},
        {'a', east % (2 * kPerDegree) / 500, north % kPerDegree / 250},
    };
    QString locator;
    for (const auto& d : digits)
        locator += QString(QChar(d.first + d.east)) + QChar(d.first + d.north);
    return locator;
}

double distanceKm(GeoPoint a, GeoPoint b)
{
    constexpr double kEarthRadiusKm = 6371.0;
    constexpr double kRadians = std::numbers::pi / 180;
    const double dLat = (b.latitude - a.latitude) * kRadians;
    const double dLon = (b.longitude - a.longitude) * kRadians;
    const double h = std::pow(std::sin(dLat / 2), 2) + std::cos(a.latitude * kRadians) *
                                                           std::cos(b.latitude * kRadians) *
                                                           std::pow(std::sin(dLon / 2), 2);
    return 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(h)));
}

double distanceKm(GeoPoint point, const GeoArea& area)
{
    const GeoPoint nearest{
        std::clamp(point.latitude, area.southWest.latitude, area.northEast.latitude),
        std::clamp(point.longitude, area.southWest.longitude, area.northEast.longitude)};
    return distanceKm(point, nearest);
}

} // namespace orvik
