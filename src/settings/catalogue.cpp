#include "settings/catalogue.h"

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
    c.push_back(list(Setting::Weather_stationtype, t,
                     QT_TRANSLATE_NOOP("Window", "Weather station:"), kStationTypes, {216, 16, 145},
                     5, QT_TRANSLATE_NOOP("Window", "Weather station selection box.")));
    c.push_back(text(Setting::Latitude, t, QT_TRANSLATE_NOOP("Window", "Latitude:"), 8,
                     {216, 64, 89}, "5223.08N", QT_TRANSLATE_NOOP("Window", "Station latitude.")));
    c.push_back(text(Setting::Longitude, t, QT_TRANSLATE_NOOP("Window", "Longitude:"), 9,
                     {216, 88, 89}, "01658.14E",
                     QT_TRANSLATE_NOOP("Window", "Station longitude.")));
}

void addNetwork(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Network;
    c.push_back(
        list(Setting::Netconfig, t, QT_TRANSLATE_NOOP("Window", "IP configuration method:"),
             {QT_TRANSLATE_NOOP("Window", "Static IP"), QT_TRANSLATE_NOOP("Window", "DHCP")},
             {248, 16, 129}, 0));
    struct Row {
        Setting first;
        std::array<const char*, 4> defaults;
        const char* tooltip;
    };
    const std::array<Row, 4> rows = {{
        {Setting::Ipaddr0,
         {"192", "168", "2", "2"},
         QT_TRANSLATE_NOOP("Window", "Device IP address.")},
        {Setting::Ipmask0,
         {"255", "255", "255", "0"},
         QT_TRANSLATE_NOOP("Window", "Device network mask")},
        {Setting::Ipgate0,
         {"192", "168", "2", "1"},
         QT_TRANSLATE_NOOP("Window", "Your network gateway/router IP.")},
        {Setting::Ipdns0,
         {"192", "168", "2", "1"},
         QT_TRANSLATE_NOOP("Window",
                           "Domain name server IP. This should be your ISP's DNS server IP. Also "
                           "most home routers are able to relay DNS queries.")},
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
    c.push_back(text(Setting::telnet_user, t, QT_TRANSLATE_NOOP("Window", "Telnet user:"), 12,
                     {240, 16, 81}, "admin",
                     QT_TRANSLATE_NOOP("Window", "Telnet administration user name.")));
    c.push_back(text(Setting::telnet_password, t, QT_TRANSLATE_NOOP("Window", "Telnet password:"),
                     12, {240, 40, 81}, "tokra",
                     QT_TRANSLATE_NOOP("Window", "Telnet administration password.")));
    c.push_back(text(Setting::telnet_port, t, QT_TRANSLATE_NOOP("Window", "Telnet port:"), 5,
                     {240, 64, 41}, "23",
                     QT_TRANSLATE_NOOP("Window", "Telnet administration port number.")));
    const QString group = "Telnet debug messages (default state after connect):";
    struct Debug {
        Setting id;
        const char* label;
        int left;
        int top;
        int def;
    };
    const std::array<Debug, 6> debugs = {{
        {Setting::Debug_aprsis, QT_TRANSLATE_NOOP("Window", "APRS-IS:"), 58, 24, 0},
        {Setting::Debug_ntp, QT_TRANSLATE_NOOP("Window", "NTP:"), 58, 48, 1},
        {Setting::Debug_dns, QT_TRANSLATE_NOOP("Window", "DNS:"), 58, 72, 1},
        {Setting::Debug_weather, QT_TRANSLATE_NOOP("Window", "Weather:"), 256, 24, 0},
        {Setting::Debug_wunderground, QT_TRANSLATE_NOOP("Window", "Wunderground:"), 256, 48, 1},
        {Setting::Debug_dhcp, QT_TRANSLATE_NOOP("Window", "DHCP:"), 256, 72, 1},
    }};
    for (const Debug& d : debugs)
        c.push_back(list(d.id, t, d.label, kDisabledEnabled, {d.left, d.top, 97, group}, d.def));
}

void addRtc(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Rtc;
    c.push_back(check(
        Setting::Uploadpctime, t,
        QT_TRANSLATE_NOOP("Window", "Upload PC system time on config write"), {152, 16, 201}, true,
        QT_TRANSLATE_NOOP(
            "Window", "If selected, the application will send current PC time on config save.")));
    struct Clock {
        Setting id;
        const char* label;
        int maxLength;
        Place place;
    };
    const std::array<Clock, 5> clocks = {{
        {Setting::Rtcyear, QT_TRANSLATE_NOOP("Window", "Year:"), 4, {184, 40, 33, {}, 152}},
        {Setting::Rtcmonth, QT_TRANSLATE_NOOP("Window", "Month:"), 2, {264, 40, 25, {}, 224}},
        {Setting::Rtcday, QT_TRANSLATE_NOOP("Window", "Day:"), 2, {328, 40, 25, {}, 296}},
        {Setting::Rtchour, QT_TRANSLATE_NOOP("Window", "Hour:"), 2, {184, 64, 25, {}, 152}},
        {Setting::Rtcmin, QT_TRANSLATE_NOOP("Window", "Minute:"), 2, {264, 64, 25, {}, 224}},
    }};
    for (const Clock& k : clocks) {
        SettingDef d = text(k.id, t, k.label, k.maxLength, k.place, {});
        d.enabledAtStart = false;
        c.push_back(d);
    }
    c.push_back(check(
        Setting::Ntp_enable, t, QT_TRANSLATE_NOOP("Window", "Use NTP server"), {152, 96, 201}, true,
        QT_TRANSLATE_NOOP(
            "Window",
            "If selected, the device will synchronize time with network time protocol server.")));
    c.push_back(text(
        Setting::Ntp_servername, t, QT_TRANSLATE_NOOP("Window", "NTP server:"), 31, {216, 112, 161},
        "pool.ntp.org",
        QT_TRANSLATE_NOOP("Window", "Network time protocol server IP for time synchronization.")));
}

void addAprsServers(std::vector<SettingDef>& c)
{
    const Tab t = Tab::AprsServers;
    c.push_back(text(Setting::Callsign, t, QT_TRANSLATE_NOOP("Window", "APRS-IS callsign:"), 6,
                     {232, 16, 57}, "NOCALL", QT_TRANSLATE_NOOP("Window", "Station callsign.")));
    // The QT_TRANSLATE_NOOP("Window", "-") between callsign and SSID.
    c.push_back(text(Setting::Ssid, t, QT_TRANSLATE_NOOP("Window", "-"), 2, {296, 16, 25, {}, 290},
                     "0", QT_TRANSLATE_NOOP("Window", "Station SSID.")));
    const char* const serverLabels[] = {QT_TRANSLATE_NOOP("Window", "Server 1:"),
                                        QT_TRANSLATE_NOOP("Window", "Server 2:"),
                                        QT_TRANSLATE_NOOP("Window", "Server 3:")};
    for (int n = 1; n <= 3; ++n) {
        const int top = 72 + 24 * (n - 1);
        c.push_back(text(settingAfter(Setting::Aprsis1_servername, 2 * (n - 1)), t,
                         serverLabels[n - 1], 31, {96, top, 161, {}, 40}, {},
                         QT_TRANSLATE_NOOP("Window", "APRS-IS server domain name or IP address.")));
        c.push_back(text(settingAfter(Setting::Aprsis1_port, 2 * (n - 1)), t, {}, 5, {264, top, 41},
                         "14580"));
    }
    c.push_back(
        text(Setting::Aprsis_user, t, QT_TRANSLATE_NOOP("Window", "Username:"), 16,
             {384, 72, 81, {}, 320}, "nocall",
             QT_TRANSLATE_NOOP("Window", "Your login to APRS-IS network. Usually your callsign.")));
    // In English as the Weather Underground password's label; hams call it a
    // passcode in other languages too.
    const struct {
        const char* source;
        const char* comment;
    } passcode = QT_TRANSLATE_NOOP3("Window", "Password:", "APRS-IS passcode");
    c.push_back(
        text(Setting::Aprsis_pass, t, passcode.source, 16, {384, 96, 81, {}, 320}, "60417",
             QT_TRANSLATE_NOOP("Window", "You login to APRS-IS network. If you don't know it, you "
                                         "should ask your local APRS-IS administrator.")));
    c.back().labelDisambiguation = passcode.comment;
}

void addAprsWeather(std::vector<SettingDef>& c)
{
    const Tab t = Tab::AprsWeather;
    c.push_back(text(Setting::Weather_dest_string, t, {}, 6, {88, 24, 57}, "APXQ08",
                     QT_TRANSLATE_NOOP("Window", "Weather report destination to-call.")));
    c.push_back(text(Setting::Weather_dest_ssid, t, {}, 2, {152, 24, 25}, "0",
                     QT_TRANSLATE_NOOP("Window", "Weather report destination SSID.")));
    c.push_back(
        text(Setting::Weather_txrate_aprsis, t, {}, 3, {184, 24, 41}, "5",
             QT_TRANSLATE_NOOP("Window",
                               "Weather report TX rate to APRS-IS (minutes). Set 0 to disable.")));
    c.push_back(text(Setting::Weather_comment, t, {}, 32, {232, 24, 273}, "Orvik 2.0 weather",
                     QT_TRANSLATE_NOOP("Window", "Weather report comment.")));
}

void addBeacons(std::vector<SettingDef>& c)
{
    const Tab t = Tab::Beacons;
    for (int n = 1; n <= kBeaconCount; ++n) {
        const int top = 24 + 24 * (n - 1);
        c.push_back(text(beaconField(n, Setting::Beacon1_dest_string), t, {}, 6, {8, top, 57},
                         "APXQ08", QT_TRANSLATE_NOOP("Window", "Beacon destination to-call.")));
        c.push_back(text(beaconField(n, Setting::Beacon1_dest_ssid), t, {}, 2, {72, top, 25}, "0",
                         QT_TRANSLATE_NOOP("Window", "Beacon destination SSID.")));
        c.push_back(text(beaconField(n, Setting::Beacon1_txrate_aprsis), t, {}, 4, {104, top, 49},
                         n == 1 ? "5" : "0",
                         QT_TRANSLATE_NOOP("Window", "Beacon TX rate to APRS-IS (minutes).")));
        c.push_back(
            text(beaconField(n, Setting::Beacon1_msg), t, {}, 95, {160, top, 345},
                 n == 1 ? "@<date>z<lat>/<long>-Orvik2.0" : "",
                 QT_TRANSLATE_NOOP("Window", "Beacon message. Please check \"Special strings\".")));
    }
}

void addWeatherUnderground(std::vector<SettingDef>& c)
{
    const Tab t = Tab::WeatherUnderground;
    c.push_back(list(Setting::WU_enable, t,
                     QT_TRANSLATE_NOOP("Window", "Weather reports to Weather Underground:"),
                     kDisabledEnabled, {248, 8, 97}, 0,
                     QT_TRANSLATE_NOOP(
                         "Window", "Enables or disables weather reports to Weather Underground.")));
    c.push_back(text(Setting::WU_stationid, t, QT_TRANSLATE_NOOP("Window", "Station ID:"), 24,
                     {248, 32, 153}, {},
                     QT_TRANSLATE_NOOP("Window", "Weather Underground station ID.")));
    c.push_back(text(Setting::WU_password, t, QT_TRANSLATE_NOOP("Window", "Password:"), 24,
                     {248, 56, 153}, {},
                     QT_TRANSLATE_NOOP("Window", "Weather Underground account password.")));
    c.push_back(text(Setting::WU_normalserver, t,
                     QT_TRANSLATE_NOOP("Window", "Normal upload server:"), 39, {248, 80, 225},
                     "weatherstation.wunderground.com",
                     QT_TRANSLATE_NOOP("Window", "Normal upload server.")));
    c.push_back(text(Setting::WU_rapidfireserver, t,
                     QT_TRANSLATE_NOOP("Window", "\"Rapid fire\" upload server:"), 39,
                     {248, 104, 225}, "rtupdate.wunderground.com",
                     QT_TRANSLATE_NOOP("Window", "\"Rapid fire\" upload server.")));
    c.push_back(
        list(Setting::WU_sendmethod, t, QT_TRANSLATE_NOOP("Window", "Weather send method:"),
             {QT_TRANSLATE_NOOP("Window", "Normal"), QT_TRANSLATE_NOOP("Window", "\"Rapid fire\"")},
             {248, 128, 97}, 0, QT_TRANSLATE_NOOP("Window", "Weather send method.")));
    c.push_back(
        text(Setting::WU_normalrate, t,
             QT_TRANSLATE_NOOP("Window", "Normal weather send rate [min]:"), 3, {248, 152, 41}, "1",
             QT_TRANSLATE_NOOP("Window", "Weather send rate (in minutes) for normal server.")));
    c.push_back(text(
        Setting::WU_rapidfirerate, t,
        QT_TRANSLATE_NOOP("Window", "\"Rapid fire\" weather send rate [sec]:"), 3, {248, 176, 41},
        "5",
        QT_TRANSLATE_NOOP("Window", "Weather send rate (in seconds) for \"Rapid fire\" server.")));
}

std::vector<SettingDef> build()
{
    std::vector<SettingDef> c;
    c.reserve(kSettingCount);
    addDevice(c);
    addNetwork(c);
    addTelnet(c);
    c.push_back(text(Setting::www_port, Tab::Www, QT_TRANSLATE_NOOP("Window", "WWW port:"), 5,
                     {256, 16, 41}, "80", QT_TRANSLATE_NOOP("Window", "WWW port number.")));
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
                                  .arg(QLatin1String(kSettingNames[i]), QString::number(i),
                                       i < rows.size() ? rows[i].name : QStringLiteral("none"))));
    }
    Q_ASSERT_X(rows.size() == kSettingCount, "catalogue", "more rows than settings");
    return rows;
}

} // namespace

