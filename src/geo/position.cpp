#include "geo/position.h"

#include "settings/catalogue.h"
#include "settings/settings.h"
#include "settings/validation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvik {

namespace {

constexpr int kPerDegree = 6000; // hundredths of a minute

// DD(D)MM.hh of a text that passed its check, in hundredths of a minute,
// north and east positive.
int hundredthsOf(const QString& text, int degreeDigits)
{
    const int hundredths = text.left(degreeDigits).toInt() * kPerDegree +
                           text.mid(degreeDigits, 2).toInt() * 100 +
                           text.mid(degreeDigits + 3, 2).toInt();
    return text.back() == QLatin1Char('S') || text.back() == QLatin1Char('W') ? -hundredths
                                                                              : hundredths;
}

double degreesOf(int hundredths)
{
    return static_cast<double>(hundredths) / kPerDegree;
}

} // namespace

QString decimalPosition(const QString& setting, const QString& text)
{
    int degreeDigits = 0;
    if (setting == settingName(Setting::Latitude) && CheckLatitude(text))
        degreeDigits = 2;
    else if (setting == settingName(Setting::Longitude) && CheckLongitude(text))
        degreeDigits = 3;
    else
        return {};
    return QStringLiteral("= %1\u00B0 %2")
        .arg(QString::number(std::abs(degreesOf(hundredthsOf(text, degreeDigits))), 'f', 4),
             text.back());
}

std::optional<ExactPosition> readExactPosition(const QString& latitude, const QString& longitude)
{
    if (!CheckLatitude(latitude) || !CheckLongitude(longitude))
        return std::nullopt;
    return ExactPosition{hundredthsOf(latitude, 2), hundredthsOf(longitude, 3)};
}

std::optional<GeoPoint> readPosition(const QString& latitude, const QString& longitude)
{
    const auto exact = readExactPosition(latitude, longitude);
    if (!exact)
        return std::nullopt;
    return GeoPoint{degreesOf(exact->latitude), degreesOf(exact->longitude)};
}

std::optional<GeoPoint> stationPosition(const Settings& settings)
{
    return readPosition(settings.text(Setting::Latitude), settings.text(Setting::Longitude));
}

std::optional<ExactPosition> exactStationPosition(const Settings& settings)
{
    return readExactPosition(settings.text(Setting::Latitude), settings.text(Setting::Longitude));
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

} // namespace orvik
