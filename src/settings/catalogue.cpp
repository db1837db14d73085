#include "settings/catalogue.h"

#include <QHash>
#include <array>

namespace orvik {

namespace {

const QStringList kStationTypes = {
    "None",
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
const QStringList kDisabledEnabled = {"Disabled", "Enabled"};

SettingDef text(Setting id, Tab tab, const QString& label, int maxLength, Place place,
                const QString& def, const QString& tooltip = {})
{
    SettingDef d{id, QString::fromLatin1(kSettingNames[position(id)]), tab, Kind::Text, label};
    d.maxLength = maxLength;
    d.place = place;
    d.defaultText = def;
    d.tooltip = tooltip;
    return d;
}

SettingDef list(Setting id, Tab tab, const QString& label, const QStringList& items, Place place,
                int def, const QString& tooltip = {})
{
    SettingDef d{id, QString::fromLatin1(kSettingNames[position(id)]), tab, Kind::List, label};
    d.items = items;
    d.place = place;
    d.defaultIndex = def;
    d.tooltip = tooltip;
    return d;
}

SettingDef check(Setting id, Tab tab, const QString& label, Place place, bool def,
                 const QString& tooltip)
{
    SettingDef d{id, QString::fromLatin1(kSettingNames[position(id)]), tab, Kind::Check, label};
    d.place = place;
    d.defaultChecked = def;
    d.tooltip = tooltip;
    return d;
}

void addDevice(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Device;
    c.push_back(list(Setting::Weather_stationtype, t, "Weather station:", kStationTypes,
                     {216, 16, 145}, 5, "Weather station selection box."));
    c.push_back(
        text(Setting::Latitude, t, "Latitude:", 8, {216, 64, 89}, "5223.08N", "Station latitude."));
    c.push_back(text(Setting::Longitude, t, "Longitude:", 9, {216, 88, 89}, "01658.14E",
                     "Station longitude."));
}

void addNetwork(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Network;
    c.push_back(list(Setting::Netconfig, t, "IP configuration method:", {"Static IP", "DHCP"},
                     {248, 16, 129}, 0));
    struct Row {
        Setting first;
        std::array<const char*, 4> defaults;
        const char* tooltip;
    };
    const std::array<Row, 4> rows = {{
        {Setting::Ipaddr0, {"192", "168", "2", "2"}, "Device IP address."},
        {Setting::Ipmask0, {"255", "255", "255", "0"}, "Device network mask"},
        {Setting::Ipgate0, {"192", "168", "2", "1"}, "Your network gateway/router IP."},
        {Setting::Ipdns0,
         {"192", "168", "2", "1"},
         "Domain name server IP. This should be your ISP's DNS server IP. Also most home routers "
         "are able to relay DNS queries."},
    }};
    for (int r = 0; r < 4; ++r) {
        for (int i = 0; i < 4; ++i) {
            c.push_back(text(settingAfter(rows[r].first, i), t, {}, 3,
                             {72 + 32 * i, 16 + 24 * r, 25, "Static IP settings:"},
                             rows[r].defaults[i], rows[r].tooltip));
        }
    }
}

void addTelnet(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Telnet;
    c.push_back(text(Setting::telnet_user, t, "Telnet user:", 12, {240, 16, 81}, "admin",
                     "Telnet administration user name."));
    c.push_back(text(Setting::telnet_password, t, "Telnet password:", 12, {240, 40, 81}, "tokra",
                     "Telnet administration password."));
    c.push_back(text(Setting::telnet_port, t, "Telnet port:", 5, {240, 64, 41}, "23",
                     "Telnet administration port number."));
    const QString group = "Telnet debug messages (default state after connect):";
    struct Debug {
        Setting id;
        const char* label;
        int left;
        int top;
        int def;
    };
    const std::array<Debug, 6> debugs = {{
        {Setting::Debug_aprsis, "APRS-IS:", 58, 24, 0},
        {Setting::Debug_ntp, "NTP:", 58, 48, 1},
        {Setting::Debug_dns, "DNS:", 58, 72, 1},
        {Setting::Debug_weather, "Weather:", 256, 24, 0},
        {Setting::Debug_wunderground, "Wunderground:", 256, 48, 1},
        {Setting::Debug_dhcp, "DHCP:", 256, 72, 1},
    }};
    for (const Debug& d : debugs)
        c.push_back(list(d.id, t, d.label, kDisabledEnabled, {d.left, d.top, 97, group}, d.def));
}

void addRtc(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Rtc;
    c.push_back(check(Setting::Uploadpctime, t, "Upload PC system time on config write",
                      {152, 16, 201}, true,
                      "If selected, the application will send current PC time on config save."));
    struct Clock {
        Setting id;
        const char* label;
        int maxLength;
        Place place;
    };
    const std::array<Clock, 5> clocks = {{
        {Setting::Rtcyear, "Year:", 4, {184, 40, 33, {}, 152}},
        {Setting::Rtcmonth, "Month:", 2, {264, 40, 25, {}, 224}},
        {Setting::Rtcday, "Day:", 2, {328, 40, 25, {}, 296}},
        {Setting::Rtchour, "Hour:", 2, {184, 64, 25, {}, 152}},
        {Setting::Rtcmin, "Minute:", 2, {264, 64, 25, {}, 224}},
    }};
    for (const Clock& k : clocks) {
        SettingDef d = text(k.id, t, k.label, k.maxLength, k.place, {});
        d.enabledAtStart = false;
        c.push_back(d);
    }
    c.push_back(
        check(Setting::Ntp_enable, t, "Use NTP server", {152, 96, 201}, true,
              "If selected, the device will synchronize time with network time protocol server."));
    c.push_back(text(Setting::Ntp_servername, t, "NTP server:", 31, {216, 112, 161}, "pool.ntp.org",
                     "Network time protocol server IP for time synchronization."));
}

void addAprsServers(std::vector<SettingDef>& c)
{
    const Tab t = Tab::AprsServers;
    c.push_back(text(Setting::Callsign, t, "APRS-IS callsign:", 6, {232, 16, 57}, "NOCALL",
                     "Station callsign."));
    // The "-" between callsign and SSID.
    c.push_back(text(Setting::Ssid, t, "-", 2, {296, 16, 25, {}, 290}, "0", "Station SSID."));
    for (int n = 1; n <= 3; ++n) {
        const int top = 72 + 24 * (n - 1);
        c.push_back(text(settingAfter(Setting::Aprsis1_servername, 2 * (n - 1)), t,
                         QString("Server %1:").arg(n), 31, {96, top, 161, {}, 40}, {},
                         "APRS-IS server domain name or IP address."));
        c.push_back(text(settingAfter(Setting::Aprsis1_port, 2 * (n - 1)), t, {}, 5, {264, top, 41},
                         "14580"));
    }
    c.push_back(text(Setting::Aprsis_user, t, "Username:", 16, {384, 72, 81, {}, 320}, "nocall",
                     "Your login to APRS-IS network. Usually your callsign."));
    c.push_back(text(Setting::Aprsis_pass, t, "Password:", 16, {384, 96, 81, {}, 320}, "60417",
                     "You login to APRS-IS network. If you don't know it, you should ask your "
                     "local APRS-IS administrator."));
}

void addAprsWeather(std::vector<SettingDef>& c)
{
    const Tab t = Tab::AprsWeather;
    c.push_back(text(Setting::Weather_dest_string, t, {}, 6, {88, 24, 57}, "APXQ08",
                     "Weather report destination to-call."));
    c.push_back(text(Setting::Weather_dest_ssid, t, {}, 2, {152, 24, 25}, "0",
                     "Weather report destination SSID."));
    c.push_back(text(Setting::Weather_txrate_aprsis, t, {}, 3, {184, 24, 41}, "5",
                     "Weather report TX rate to APRS-IS (minutes). Set 0 to disable."));
    c.push_back(text(Setting::Weather_comment, t, {}, 32, {232, 24, 273}, "Orvik 2.0 weather",
                     "Weather report comment."));
}

void addBeacons(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Beacons;
    for (int n = 1; n <= kBeaconCount; ++n) {
        const int top = 24 + 24 * (n - 1);
        c.push_back(text(beaconField(n, Setting::Beacon1_dest_string), t, {}, 6, {8, top, 57},
                         "APXQ08", "Beacon destination to-call."));
        c.push_back(text(beaconField(n, Setting::Beacon1_dest_ssid), t, {}, 2, {72, top, 25}, "0",
                         "Beacon destination SSID."));
        c.push_back(text(beaconField(n, Setting::Beacon1_txrate_aprsis), t, {}, 4, {104, top, 49},
                         n == 1 ? "5" : "0", "Beacon TX rate to APRS-IS (minutes)."));
        c.push_back(text(beaconField(n, Setting::Beacon1_msg), t, {}, 95, {160, top, 345},
                         n == 1 ? "@<date>z<lat>/<long>-Orvik2.0" : "",
                         "Beacon message. Please check \"Special strings\"."));
    }
}

void addWeatherUnderground(std::vector<SettingDef>& c)
{
    const Tab t = Tab::WeatherUnderground;
    c.push_back(list(Setting::WU_enable, t,
                     "Weather reports to Weather Underground:", kDisabledEnabled, {248, 8, 97}, 0,
                     "Enables or disables weather reports to Weather Underground."));
    c.push_back(text(Setting::WU_stationid, t, "Station ID:", 24, {248, 32, 153}, {},
                     "Weather Underground station ID."));
    c.push_back(text(Setting::WU_password, t, "Password:", 24, {248, 56, 153}, {},
                     "Weather Underground account password."));
    c.push_back(text(Setting::WU_normalserver, t, "Normal upload server:", 39, {248, 80, 225},
                     "weatherstation.wunderground.com", "Normal upload server."));
    c.push_back(text(Setting::WU_rapidfireserver, t, "\"Rapid fire\" upload server:", 39,
                     {248, 104, 225}, "rtupdate.wunderground.com",
                     "\"Rapid fire\" upload server."));
    c.push_back(list(Setting::WU_sendmethod, t, "Weather send method:",
                     {"Normal", "\"Rapid fire\""}, {248, 128, 97}, 0, "Weather send method."));
    c.push_back(text(Setting::WU_normalrate, t, "Normal weather send rate [min]:", 3,
                     {248, 152, 41}, "1", "Weather send rate (in minutes) for normal server."));
    c.push_back(text(Setting::WU_rapidfirerate, t, "\"Rapid fire\" weather send rate [sec]:", 3,
                     {248, 176, 41}, "5",
                     "Weather send rate (in seconds) for \"Rapid fire\" server."));
}

std::vector<SettingDef> build()
{
    std::vector<SettingDef> c;
    c.reserve(kSettingCount);
    addDevice(c);
    addNetwork(c);
    addTelnet(c);
    c.push_back(
        text(Setting::www_port, Tab::Www, "WWW port:", 5, {256, 16, 41}, "80", "WWW port number."));
    addRtc(c);
    addAprsServers(c);
    addAprsWeather(c);
    addBeacons(c);
    addWeatherUnderground(c);
    return c;
}

// Row i is setting i: every lookup by enumerator relies on it, so a row left
// out or put elsewhere is named here, before it is taken for another.
std::vector<SettingDef> inSettingOrder(std::vector<SettingDef> rows)
{
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        Q_ASSERT_X(i < rows.size() && rows[i].id == static_cast<Setting>(i), "catalogue",
                   qPrintable(QStringLiteral("no row for %1 at its place, row %2 (%3 stands there)")
                                  .arg(QLatin1String(kSettingNames[i]))
                                  .arg(i)
                                  .arg(i < rows.size() ? rows[i].name : QStringLiteral("none"))));
    }
    Q_ASSERT_X(rows.size() == kSettingCount, "catalogue", "more rows than settings");
    return rows;
}

} // namespace

QString tabCaption(Tab tab)
{
    static const std::array<QString, kTabCount> captions = {
        "Device settings", "Network settings", "Telnet access",
        "WWW access",      "RTC/NTP time",     "APRS-IS Servers",
        "APRS-IS Weather", "APRS-IS Beacons",  "WeatherUnderground",
    };
    return captions[static_cast<int>(tab)];
}

const std::vector<SettingDef>& catalogue()
{
    static const std::vector<SettingDef> c = inSettingOrder(build());
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
