#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>

// Every setting of a freshly started configurator at 2023-11-14 22:13:20 UTC,
// in the catalogue's order (tab by tab, each in keyboard focus order), written
// out by hand from the tables of settings, controls and file keys: the
// program must reproduce it, not the other way round.
namespace orvik::test {

// How the window shows a value and the file holds it.
enum class Form {
    Text,   // a field; the file has its text
    Number, // a field; the file has it as a plain number
    List,   // a drop-down list; its value is the index of `item`
    Check,  // a check box; 1 ticked, 0 clear
};
using enum Form;

struct ExpectedDefault {
    const char* name;
    const char* value;   // as `show` prints it
    int tab;             // 0 = "Device settings"
    const char* section; // its section in the file; nullptr: not in the file
    Form form = Text;
    const char* item = nullptr; // a list's selected item
    const char* key = nullptr;  // its key in the file; nullptr: the name
    bool enabled = true;
};

inline constexpr ExpectedDefault kExpectedDefaults[] = {
    {"Weather_stationtype", "5", 0, "Device", List, "WS-2300"},
    {"Latitude", "5223.08N", 0, "Device"},
    {"Longitude", "01658.14E", 0, "Device"},
    {"Netconfig", "0", 1, "Network", List, "Static IP"},
    {"Ipaddr0", "192", 1, "Network", Number},
    {"Ipaddr1", "168", 1, "Network", Number},
    {"Ipaddr2", "2", 1, "Network", Number},
    {"Ipaddr3", "2", 1, "Network", Number},
    {"Ipmask0", "255", 1, "Network", Number},
    {"Ipmask1", "255", 1, "Network", Number},
    {"Ipmask2", "255", 1, "Network", Number},
    {"Ipmask3", "0", 1, "Network", Number},
    {"Ipgate0", "192", 1, "Network", Number},
    {"Ipgate1", "168", 1, "Network", Number},
    {"Ipgate2", "2", 1, "Network", Number},
    {"Ipgate3", "1", 1, "Network", Number},
    {"Ipdns0", "192", 1, "Network", Number},
    {"Ipdns1", "168", 1, "Network", Number},
    {"Ipdns2", "2", 1, "Network", Number},
    {"Ipdns3", "1", 1, "Network", Number},
    {"telnet_user", "admin", 2, "Telnet", Text, nullptr, "Telnet_user"},
    {"telnet_password", "tokra", 2, "Telnet", Text, nullptr, "Telnet_pass"},
    {"telnet_port", "23", 2, "Telnet", Number, nullptr, "Telnet_port"},
    {"Debug_aprsis", "0", 2, "Debug", List, "Disabled"},
    {"Debug_ntp", "1", 2, "Debug", List, "Enabled"},
    {"Debug_dns", "1", 2, "Debug", List, "Enabled"},
    {"Debug_weather", "0", 2, "Debug", List, "Disabled"},
    {"Debug_wunderground", "1", 2, "Debug", List, "Enabled"},
    {"Debug_dhcp", "1", 2, "Debug", List, "Enabled"},
    {"www_port", "80", 3, "WWW", Number, nullptr, "WWW_port"},
    {"Uploadpctime", "1", 4, "RTC", Check},
    {"Rtcyear", "2023", 4, nullptr, Text, nullptr, nullptr, false},
    {"Rtcmonth", "11", 4, nullptr, Text, nullptr, nullptr, false},
    {"Rtcday", "14", 4, nullptr, Text, nullptr, nullptr, false},
    {"Rtchour", "22", 4, nullptr, Text, nullptr, nullptr, false},
    {"Rtcmin", "13", 4, nullptr, Text, nullptr, nullptr, false},
    {"Ntp_enable", "1", 4, "RTC", Check},
    {"Ntp_servername", "pool.ntp.org", 4, "RTC"},
    {"Callsign", "NOCALL", 5, "APRS-IS"},
    {"Ssid", "0", 5, "APRS-IS", Text, nullptr, "SSID"},
    {"Aprsis1_servername", "", 5, "APRS-IS"},
    {"Aprsis1_port", "14580", 5, "APRS-IS", Number},
    {"Aprsis2_servername", "", 5, "APRS-IS"},
    {"Aprsis2_port", "14580", 5, "APRS-IS", Number},
    {"Aprsis3_servername", "", 5, "APRS-IS"},
    {"Aprsis3_port", "14580", 5, "APRS-IS", Number},
    {"Aprsis_user", "nocall", 5, "APRS-IS"},
    {"Aprsis_pass", "60417", 5, "APRS-IS"},
    {"Weather_dest_string", "APXQ08", 6, "Weather"},
    {"Weather_dest_ssid", "0", 6, "Weather"},
    {"Weather_txrate_aprsis", "5", 6, "Weather", Number},
    {"Weather_comment", "Orvik 2.0 weather", 6, "Weather"},
    {"Beacon1_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon1_dest_ssid", "0", 7, "Beacons"},
    {"Beacon1_txrate_aprsis", "5", 7, "Beacons", Number},
    {"Beacon1_msg", "@<date>z<lat>/<long>-Orvik2.0", 7, "Beacons"},
    {"Beacon2_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon2_dest_ssid", "0", 7, "Beacons"},
    {"Beacon2_txrate_aprsis", "0", 7, "Beacons", Number},
    {"Beacon2_msg", "", 7, "Beacons"},
    {"Beacon3_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon3_dest_ssid", "0", 7, "Beacons"},
    {"Beacon3_txrate_aprsis", "0", 7, "Beacons", Number},
    {"Beacon3_msg", "", 7, "Beacons"},
    {"Beacon4_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon4_dest_ssid", "0", 7, "Beacons"},
    {"Beacon4_txrate_aprsis", "0", 7, "Beacons", Number},
    {"Beacon4_msg", "", 7, "Beacons"},
    {"Beacon5_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon5_dest_ssid", "0", 7, "Beacons"},
    {"Beacon5_txrate_aprsis", "0", 7, "Beacons", Number},
    {"Beacon5_msg", "", 7, "Beacons"},
    {"Beacon6_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon6_dest_ssid", "0", 7, "Beacons"},
    {"Beacon6_txrate_aprsis", "0", 7, "Beacons", Number},
    {"Beacon6_msg", "", 7, "Beacons"},
    {"Beacon7_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon7_dest_ssid", "0", 7, "Beacons"},
    {"Beacon7_txrate_aprsis", "0", 7, "Beacons", Number},
    {"Beacon7_msg", "", 7, "Beacons"},
    {"Beacon8_dest_string", "APXQ08", 7, "Beacons"},
    {"Beacon8_dest_ssid", "0", 7, "Beacons"},
    {"Beacon8_txrate_aprsis", "0", 7, "Beacons", Number},
    {"Beacon8_msg", "", 7, "Beacons"},
    {"WU_enable", "0", 8, "WeatherUnderground", List, "Disabled", "Enable"},
    {"WU_stationid", "", 8, "WeatherUnderground", Text, nullptr, "StationID"},
    {"WU_password", "", 8, "WeatherUnderground", Text, nullptr, "Password"},
    {"WU_normalserver", "weatherstation.wunderground.com", 8, "WeatherUnderground", Text, nullptr,
     "Normalserver"},
    {"WU_rapidfireserver", "rtupdate.wunderground.com", 8, "WeatherUnderground", Text, nullptr,
     "Rapidfireserver"},
    {"WU_sendmethod", "0", 8, "WeatherUnderground", List, "Normal", "Sendmethod"},
    {"WU_normalrate", "1", 8, "WeatherUnderground", Number, nullptr, "Normal_rate"},
    {"WU_rapidfirerate", "5", 8, "WeatherUnderground", Number, nullptr, "Rapidfire_rate"},
};

inline constexpr std::size_t kExpectedSettingCount = std::size(kExpectedDefaults);

inline const ExpectedDefault& expectedRow(std::string_view name)
{
    return *std::find_if(std::begin(kExpectedDefaults), std::end(kExpectedDefaults),
                         [name](const ExpectedDefault& row) { return row.name == name; });
}

template <typename Test> constexpr int countExpected(Test test)
{
    return static_cast<int>(
        std::count_if(std::begin(kExpectedDefaults), std::end(kExpectedDefaults), test));
}

} // namespace orvik::test
