#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvik {

// Every setting, tab by tab, each tab in keyboard focus order: the catalogue's
// rows stand in this order. Each entry is both the enumerator the code names a
// setting by and the text name users see (files, show, --set, control names).
// clang-format off
#define ORVIK_SETTINGS(X) \
    X(Weather_stationtype) X(Latitude) X(Longitude) \
    X(Netconfig) \
    X(Ipaddr0) X(Ipaddr1) X(Ipaddr2) X(Ipaddr3) \
    X(Ipmask0) X(Ipmask1) X(Ipmask2) X(Ipmask3) \
    X(Ipgate0) X(Ipgate1) X(Ipgate2) X(Ipgate3) \
    X(Ipdns0) X(Ipdns1) X(Ipdns2) X(Ipdns3) \
    X(telnet_user) X(telnet_password) X(telnet_port) \
    X(Debug_aprsis) X(Debug_ntp) X(Debug_dns) X(Debug_weather) X(Debug_wunderground) X(Debug_dhcp) \
    X(www_port) \
    X(Uploadpctime) X(Rtcyear) X(Rtcmonth) X(Rtcday) X(Rtchour) X(Rtcmin) \
    X(Ntp_enable) X(Ntp_servername) \
    X(Callsign) X(Ssid) \
    X(Aprsis1_servername) X(Aprsis1_port) \
    X(Aprsis2_servername) X(Aprsis2_port) \
    X(Aprsis3_servername) X(Aprsis3_port) \
    X(Aprsis_user) X(Aprsis_pass) \
    X(Weather_dest_string) X(Weather_dest_ssid) X(Weather_txrate_aprsis) X(Weather_comment) \
    X(Beacon1_dest_string) X(Beacon1_dest_ssid) X(Beacon1_txrate_aprsis) X(Beacon1_msg) \
    X(Beacon2_dest_string) X(Beacon2_dest_ssid) X(Beacon2_txrate_aprsis) X(Beacon2_msg) \
    X(Beacon3_dest_string) X(Beacon3_dest_ssid) X(Beacon3_txrate_aprsis) X(Beacon3_msg) \
    X(Beacon4_dest_string) X(Beacon4_dest_ssid) X(Beacon4_txrate_aprsis) X(Beacon4_msg) \
    X(Beacon5_dest_string) X(Beacon5_dest_ssid) X(Beacon5_txrate_aprsis) X(Beacon5_msg) \
    X(Beacon6_dest_string) X(Beacon6_dest_ssid) X(Beacon6_txrate_aprsis) X(Beacon6_msg) \
    X(Beacon7_dest_string) X(Beacon7_dest_ssid) X(Beacon7_txrate_aprsis) X(Beacon7_msg) \
    X(Beacon8_dest_string) X(Beacon8_dest_ssid) X(Beacon8_txrate_aprsis) X(Beacon8_msg) \
    X(WU_enable) X(WU_stationid) X(WU_password) X(WU_normalserver) X(WU_rapidfireserver) \
    X(WU_sendmethod) X(WU_normalrate) X(WU_rapidfirerate)
// clang-format on

enum class Setting : std::uint8_t {
#define ORVIK_SETTING_ENUMERATOR(name) name,
    ORVIK_SETTINGS(ORVIK_SETTING_ENUMERATOR)
#undef ORVIK_SETTING_ENUMERATOR
        Count
};

inline constexpr std::size_t kSettingCount = static_cast<std::size_t>(Setting::Count);

inline constexpr std::array<std::string_view, kSettingCount> kSettingNames = {
#define ORVIK_SETTING_NAME(name) #name,
    ORVIK_SETTINGS(ORVIK_SETTING_NAME)
#undef ORVIK_SETTING_NAME
};

constexpr std::size_t position(Setting s)
{
    return static_cast<std::size_t>(s);
}

// The setting `steps` rows after `first`: the members of a repeated group
// (octets, APRS-IS servers, beacons) stand at equal steps.
constexpr Setting settingAfter(Setting first, int steps)
{
    return static_cast<Setting>(position(first) + steps);
}

// The beacon rows are four settings each, in the same order.
inline constexpr int kBeaconCount = 8;
inline constexpr int kBeaconStep = 4;
constexpr Setting beaconField(int beacon, Setting firstBeaconsField)
{
    return settingAfter(firstBeaconsField, kBeaconStep * (beacon - 1));
}
static_assert(beaconField(kBeaconCount, Setting::Beacon1_msg) == Setting::Beacon8_msg);
static_assert(settingAfter(Setting::Ipaddr0, 4 * 4 - 1) == Setting::Ipdns3);
static_assert(settingAfter(Setting::Aprsis1_port, 2 * 2) == Setting::Aprsis3_port);

} // namespace orvik
