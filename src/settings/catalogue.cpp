#include "settings/catalogue.h"
#include "settings/setting_order.h"

#include <QCoreApplication>
#include <QHash>
#include <array>

namespace orvik {

namespace {

const QStringList kStationTypes = {
    QT_TRANSLATE_NOOP("Window", "None"),
    "Peet Bros Ultimeter 100",
    "Peet Bros Ultimeter 800",
    "Peet Bros Ultimeter 2000",
    "Peet Bros Ultimeter 2100",
    "WS-2300",
    "WS-2350",
    "Davis Vantage Pro",
    "Davis Vantage Pro2",
    "Davis Vantage Pro Plus",
    "Davis Vantage Pro2 Plus",
};
const QStringList kDisabledEnabled = {QT_TRANSLATE_NOOP("Window", "Disabled"),
                                      QT_TRANSLATE_NOOP("Window", "Enabled")};

SettingDef text(Setting id, int maxLength, const QString& def)
{
    SettingDef d{id, QString::fromLatin1(kSettingNames[position(id)]), Kind::Text};
    d.maxLength = maxLength;
    d.defaultText = def;
    return d;
}

SettingDef list(Setting id, const QStringList& items, int def)
{
    SettingDef d{id, QString::fromLatin1(kSettingNames[position(id)]), Kind::List};
    d.items = items;
    d.defaultIndex = def;
    return d;
}

SettingDef check(Setting id, bool def)
{
    SettingDef d{id, QString::fromLatin1(kSettingNames[position(id)]), Kind::Check};
    d.defaultChecked = def;
    return d;
}

void addDevice(std::vector<SettingDef>& c)
{
    c.push_back(list(Setting::Weather_stationtype, kStationTypes, 5));
    c.push_back(text(Setting::Latitude, 8, "5223.08N"));
    c.push_back(text(Setting::Longitude, 9, "01658.14E"));
}

void addNetwork(std::vector<SettingDef>& c)
{
    c.push_back(
        list(Setting::Netconfig,
             {QT_TRANSLATE_NOOP("Window", "Static IP"), QT_TRANSLATE_NOOP("Window", "DHCP")}, 0));
    const std::array<std::array<const char*, 4>, 4> defaults = {{
        {"192", "168", "2", "2"},
        {"255", "255", "255", "0"},
        {"192", "168", "2", "1"},
        {"192", "168", "2", "1"},
    }};
    for (int r = 0; r < 4; ++r) {
        for (int i = 0; i < 4; ++i)
            c.push_back(text(settingAfter(Setting::Ipaddr0, 4 * r + i), 3, defaults[r][i]));
    }
}

void addTelnet(std::vector<SettingDef>& c)
{
    c.push_back(text(Setting::telnet_user, 12, "admin"));
    c.push_back(text(Setting::telnet_password, 12, "tokra"));
    c.push_back(text(Setting::telnet_port, 5, "23"));
    // APRS-IS, NTP, DNS, weather, Wunderground, DHCP
    const std::array<int, 6> debugDefaults = {0, 1, 1, 0, 1, 1};
    for (int i = 0; i < 6; ++i)
        c.push_back(
            list(settingAfter(Setting::Debug_aprsis, i), kDisabledEnabled, debugDefaults[i]));
}

void addRtc(std::vector<SettingDef>& c)
{
    c.push_back(check(Setting::Uploadpctime, true));
    const std::array<int, 5> clockLengths = {4, 2, 2, 2, 2};
    for (std::size_t i = 0; i < kClockFields.size(); ++i) {
        SettingDef d = text(kClockFields[i], clockLengths[i], {});
        d.enabledAtStart = false;
        c.push_back(d);
    }
    c.push_back(check(Setting::Ntp_enable, true));
    c.push_back(text(Setting::Ntp_servername, 31, "pool.ntp.org"));
}

void addAprsServers(std::vector<SettingDef>& c)
{
    c.push_back(text(Setting::Callsign, 6, "NOCALL"));
    c.push_back(text(Setting::Ssid, 2, "0"));
    for (int n = 1; n <= 3; ++n) {
        c.push_back(text(settingAfter(Setting::Aprsis1_servername, 2 * (n - 1)), 31, {}));
        c.push_back(text(settingAfter(Setting::Aprsis1_port, 2 * (n - 1)), 5, "14580"));
    }
    c.push_back(text(Setting::Aprsis_user, 16, "nocall"));
    c.push_back(text(Setting::Aprsis_pass, 16, "60417"));
}

void addAprsWeather(std::vector<SettingDef>& c)
{
    c.push_back(text(Setting::Weather_dest_string, 6, "APXQ08"));
    c.push_back(text(Setting::Weather_dest_ssid, 2, "0"));
    c.push_back(text(Setting::Weather_txrate_aprsis, 3, "5"));
    c.push_back(text(Setting::Weather_comment, 32, "Orvik 2.0 weather"));
}

void addBeacons(std::vector<SettingDef>& c)
{
    for (int n = 1; n <= kBeaconCount; ++n) {
        c.push_back(text(beaconField(n, Setting::Beacon1_dest_string), 6, "APXQ08"));
        c.push_back(text(beaconField(n, Setting::Beacon1_dest_ssid), 2, "0"));
        c.push_back(text(beaconField(n, Setting::Beacon1_txrate_aprsis), 4, n == 1 ? "5" : "0"));
        c.push_back(text(beaconField(n, Setting::Beacon1_msg), 95,
                         n == 1 ? "@<date>z<lat>/<long>-Orvik2.0" : ""));
    }
}

void addWeatherUnderground(std::vector<SettingDef>& c)
{
    c.push_back(list(Setting::WU_enable, kDisabledEnabled, 0));
    c.push_back(text(Setting::WU_stationid, 24, {}));
    c.push_back(text(Setting::WU_password, 24, {}));
    c.push_back(text(Setting::WU_normalserver, 39, "weatherstation.wunderground.com"));
    c.push_back(text(Setting::WU_rapidfireserver, 39, "rtupdate.wunderground.com"));
    c.push_back(list(
        Setting::WU_sendmethod,
        {QT_TRANSLATE_NOOP("Window", "Normal"), QT_TRANSLATE_NOOP("Window", "\"Rapid fire\"")}, 0));
    c.push_back(text(Setting::WU_normalrate, 3, "1"));
    c.push_back(text(Setting::WU_rapidfirerate, 3, "5"));
}

std::vector<SettingDef> build()
{
    std::vector<SettingDef> c;
    c.reserve(kSettingCount);
    addDevice(c);
    addNetwork(c);
    addTelnet(c);
    c.push_back(text(Setting::www_port, 5, "80"));
    addRtc(c);
    addAprsServers(c);
    addAprsWeather(c);
    addBeacons(c);
    addWeatherUnderground(c);
    return c;
}

} // namespace

const std::vector<SettingDef>& catalogue()
{
    static const std::vector<SettingDef> c = inSettingOrder(build(), "catalogue");
    return c;
}

const SettingDef* findSetting(const QString& name)
{
    static const QHash<QString, const SettingDef*> byName = [] {
        QHash<QString, const SettingDef*> h;
        for (const SettingDef& d : catalogue())
            h.insert(d.name, &d);
        return h;
    }();
    return byName.value(name, nullptr);
}

} // namespace orvik
