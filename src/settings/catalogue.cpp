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

SettingDef text(const QString& name, Tab tab, const QString& label, int maxLength, Place place,
                const QString& def, const QString& tooltip = {})
{
    SettingDef d{name, tab, Kind::Text, label};
    d.maxLength = maxLength;
    d.place = place;
    d.defaultText = def;
    d.tooltip = tooltip;
    return d;
}

SettingDef list(const QString& name, Tab tab, const QString& label, const QStringList& items,
                Place place, int def, const QString& tooltip = {})
{
    SettingDef d{name, tab, Kind::List, label};
    d.items = items;
    d.place = place;
    d.defaultIndex = def;
    d.tooltip = tooltip;
    return d;
}

SettingDef check(const QString& name, Tab tab, const QString& label, Place place, bool def,
                 const QString& tooltip)
{
    SettingDef d{name, tab, Kind::Check, label};
    d.place = place;
    d.defaultChecked = def;
    d.tooltip = tooltip;
    return d;
}

void addDevice(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Device;
    c.push_back(list("Weather_stationtype", t, "Weather station:", kStationTypes, {216, 16, 145}, 5,
                     "Weather station selection box."));
    c.push_back(
        text("Latitude", t, "Latitude:", 8, {216, 64, 89}, "5223.08N", "Station latitude."));
    c.push_back(
        text("Longitude", t, "Longitude:", 9, {216, 88, 89}, "01658.14E", "Station longitude."));
}

void addNetwork(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Network;
    c.push_back(
        list("Netconfig", t, "IP configuration method:", {"Static IP", "DHCP"}, {248, 16, 129}, 0));
    struct Row {
        const char* prefix;
        std::array<const char*, 4> defaults;
        const char* tooltip;
    };
    const std::array<Row, 4> rows = {{
        {"Ipaddr", {"192", "168", "2", "2"}, "Device IP address."},
        {"Ipmask", {"255", "255", "255", "0"}, "Device network mask"},
        {"Ipgate", {"192", "168", "2", "1"}, "Your network gateway/router IP."},
        {"Ipdns",
         {"192", "168", "2", "1"},
         "Domain name server IP. This should be your ISP's DNS server IP. Also most home routers "
         "are able to relay DNS queries."},
    }};
    for (int r = 0; r < 4; ++r) {
        for (int i = 0; i < 4; ++i) {
            c.push_back(text(QString("%1%2").arg(rows[r].prefix).arg(i), t, {}, 3,
                             {72 + 32 * i, 16 + 24 * r, 25, "Static IP settings:"},
                             rows[r].defaults[i], rows[r].tooltip));
        }
    }
}

void addTelnet(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Telnet;
    c.push_back(text("telnet_user", t, "Telnet user:", 12, {240, 16, 81}, "admin",
                     "Telnet administration user name."));
    c.push_back(text("telnet_password", t, "Telnet password:", 12, {240, 40, 81}, "tokra",
                     "Telnet administration password."));
    c.push_back(text("telnet_port", t, "Telnet port:", 5, {240, 64, 41}, "23",
                     "Telnet administration port number."));
    const QString group = "Telnet debug messages (default state after connect):";
    struct Debug {
        const char* name;
        const char* label;
        int left;
        int top;
        int def;
    };
    const std::array<Debug, 6> debugs = {{
        {"Debug_aprsis", "APRS-IS:", 58, 24, 0},
        {"Debug_ntp", "NTP:", 58, 48, 1},
        {"Debug_dns", "DNS:", 58, 72, 1},
        {"Debug_weather", "Weather:", 256, 24, 0},
        {"Debug_wunderground", "Wunderground:", 256, 48, 1},
        {"Debug_dhcp", "DHCP:", 256, 72, 1},
    }};
    for (const Debug& d : debugs)
        c.push_back(list(d.name, t, d.label, kDisabledEnabled, {d.left, d.top, 97, group}, d.def));
}

void addRtc(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Rtc;
    c.push_back(check("Uploadpctime", t, "Upload PC system time on config write", {152, 16, 201},
                      true,
                      "If selected, the application will send current PC time on config save."));
    struct Clock {
        const char* name;
        const char* label;
        int maxLength;
        Place place;
    };
    const std::array<Clock, 5> clocks = {{
        {"Rtcyear", "Year:", 4, {184, 40, 33, {}, 152}},
        {"Rtcmonth", "Month:", 2, {264, 40, 25, {}, 224}},
        {"Rtcday", "Day:", 2, {328, 40, 25, {}, 296}},
        {"Rtchour", "Hour:", 2, {184, 64, 25, {}, 152}},
        {"Rtcmin", "Minute:", 2, {264, 64, 25, {}, 224}},
    }};
    for (const Clock& k : clocks) {
        SettingDef d = text(k.name, t, k.label, k.maxLength, k.place, {});
        d.enabledAtStart = false;
        c.push_back(d);
    }
    c.push_back(
        check("Ntp_enable", t, "Use NTP server", {152, 96, 201}, true,
              "If selected, the device will synchronize time with network time protocol server."));
    c.push_back(text("Ntp_servername", t, "NTP server:", 31, {216, 112, 161}, "pool.ntp.org",
                     "Network time protocol server IP for time synchronization."));
}

