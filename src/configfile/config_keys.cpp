#include "configfile/config_keys.h"

#include "settings/catalogue.h"

namespace orvik {

namespace {

ConfigKey fixed(const char* key, const QString& text)
{
    return {kIdentSection, key, {}, FileEncoding::Fixed, text};
}

ConfigKey entry(const char* section, const QByteArray& key, const QString& setting,
                FileEncoding encoding)
{
    return {section, key, setting, encoding, {}};
}

// Most keys carry their setting's name.
ConfigKey same(const char* section, const QByteArray& name, FileEncoding encoding)
{
    return entry(section, name, QString::fromLatin1(name), encoding);
}

std::vector<ConfigKey> build()
{
    using E = FileEncoding;
    std::vector<ConfigKey> k;
    k.push_back(
        fixed("WARNING", QStringLiteral("Please do not try to modify this file. It should "
                                        "be managed with Orvik 2.0 configurator program.")));
    k.push_back(fixed("Application", kAppTitle));
    k.push_back(fixed("Version", kVersionText));

    k.push_back(same("Device", "Weather_stationtype", E::ListIndex));
    k.push_back(same("Device", "Latitude", E::Text));
    k.push_back(same("Device", "Longitude", E::Text));

    k.push_back(same("Network", "Netconfig", E::ListIndex));
    for (const char* row : {"Ipaddr", "Ipmask", "Ipgate", "Ipdns"}) {
        for (int octet = 0; octet < 4; ++octet)
            k.push_back(same("Network", row + QByteArray::number(octet), E::Integer));
    }

    k.push_back(entry("Telnet", "Telnet_user", "telnet_user", E::Text));
    k.push_back(entry("Telnet", "Telnet_pass", "telnet_password", E::Text));
    k.push_back(entry("Telnet", "Telnet_port", "telnet_port", E::Integer));

    for (const char* debug : {"Debug_aprsis", "Debug_ntp", "Debug_dns", "Debug_weather",
                              "Debug_wunderground", "Debug_dhcp"})
        k.push_back(same("Debug", debug, E::ListIndex));

    // A file without the key has always loaded with 23, not the window's 80.
    ConfigKey www = entry("WWW", "WWW_port", "www_port", E::Integer);
    www.importDefault = QStringLiteral("23");
    k.push_back(www);

    k.push_back(same("RTC", "Uploadpctime", E::Flag));
    k.push_back(same("RTC", "Ntp_enable", E::Flag));
    k.push_back(same("RTC", "Ntp_servername", E::Text));

    k.push_back(same("APRS-IS", "Callsign", E::Text));
    k.push_back(entry("APRS-IS", "SSID", "Ssid", E::Text));
    for (const char* server : {"Aprsis1", "Aprsis2", "Aprsis3"}) {
        k.push_back(same("APRS-IS", server + QByteArray("_servername"), E::Text));
        k.push_back(same("APRS-IS", server + QByteArray("_port"), E::Integer));
    }
    k.push_back(same("APRS-IS", "Aprsis_user", E::Text));
    k.push_back(same("APRS-IS", "Aprsis_pass", E::Text));

    k.push_back(same("Weather", "Weather_dest_string", E::Text));
    k.push_back(same("Weather", "Weather_dest_ssid", E::Text));
    k.push_back(same("Weather", "Weather_txrate_aprsis", E::Integer));
    k.push_back(same("Weather", "Weather_comment", E::Text));

    for (int n = 1; n <= 8; ++n) {
        const QByteArray beacon = "Beacon" + QByteArray::number(n);
        k.push_back(same("Beacons", beacon + "_dest_string", E::Text));
        k.push_back(same("Beacons", beacon + "_dest_ssid", E::Text));
        k.push_back(same("Beacons", beacon + "_txrate_aprsis", E::Integer));
        k.push_back(same("Beacons", beacon + "_msg", E::Text));
    }

    const char* const wu = "WeatherUnderground";
    k.push_back(entry(wu, "Enable", "WU_enable", E::ListIndex));
    k.push_back(entry(wu, "StationID", "WU_stationid", E::Text));
    k.push_back(entry(wu, "Password", "WU_password", E::Text));
    k.push_back(entry(wu, "Normalserver", "WU_normalserver", E::Text));
    k.push_back(entry(wu, "Rapidfireserver", "WU_rapidfireserver", E::Text));
    k.push_back(entry(wu, "Sendmethod", "WU_sendmethod", E::ListIndex));
    k.push_back(entry(wu, "Normal_rate", "WU_normalrate", E::Integer));
    k.push_back(entry(wu, "Rapidfire_rate", "WU_rapidfirerate", E::Integer));
    return k;
}

} // namespace

const std::vector<ConfigKey>& configKeys()
{
    static const std::vector<ConfigKey> keys = build();
    return keys;
}

QString importDefault(const ConfigKey& key)
{
    if (key.encoding == FileEncoding::Fixed)
        return key.fixedText;
    if (key.importDefault)
        return *key.importDefault;
    const SettingDef& d = *findSetting(key.setting);
    switch (key.encoding) {
    case FileEncoding::ListIndex:
        return QString::number(d.defaultIndex);
    case FileEncoding::Flag:
        return d.defaultChecked ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return d.defaultText;
    }
}

} // namespace orvik
