#include "settings/station_position.h"

#include "settings/catalogue.h"
#include "settings/settings.h"

namespace orvik {

QString decimalPosition(const QString& setting, const QString& text)
{
    if (setting == settingName(Setting::Latitude))
        return decimalLatitude(text);
    if (setting == settingName(Setting::Longitude))
        return decimalLongitude(text);
    return {};
}

std::optional<GeoPoint> stationPosition(const Settings& settings)
{
    return readPosition(settings.text(Setting::Latitude), settings.text(Setting::Longitude));
}

std::optional<ExactPosition> exactStationPosition(const Settings& settings)
{
    return readExactPosition(settings.text(Setting::Latitude), settings.text(Setting::Longitude));
}

} // namespace orvik