void addAprsServers(std::vector<SettingDef>& c)
{
    const Tab t = Tab::AprsServers;
    c.push_back(
        text("Callsign", t, "APRS-IS callsign:", 6, {232, 16, 57}, "NOCALL", "Station callsign."));
    // The "-" between callsign and SSID.
    c.push_back(text("Ssid", t, "-", 2, {296, 16, 25, {}, 290}, "0", "Station SSID."));
    for (int n = 1; n <= 3; ++n) {
        const int top = 72 + 24 * (n - 1);
        c.push_back(text(QString("Aprsis%1_servername").arg(n), t, QString("Server %1:").arg(n), 31,
                         {96, top, 161, {}, 40}, {}, "APRS-IS server domain name or IP address."));
        c.push_back(text(QString("Aprsis%1_port").arg(n), t, {}, 5, {264, top, 41}, "14580"));
    }
    c.push_back(text("Aprsis_user", t, "Username:", 16, {384, 72, 81, {}, 320}, "nocall",
                     "Your login to APRS-IS network. Usually your callsign."));
    c.push_back(text("Aprsis_pass", t, "Password:", 16, {384, 96, 81, {}, 320}, "60417",
                     "You login to APRS-IS network. If you don't know it, you should ask your "
                     "local APRS-IS administrator."));
}

void addAprsWeather(std::vector<SettingDef>& c)
{
    const Tab t = Tab::AprsWeather;
    c.push_back(text("Weather_dest_string", t, {}, 6, {88, 24, 57}, "APXQ08",
                     "Weather report destination to-call."));
    c.push_back(text("Weather_dest_ssid", t, {}, 2, {152, 24, 25}, "0",
                     "Weather report destination SSID."));
    c.push_back(text("Weather_txrate_aprsis", t, {}, 3, {184, 24, 41}, "5",
                     "Weather report TX rate to APRS-IS (minutes). Set 0 to disable."));
    c.push_back(text("Weather_comment", t, {}, 32, {232, 24, 273}, "Orvik 2.0 weather",
                     "Weather report comment."));
}

void addBeacons(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Beacons;
    for (int n = 1; n <= 8; ++n) {
        const int top = 24 + 24 * (n - 1);
        const QString b = QString("Beacon%1_").arg(n);
        c.push_back(text(b + "dest_string", t, {}, 6, {8, top, 57}, "APXQ08",
                         "Beacon destination to-call."));
        c.push_back(
            text(b + "dest_ssid", t, {}, 2, {72, top, 25}, "0", "Beacon destination SSID."));
        c.push_back(text(b + "txrate_aprsis", t, {}, 4, {104, top, 49}, n == 1 ? "5" : "0",
                         "Beacon TX rate to APRS-IS (minutes)."));
        c.push_back(text(b + "msg", t, {}, 95, {160, top, 345},
                         n == 1 ? "@<date>z<lat>/<long>-Orvik2.0" : "",
                         "Beacon message. Please check \"Special strings\"."));
    }
}

void addWeatherUnderground(std::vector<SettingDef>& c)
{
    const Tab t = Tab::WeatherUnderground;
    c.push_back(list("WU_enable", t, "Weather reports to Weather Underground:", kDisabledEnabled,
                     {248, 8, 97}, 0,
                     "Enables or disables weather reports to Weather Underground."));
    c.push_back(text("WU_stationid", t, "Station ID:", 24, {248, 32, 153}, {},
                     "Weather Underground station ID."));
    c.push_back(text("WU_password", t, "Password:", 24, {248, 56, 153}, {},
                     "Weather Underground account password."));
    c.push_back(text("WU_normalserver", t, "Normal upload server:", 39, {248, 80, 225},
                     "weatherstation.wunderground.com", "Normal upload server."));
    c.push_back(text("WU_rapidfireserver", t, "\"Rapid fire\" upload server:", 39, {248, 104, 225},
                     "rtupdate.wunderground.com", "\"Rapid fire\" upload server."));
    c.push_back(list("WU_sendmethod", t, "Weather send method:", {"Normal", "\"Rapid fire\""},
                     {248, 128, 97}, 0, "Weather send method."));
    c.push_back(text("WU_normalrate", t, "Normal weather send rate [min]:", 3, {248, 152, 41}, "1",
                     "Weather send rate (in minutes) for normal server."));
    c.push_back(text("WU_rapidfirerate", t, "\"Rapid fire\" weather send rate [sec]:", 3,
                     {248, 176, 41}, "5",
                     "Weather send rate (in seconds) for \"Rapid fire\" server."));
}

std::vector<SettingDef> build()
{
    std::vector<SettingDef> c;
    c.reserve(92);
    addDevice(c);
    addNetwork(c);
    addTelnet(c);
    c.push_back(
        text("www_port", Tab::Www, "WWW port:", 5, {256, 16, 41}, "80", "WWW port number."));
    addRtc(c);
    addAprsServers(c);
    addAprsWeather(c);
    addBeacons(c);
    addWeatherUnderground(c);
    return c;
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
    static const std::vector<SettingDef> c = build();
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
