#include "configfile/config_keys.h"

#include "settings/catalogue.h"

namespace orvik {

namespace {

ConfigKey fixed(const char* key, const QString& text)
{
    return {kIdentSection, key, {}, FileEncoding::Fixed, text};
}

ConfigKey entry(const char* section, const QByteArray& key, Setting setting, FileEncoding encoding)
{
    return {section, key, setting, encoding, {}};
}

// Most keys carry their setting's name.
ConfigKey same(const char* section, Setting setting, FileEncoding encoding)
{
    return entry(section, settingName(setting).toLatin1(), setting, encoding);
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

    k.push_back(same("Device", Setting::Weather_stationtype, E::ListIndex));
    k.push_back(same("Device", Setting::Latitude, E::Text));
    k.push_back(same("Device", Setting::Longitude, E::Text));

    k.push_back(same("Network", Setting::Netconfig, E::ListIndex));
    for (const Setting first :
         {Setting::Ipaddr0, Setting::Ipmask0, Setting::Ipgate0, Setting::Ipdns0}) {
        for (int octet = 0; octet < 4; ++octet)
            k.push_back(same("Network", settingAfter(first, octet), E::Integer));
    }

    k.push_back(entry("Telnet", "Telnet_user", Setting::telnet_user, E::Text));
    k.push_back(entry("Telnet", "Telnet_pass", Setting::telnet_password, E::Text));
    k.push_back(entry("Telnet", "Telnet_port", Setting::telnet_port, E::Integer));

    for (const Setting debug :
         {Setting::Debug_aprsis, Setting::Debug_ntp, Setting::Debug_dns, Setting::Debug_weather,
          Setting::Debug_wunderground, Setting::Debug_dhcp})
        k.push_back(same("Debug", debug, E::ListIndex));

    // A file without the key has always loaded with 23, not the window's 80.
    ConfigKey www = entry("WWW", "WWW_port", Setting::www_port, E::Integer);
    www.importDefault = QStringLiteral("23");
    k.push_back(www);

    k.push_back(same("RTC", Setting::Uploadpctime, E::Flag));
    k.push_back(same("RTC", Setting::Ntp_enable, E::Flag));
    k.push_back(same("RTC", Setting::Ntp_servername, E::Text));

    k.push_back(same("APRS-IS", Setting::Callsign, E::Text));
    k.push_back(entry("APRS-IS", "SSID", Setting::Ssid, E::Text));
    for (int server = 0; server < 3; ++server) {
        k.push_back(
            same("APRS-IS", settingAfter(Setting::Aprsis1_servername, 2 * server), E::Text));
        k.push_back(same("APRS-IS", settingAfter(Setting::Aprsis1_port, 2 * server), E::Integer));
    }
    k.push_back(same("APRS-IS", Setting::Aprsis_user, E::Text));
    k.push_back(same("APRS-IS", Setting::Aprsis_pass, E::Text));

    k.push_back(same("Weather", Setting::Weather_dest_string, E::Text));
    k.push_back(same("Weather", Setting::Weather_dest_ssid, E::Text));
    k.push_back(same("Weather", Setting::Weather_txrate_aprsis, E::Integer));
    k.push_back(same("Weather", Setting::Weather_comment, E::Text));

    for (int n = 1; n <= kBeaconCount; ++n) {
        k.push_back(same("Beacons", beaconField(n, Setting::Beacon1_dest_string), E::Text));
        k.push_back(same("Beacons", beaconField(n, Setting::Beacon1_dest_ssid), E::Text));
        k.push_back(same("Beacons", beaconField(n, Setting::Beacon1_txrate_aprsis), E::Integer));
        k.push_back(same("Beacons", beaconField(n, Setting::Beacon1_msg), E::Text));
    }

    const char* const wu = "WeatherUnderground";
    k.push_back(entry(wu, "Enable", Setting::WU_enable, E::ListIndex));
    k.push_back(entry(wu, "StationID", Setting::WU_stationid, E::Text));
    k.push_back(entry(wu, "Password", Setting::WU_password, E::Text));
    k.push_back(entry(wu, "Normalserver", Setting::WU_normalserver, E::Text));
    k.push_back(entry(wu, "Rapidfireserver", Setting::WU_rapidfireserver, E::Text));
    k.push_back(entry(wu, "Sendmethod", Setting::WU_sendmethod, E::ListIndex));
    k.push_back(entry(wu, "Normal_rate", Setting::WU_normalrate, E::Integer));
    k.push_back(entry(wu, "Rapidfire_rate", Setting::WU_rapidfirerate, E::Integer));
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
    const SettingDef& d = settingDef(*key.setting);
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