QString tabCaption(Tab tab)
{
    static const std::array<const char*, kTabCount> captions = {
        QT_TRANSLATE_NOOP("Window", "Device settings"),
        QT_TRANSLATE_NOOP("Window", "Network settings"),
        QT_TRANSLATE_NOOP("Window", "Telnet access"),
        QT_TRANSLATE_NOOP("Window", "WWW access"),
        QT_TRANSLATE_NOOP("Window", "RTC/NTP time"),
        QT_TRANSLATE_NOOP("Window", "APRS-IS Servers"),
        QT_TRANSLATE_NOOP("Window", "APRS-IS Weather"),
        QT_TRANSLATE_NOOP("Window", "APRS-IS Beacons"),
        QT_TRANSLATE_NOOP("Window", "WeatherUnderground"),
    };
    return QCoreApplication::translate("Window", captions[static_cast<int>(tab)]);
}

QString shown(const QString& text, const char* disambiguation)
{
    return text.isEmpty()
               ? text
               : QCoreApplication::translate("Window", text.toUtf8().constData(), disambiguation);
}

QString shownAppTitle()
{
    return QCoreApplication::translate("Window", kAppTitleText);
}

QString shownCaption()
{
    return shownAppTitle() + QLatin1Char(' ') + kVersionText;
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
