#include "app/setting_layout.h"
#include "settings/setting_order.h"

#include <QCoreApplication>
#include <array>
#include <vector>

namespace orvik {

namespace {

SettingLayout row(Setting id, Tab tab, const QString& label, Place place,
                  const QString& tooltip = {})
{
    return {id, tab, label, tooltip, std::move(place)};
}

void addDevice(std::vector<SettingLayout>& c)
{
    const Tab t = Tab::Device;
    c.push_back(row(Setting::Weather_stationtype, t,
                    QT_TRANSLATE_NOOP("Window", "Weather station:"), {216, 16, 145},
                    QT_TRANSLATE_NOOP("Window", "Weather station selection box.")));
    c.push_back(row(Setting::Latitude, t, QT_TRANSLATE_NOOP("Window", "Latitude:"), {216, 64, 89},
                    QT_TRANSLATE_NOOP("Window", "Station latitude.")));
    c.push_back(row(Setting::Longitude, t, QT_TRANSLATE_NOOP("Window", "Longitude:"), {216, 88, 89},
                    QT_TRANSLATE_NOOP("Window", "Station longitude.")));
}

void addNetwork(std::vector<SettingLayout>& c)
{
    const Tab t = Tab::Network;
    c.push_back(row(Setting::Netconfig, t, QT_TRANSLATE_NOOP("Window", "IP configuration method:"),
                    {248, 16, 129}));
    const std::array<const char*, 4> tooltips = {
        QT_TRANSLATE_NOOP("Window", "Device IP address."),
        QT_TRANSLATE_NOOP("Window", "Device network mask"),
        QT_TRANSLATE_NOOP("Window", "Your network gateway/router IP."),
        QT_TRANSLATE_NOOP("Window",
                          "Domain name server IP. This should be your ISP's DNS server IP. Also "
                          "most home routers are able to relay DNS queries."),
    };
    for (int r = 0; r < 4; ++r) {
        for (int i = 0; i < 4; ++i) {
            c.push_back(row(settingAfter(Setting::Ipaddr0, 4 * r + i), t, {},
                            {72 + 32 * i, 16 + 24 * r, 25, "Static IP settings:"}, tooltips[r]));
        }
    }
}

void addTelnet(std::vector<SettingLayout>& c)
{
    const Tab t = Tab::Telnet;
    c.push_back(row(Setting::telnet_user, t, QT_TRANSLATE_NOOP("Window", "Telnet user:"),
                    {240, 16, 81},
                    QT_TRANSLATE_NOOP("Window", "Telnet administration user name.")));
    c.push_back(row(Setting::telnet_password, t, QT_TRANSLATE_NOOP("Window", "Telnet password:"),
                    {240, 40, 81}, QT_TRANSLATE_NOOP("Window", "Telnet administration password.")));
    c.push_back(row(Setting::telnet_port, t, QT_TRANSLATE_NOOP("Window", "Telnet port:"),
                    {240, 64, 41},
                    QT_TRANSLATE_NOOP("Window", "Telnet administration port number.")));
    const QString group = "Telnet debug messages (default state after connect):";
    struct Debug {
        Setting id;
        const char* label;
        int left;
        int top;
    };
    const std::array<Debug, 6> debugs = {{
        {Setting::Debug_aprsis, QT_TRANSLATE_NOOP("Window", "APRS-IS:"), 58, 24},
        {Setting::Debug_ntp, QT_TRANSLATE_NOOP("Window", "NTP:"), 58, 48},
        {Setting::Debug_dns, QT_TRANSLATE_NOOP("Window", "DNS:"), 58, 72},
        {Setting::Debug_weather, QT_TRANSLATE_NOOP("Window", "Weather:"), 256, 24},
        {Setting::Debug_wunderground, QT_TRANSLATE_NOOP("Window", "Wunderground:"), 256, 48},
        {Setting::Debug_dhcp, QT_TRANSLATE_NOOP("Window", "DHCP:"), 256, 72},
    }};
    for (const Debug& d : debugs)
        c.push_back(row(d.id, t, d.label, {d.left, d.top, 97, group}));
}

void addRtc(std::vector<SettingLayout>& c)
{
    const Tab t = Tab::Rtc;
    c.push_back(row(
        Setting::Uploadpctime, t,
        QT_TRANSLATE_NOOP("Window", "Upload PC system time on config write"), {152, 16, 201},
        QT_TRANSLATE_NOOP(
            "Window", "If selected, the application will send current PC time on config save.")));
    struct Clock {
        Setting id;
        const char* label;
        Place place;
    };
    const std::array<Clock, 5> clocks = {{
        {Setting::Rtcyear, QT_TRANSLATE_NOOP("Window", "Year:"), {184, 40, 33, {}, 152}},
        {Setting::Rtcmonth, QT_TRANSLATE_NOOP("Window", "Month:"), {264, 40, 25, {}, 224}},
        {Setting::Rtcday, QT_TRANSLATE_NOOP("Window", "Day:"), {328, 40, 25, {}, 296}},
        {Setting::Rtchour, QT_TRANSLATE_NOOP("Window", "Hour:"), {184, 64, 25, {}, 152}},
        {Setting::Rtcmin, QT_TRANSLATE_NOOP("Window", "Minute:"), {264, 64, 25, {}, 224}},
    }};
    for (const Clock& k : clocks)
        c.push_back(row(k.id, t, k.label, k.place));
    c.push_back(row(
        Setting::Ntp_enable, t, QT_TRANSLATE_NOOP("Window", "Use NTP server"), {152, 96, 201},
        QT_TRANSLATE_NOOP(
            "Window",
            "If selected, the device will synchronize time with network time protocol server.")));
    c.push_back(row(
        Setting::Ntp_servername, t, QT_TRANSLATE_NOOP("Window", "NTP server:"), {216, 112, 161},
        QT_TRANSLATE_NOOP("Window", "Network time protocol server IP for time synchronization.")));
}

void addAprsServers(std::vector<SettingLayout>& c)
{
    const Tab t = Tab::AprsServers;
    c.push_back(row(Setting::Callsign, t, QT_TRANSLATE_NOOP("Window", "APRS-IS callsign:"),
                    {232, 16, 57}, QT_TRANSLATE_NOOP("Window", "Station callsign.")));
    // The "-" between callsign and SSID.
    c.push_back(row(Setting::Ssid, t, QT_TRANSLATE_NOOP("Window", "-"), {296, 16, 25, {}, 290},
                    QT_TRANSLATE_NOOP("Window", "Station SSID.")));
    const char* const serverLabels[] = {QT_TRANSLATE_NOOP("Window", "Server 1:"),
                                        QT_TRANSLATE_NOOP("Window", "Server 2:"),
                                        QT_TRANSLATE_NOOP("Window", "Server 3:")};
    for (int n = 1; n <= 3; ++n) {
        const int top = 72 + 24 * (n - 1);
        c.push_back(row(settingAfter(Setting::Aprsis1_servername, 2 * (n - 1)), t,
                        serverLabels[n - 1], {96, top, 161, {}, 40},
                        QT_TRANSLATE_NOOP("Window", "APRS-IS server domain name or IP address.")));
        c.push_back(row(settingAfter(Setting::Aprsis1_port, 2 * (n - 1)), t, {}, {264, top, 41}));
    }
    c.push_back(row(
        Setting::Aprsis_user, t, QT_TRANSLATE_NOOP("Window", "Username:"), {384, 72, 81, {}, 320},
        QT_TRANSLATE_NOOP("Window", "Your login to APRS-IS network. Usually your callsign.")));
    // In English as the Weather Underground password's label; hams call it a
    // passcode in other languages too.
    const struct {
        const char* source;
        const char* comment;
    } passcode = QT_TRANSLATE_NOOP3("Window", "Password:", "APRS-IS passcode");
    c.push_back(
        row(Setting::Aprsis_pass, t, passcode.source, {384, 96, 81, {}, 320},
            QT_TRANSLATE_NOOP("Window", "You login to APRS-IS network. If you don't know it, you "
                                        "should ask your local APRS-IS administrator.")));
    c.back().labelDisambiguation = passcode.comment;
}

void addAprsWeather(std::vector<SettingLayout>& c)
{
    const Tab t = Tab::AprsWeather;
    c.push_back(row(Setting::Weather_dest_string, t, {}, {88, 24, 57},
                    QT_TRANSLATE_NOOP("Window", "Weather report destination to-call.")));
    c.push_back(row(Setting::Weather_dest_ssid, t, {}, {152, 24, 25},
                    QT_TRANSLATE_NOOP("Window", "Weather report destination SSID.")));
    c.push_back(
        row(Setting::Weather_txrate_aprsis, t, {}, {184, 24, 41},
            QT_TRANSLATE_NOOP("Window",
                              "Weather report TX rate to APRS-IS (minutes). Set 0 to disable.")));
    c.push_back(row(Setting::Weather_comment, t, {}, {232, 24, 273},
                    QT_TRANSLATE_NOOP("Window", "Weather report comment.")));
}

void addBeacons(std::vector<SettingLayout>& c)
{
    const Tab t = Tab::Beacons;
    for (int n = 1; n <= kBeaconCount; ++n) {
        const int top = 24 + 24 * (n - 1);
        c.push_back(row(beaconField(n, Setting::Beacon1_dest_string), t, {}, {8, top, 57},
                        QT_TRANSLATE_NOOP("Window", "Beacon destination to-call.")));
        c.push_back(row(beaconField(n, Setting::Beacon1_dest_ssid), t, {}, {72, top, 25},
                        QT_TRANSLATE_NOOP("Window", "Beacon destination SSID.")));
        c.push_back(row(beaconField(n, Setting::Beacon1_txrate_aprsis), t, {}, {104, top, 49},
                        QT_TRANSLATE_NOOP("Window", "Beacon TX rate to APRS-IS (minutes).")));
        c.push_back(
            row(beaconField(n, Setting::Beacon1_msg), t, {}, {160, top, 345},
                QT_TRANSLATE_NOOP("Window", "Beacon message. Please check \"Special strings\".")));
    }
}

void addWeatherUnderground(std::vector<SettingLayout>& c)
{
    const Tab t = Tab::WeatherUnderground;
    c.push_back(
        row(Setting::WU_enable, t,
            QT_TRANSLATE_NOOP("Window", "Weather reports to Weather Underground:"), {248, 8, 97},
            QT_TRANSLATE_NOOP("Window",
                              "Enables or disables weather reports to Weather Underground.")));
    c.push_back(row(Setting::WU_stationid, t, QT_TRANSLATE_NOOP("Window", "Station ID:"),
                    {248, 32, 153},
                    QT_TRANSLATE_NOOP("Window", "Weather Underground station ID.")));
    c.push_back(row(Setting::WU_password, t, QT_TRANSLATE_NOOP("Window", "Password:"),
                    {248, 56, 153},
                    QT_TRANSLATE_NOOP("Window", "Weather Underground account password.")));
    c.push_back(row(Setting::WU_normalserver, t,
                    QT_TRANSLATE_NOOP("Window", "Normal upload server:"), {248, 80, 225},
                    QT_TRANSLATE_NOOP("Window", "Normal upload server.")));
    c.push_back(row(Setting::WU_rapidfireserver, t,
                    QT_TRANSLATE_NOOP("Window", "\"Rapid fire\" upload server:"), {248, 104, 225},
                    QT_TRANSLATE_NOOP("Window", "\"Rapid fire\" upload server.")));
    c.push_back(row(Setting::WU_sendmethod, t, QT_TRANSLATE_NOOP("Window", "Weather send method:"),
                    {248, 128, 97}, QT_TRANSLATE_NOOP("Window", "Weather send method.")));
    c.push_back(
        row(Setting::WU_normalrate, t,
            QT_TRANSLATE_NOOP("Window", "Normal weather send rate [min]:"), {248, 152, 41},
            QT_TRANSLATE_NOOP("Window", "Weather send rate (in minutes) for normal server.")));
    c.push_back(row(
        Setting::WU_rapidfirerate, t,
        QT_TRANSLATE_NOOP("Window", "\"Rapid fire\" weather send rate [sec]:"), {248, 176, 41},
        QT_TRANSLATE_NOOP("Window", "Weather send rate (in seconds) for \"Rapid fire\" server.")));
}

std::vector<SettingLayout> build()
{
    std::vector<SettingLayout> c;
    c.reserve(kSettingCount);
    addDevice(c);
    addNetwork(c);
    addTelnet(c);
    c.push_back(row(Setting::www_port, Tab::Www, QT_TRANSLATE_NOOP("Window", "WWW port:"),
                    {256, 16, 41}, QT_TRANSLATE_NOOP("Window", "WWW port number.")));
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

const SettingLayout& settingLayout(Setting s)
{
    static const std::vector<SettingLayout> rows = inSettingOrder(build(), "setting layout");
    return rows[position(s)];
}

} // namespace orvik
