#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>

// Every setting of a freshly started configurator at 2023-11-14 22:13:20 UTC,
// in the catalogue's order (tab by tab, each in keyboard focus order), written
// out by hand from the tables of settings, controls and file keys: the
// program must reproduce it, not the other way round.
namespace orvik::test {

struct ExpectedDefault {
    const char* name;
    const char* value;          // as `show` prints it: a list's index, a check box's 0 or 1
    int tab;                    // 0 = "Device settings"
    const char* section;        // its section in the file; nullptr: not in the file
    const char* key = nullptr;  // its key in the file; nullptr: the name
    const char* item = nullptr; // a list's selected item
    bool enabled = true;
    bool checkBox = false; // value 1 ticked, 0 clear
};

inline constexpr ExpectedDefault kExpectedDefaults[] = {
    {"Weather_stationtype", "5", 0, "Device", nullptr, "WS-2300"},
    {"Latitude", "5223.08N", 0, "Device"},
    {"Longitude", "01658.14E", 0, "Device"},
    {"Netconfig", "0", 1, "Network", nullptr, "Static IP"},
    {"Ipaddr0", "192", 1, "Network"},
    {"Ipaddr1", "168", 1, "Network"},
    {"Ipaddr2", "2", 1, "Network"},
    {"Ipaddr3", "2", 1, "Network"},
    {"Ipmask0", "255", 1, "Network"},
    {"Ipmask1", "255", 1, "Network"},
    {"Ipmask2", "255", 1, "Network"},
    {"Ipmask3", "0", 1, "Network"},
    {"Ipgate0", "192", 1, "Network"},
    {"Ipgate1", "168", 1, "Network"},
    {"Ipgate2", "2", 1, "Network"},
    {"Ipgate3", "1", 1, "Network"},
    {"Ipdns0", "192", 1, "Network"},
    {"Ipdns1", "168", 1, "Network"},
    {"Ipdns2", "2", 1, "Network"},
    {"Ipdns3", "1", 1, "Network"},
    {"telnet_user", "admin", 2, "Telnet", "Telnet_user"},
    {"telnet_password", "tokra", 2, "Telnet", "Telnet_pass"},
    {"telnet_port", "23", 2, "Telnet", "Telnet_port"},
    {"Debug_aprsis", "0", 2, "Debug", nullptr, "Disabled"},
    {"Debug_ntp", "1", 2, "Debug", nullptr, "Enabled"},
    {"Debug_dns", "1", 2, "Debug", nullptr, "Enabled"},
    {"Debug_weather", "0", 2, "Debug", nullptr, "Disabled"},
    {"Debug_wunderground", "1", 2, "Debug", nullptr, "Enabled"},
    {"Debug_dhcp", "1", 2, "Debug", nullptr, "Enabled"},
    {"www_port", "80", 3, "WWW", "WWW_port"},
    {"Uploadpctime", "1", 4, "RTC", nullptr, nullptr, true, true},
    {"Rtcyear", "2023", 4, nullptr, nullptr, nullptr, false},
    {"Rtcmonth", "11", 4, nullptr, nullptr, nullptr, false},
    {"Rtcday", "14", 4, nullptr, nullptr, nullptr, false},
    {"Rtchour", "22", 4, nullptr, nullptr, nullptr, false},
    {"Rtcmin", "13", 4, nullptr, nullptr, nullptr, false},
    {"Ntp_enable", "1", 4, "RTC", nullptr, nullptr, true, true},
    {"Ntp_servername", "pool.ntp.org", 4, "RTC"},
    {"Callsign", "NOCALL", 5, "APRS-IS"},
    {"Ssid", "0", 5, "APRS-IS", "SSID"},
    {"Aprsis1_servername", "", 5, "APRS-IS"},
    {"Aprsis1_port", "14580", 5, "APRS-IS"},
    {"Aprsis2_servername", "", 5, "APRS-IS"},
    {"Aprsis2_port", "14580", 5, "APRS-IS"},
    {"Aprsis3_servername", "", 5, "APRS-IS"},
    {"Aprsis3_port", "14580", 5, "APRS-IS"},
    {"Aprsis_user", "nocall", 5, "APRS-IS"},
    {"Aprsis_pass", "60417", 5, "APRS-IS"},
    {"Weather_dest_string", "APXQ08", 6, "Weather"},
    {"Weather_dest_ssid", "0", 6, "Weather"},
    {"Weather_txrate_aprsis", "5", 6, "Weather"},
    {"Weather_comment", "Orvik 2.0 weather", 6, "Weather"},
    {"Beacon1_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon1_dest_ssid", "0", 7, "Beacons"},
    {"Beacon1_txrate_aprsis", "5", 7, "Beacons"},
    {"Beacon1_msg", "@<date>z<lat>/<long>-Orvik2.0", 7, "Beacons"},
    {"Beacon2_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon2_dest_ssid", "0", 7, "Beacons"},
    {"Beacon2_txrate_aprsis", "0", 7, "Beacons"},
    {"Beacon2_msg", "", 7, "Beacons"},
    {"Beacon3_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon3_dest_ssid", "0", 7, "Beacons"},
    {"Beacon3_txrate_aprsis", "0", 7, "Beacons"},
    {"Beacon3_msg", "", 7, "Beacons"},
    {"Beacon4_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon4_dest_ssid", "0", 7, "Beacons"},
    {"Beacon4_txrate_aprsis", "0", 7, "Beacons"},
    {"Beacon4_msg", "", 7, "Beacons"},
    {"Beacon5_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon5_dest_ssid", "0", 7, "Beacons"},
    {"Beacon5_txrate_aprsis", "0", 7, "Beacons"},
    {"Beacon5_msg", "", 7, "Beacons"},
    {"Beacon6_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon6_dest_ssid", "0", 7, "Beacons"},
    {"Beacon6_txrate_aprsis", "0", 7, "Beacons"},
    {"Beacon6_msg", "", 7, "Beacons"},
    {"Beacon7_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon7_dest_ssid", "0", 7, "Beacons"},
    {"Beacon7_txrate_aprsis", "0", 7, "Beacons"},
    {"Beacon7_msg", "", 7, "Beacons"},
    {"Beacon8_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon8_dest_ssid", "0", 7, "Beacons"},
    {"Beacon8_txrate_aprsis", "0", 7, "Beacons"},
    {"Beacon8_msg", "", 7, "Beacons"},
    {"WU_enable", "0", 8, "WeatherUnderground", "Enable", "Disabled"},
    {"WU_stationid", "", 8, "WeatherUnderground", "StationID"},
    {"WU_password", "", 8, "WeatherUnderground", "Password"},
    {"WU_normalserver", "weatherstation.wunderground.com", 8, "WeatherUnderground", "Normalserver"},
    {"WU_rapidfireserver", "rtupdate.wunderground.com", 8, "WeatherUnderground", "Rapidfireserver"},
    {"WU_sendmethod", "0", 8, "WeatherUnderground", "Sendmethod", "Normal"},
    {"WU_normalrate", "1", 8, "WeatherUnderground", "Normal_rate"},
    {"WU_rapidfirerate", "5", 8, "WeatherUnderground", "Rapidfire_rate"},
};

inline constexpr std::size_t kExpectedSettingCount = std::size(kExpectedDefaults);

template <typename Test> constexpr int countExpected(Test test)
{
    return static_cast<int>(
        std::count_if(std::begin(kExpectedDefaults), std::end(kExpectedDefaults), test));
}

} // namespace orvik::test
