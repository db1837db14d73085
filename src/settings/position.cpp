#include "settings/position.h"

#include "settings/catalogue.h"
#include "settings/settings.h"
#include "settings/validation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvik {

namespace {

// DD(D)MM.hh of a text that passed its check, in degrees.
double degreesOf(const QString& text, int degreeDigits)
{
    return text.left(degreeDigits).toInt() + text.mid(degreeDigits, 5).toDouble() / 60;
}

double signedDegrees(const QString& text, int degreeDigits)
{
    const double degrees = degreesOf(text, degreeDigits);
    return text.back() == QLatin1Char('S') || text.back() == QLatin1Char('W') ? -degrees : degrees;
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
        .arg(QString::number(degreesOf(text, degreeDigits), 'f', 4), text.back());
}

std::optional<GeoPoint> readPosition(const QString& latitude, const QString& longitude)
{
    if (!CheckLatitude(latitude) || !CheckLongitude(longitude))
        return std::nullopt;
    return GeoPoint{signedDegrees(latitude, 2), signedDegrees(longitude, 3)};
}

std::optional<GeoPoint> stationPosition(const Settings& settings)
{
    return readPosition(settings.text(Setting::Latitude), settings.text(Setting::Longitude));
}

QString maidenheadLocator(GeoPoint point)
{
    // Measured from the south pole and the antimeridian; the last subsquare
    // holds the poles and 180° themselves.
    constexpr double kBelowOne = 1 - 1e-9;
    const double lon = std::clamp((point.longitude + 180) / 20, 0.0, 18 * kBelowOne);
    const double lat = std::clamp((point.latitude + 90) / 10, 0.0, 18 * kBelowOne);
    const auto digit = [](double value, int base) { return static_cast<int>(value) % base; };
    const auto pair = [&](char first, double a, double b, int base) {
        return QString(QChar(first + digit(a, base))) + QChar(first + digit(b, base));
    };
    return pair('A', lon, lat, 18) + pair('0', lon * 10, lat * 10, 10) +
           pair('a', lon * 10 * 24, lat * 10 * 24, 24);
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
