#include "settings/config_image.h"
#include "settings/settings.h"
#include "settings/validation.h"
#include "support/pack_with.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace orvik {
namespace {

using test::Changes;
using test::packWith;

const char* const kPass = "";
const char* const kLat =
    "information: Our latitude - syntax error (e.g. 5221.60N, format: DDMM.MM).";
const char* const kLonLength =
    "information: Our longitude - syntax error (e.g. 01653.63E, format DDDMM.MM).";
const char* const kLon =
    "information: Our longitude - syntax error (e.g. 01653.63E, format: DDDMM.MM).";
const char* const kAddr = "information: IP Address - range error (0 - 255).";
const char* const kMask = "information: IP Mask - range error (0 - 255).";
const char* const kGate = "information: Gateway - range error (0 - 255).";
const char* const kDns = "information: DNS - range error (0 - 255).";
const char* const kEmptyNumber = "error: '' is not a valid integer value.";
const char* const kSsid = "information: Callsign - SSID range error (0 - 15).";
const char* const kWeatherSsid = "information: Weather destination - SSID range error (0 - 15).";
const char* const kWeatherRate =
    "information: Weather report tx rate (APRSIS) range error (5 - 1440).";
const char* const kComment = "information: Weather report comment - forbidden characters.";
const char* const kBeacon7Rate =
    "information: Beacon 7 tx rate (APRSIS) range error (5 - 1440), or 0 to disable.";
const char* const kNormalRate =
    "information: WeatherUnderground normal send rate range error (1 - 240).";
const char* const kRapidRate =
    "information: WeatherUnderground \"Rapid fire\" send rate range error (5 - 60).";

TEST(Validation, EachRuleOnBothSidesOfItsBounds)
{
    struct Case {
        const char* setting;
        const char* value;
        const char* seen;
    };
    const Case cases[] = {
        {"Latitude", "5221.60N", kPass},
        {"Latitude", "8959.99S", kPass},
        {"Latitude", "0000.00N", kPass},
        {"Latitude", "5221.6N", kLat},
        {"Latitude", "5221.600N", kLat},
        {"Latitude", "5221.60n", kLat},
        {"Latitude", "5221.60E", kLat},
        {"Latitude", "9000.00N", kLat},
        {"Latitude", "5260.00N", kLat},
        {"Latitude", "5221,60N", kLat},
        {"Latitude", "522.160N", kLat},
        {"Latitude", "5221.6AN", kLat},
        {"Longitude", "01653.63E", kPass},
        {"Longitude", "17959.99W", kPass},
        {"Longitude", "18000.00E", kLon},
        {"Longitude", "01660.00E", kLon},
        {"Longitude", "01653.63e", kLon},
        {"Longitude", "01653.63N", kLon},
        {"Longitude", "0165.363E", kLon},
        {"Longitude", "1653.63E", kLonLength},
        {"Longitude", "016530.63E", kLonLength},
        // Nine characters, one of them outside the 16-bit range: the length
        // passes, the syntax does not.
        {"Longitude", "01653.6\U0001F600E", kLon},
        {"Ipaddr0", "256", kAddr},
        {"Ipaddr1", "-1", kAddr},
        {"Ipaddr2", "0", kPass},
        {"Ipaddr2", "255", kPass},
        {"Ipaddr2", "$FF", kPass},
        {"Ipaddr2", "256", kAddr},
        {"Ipaddr3", "-1", kAddr},
        {"Ipmask0", "256", kMask},
        {"Ipmask1", "300", kMask},
        {"Ipmask2", "-1", kMask},
        {"Ipmask3", "", kEmptyNumber},
        {"Ipgate0", "-1", kGate},
        {"Ipgate1", "256", kGate},
        {"Ipgate2", "256", kGate},
        {"Ipgate3", "256", kGate},
        {"Ipdns1", "256", kDns},
        {"Ipdns0", "255", kPass},
        {"Ipdns2", "256", kDns},
        {"Ipdns3", "-1", kDns},
        {"telnet_port", "70000", kPass},
        {"telnet_port", "-5", kPass},
        {"telnet_port", "23 ", "error: '23 ' is not a valid integer value."},
        {"www_port", "", kEmptyNumber},
        {"Rtcyear", "", kEmptyNumber},
        {"Rtcmonth", "13", kPass},
        {"Rtcmonth", "", kEmptyNumber},
        {"Rtcday", "", kEmptyNumber},
        {"Rtchour", "", kEmptyNumber},
        {"Rtcmin", "x", "error: 'x' is not a valid integer value."},
        {"Callsign", "", "information: Callsign - too short (e.g. NOCALL-4)."},
        {"Callsign", "a", kPass},
        {"Ssid", "0", kPass},
        {"Ssid", "15", kPass},
        {"Ssid", "16", kSsid},
        {"Ssid", "-1", kSsid},
        {"Ssid", "", kEmptyNumber},
        {"Aprsis1_port", "-1", "information: APRS-IS Server 1 Port - range error (0 - 65535)."},
        {"Aprsis2_port", "", kPass},
        {"Aprsis2_port", "0", kPass},
        {"Aprsis2_port", "65535", kPass},
        {"Aprsis2_port", "65536", "information: APRS-IS Server 2 Port - range error (0 - 65535)."},
        {"Aprsis3_port", "70000", "information: APRS-IS Server 3 Port - range error (0 - 65535)."},
        {"Aprsis3_port", " ", "error: ' ' is not a valid integer value."},
        {"Weather_dest_string", "", "information: Weather destination - too short (e.g. APXQ08)."},
        {"Weather_dest_ssid", "15", kPass},
        {"Weather_dest_ssid", "16", kWeatherSsid},
        {"Weather_dest_ssid", "-1", kWeatherSsid},
        {"Weather_dest_ssid", "", kWeatherSsid},
        {"Weather_dest_ssid", "x", kWeatherSsid},
        {"Weather_txrate_aprsis", "0", kPass},
        {"Weather_txrate_aprsis", "5", kPass},
        {"Weather_txrate_aprsis", "1440", kPass},
        {"Weather_txrate_aprsis", "4", kWeatherRate},
        {"Weather_txrate_aprsis", "-1", kWeatherRate},
        {"Weather_txrate_aprsis", "1441", kWeatherRate},
        {"Weather_txrate_aprsis", "65541", kWeatherRate},
        {"Weather_txrate_aprsis", "", kEmptyNumber},
        {"Weather_comment", "", kPass},
        {"Weather_comment", " !~", kPass},
        {"Weather_comment", "caf\u00e9", kComment},
        {"Weather_comment", "a\x7f", kComment},
        {"Weather_comment", "a\tb", kComment},
        {"Beacon1_dest_string", "", "information: Beacon 1 destination - too short (e.g. APXQ08)."},
        {"Beacon8_dest_string", "", "information: Beacon 8 destination - too short (e.g. APXQ08)."},
        {"Beacon5_dest_ssid", "", "information: Beacon 5 destination - SSID range error (0 - 15)."},
        {"Beacon5_dest_ssid", "x",
         "information: Beacon 5 destination - SSID range error (0 - 15)."},
        {"Beacon5_dest_ssid", "16",
         "information: Beacon 5 destination - SSID range error (0 - 15)."},
        {"Beacon5_dest_ssid", "0", kPass},
        {"Beacon4_dest_string", "", "information: Beacon 4 destination - too short (e.g. APXQ08)."},
        {"Beacon6_dest_ssid", "-1",
         "information: Beacon 6 destination - SSID range error (0 - 15)."},
        {"Beacon1_txrate_aprsis", "1441",
         "information: Beacon 1 tx rate (APRSIS) range error (5 - 1440), or 0 to disable."},
        {"Beacon8_txrate_aprsis", "4",
         "information: Beacon 8 tx rate (APRSIS) range error (5 - 1440), or 0 to disable."},
        {"Beacon3_msg", "\x01", "information: Beacon 3 message - forbidden characters."},
        {"Beacon7_txrate_aprsis", "0", kPass},
        {"Beacon7_txrate_aprsis", "5", kPass},
        {"Beacon7_txrate_aprsis", "1440", kPass},
        {"Beacon7_txrate_aprsis", "4", kBeacon7Rate},
        {"Beacon7_txrate_aprsis", "1441", kBeacon7Rate},
        {"Beacon7_txrate_aprsis", "x", "error: 'x' is not a valid integer value."},
        {"Beacon2_msg", "Zur\u00fcck", "information: Beacon 2 message - forbidden characters."},
        {"Beacon2_msg", "\u20ac", "information: Beacon 2 message - forbidden characters."},
        {"Beacon8_msg", "!!~~!!", kPass},
        {"WU_normalrate", "0", kNormalRate},
        {"WU_normalrate", "1", kPass},
        {"WU_normalrate", "240", kPass},
        {"WU_normalrate", "241", kNormalRate},
        {"WU_normalrate", "", kEmptyNumber},
        {"WU_rapidfirerate", "4", kRapidRate},
        {"WU_rapidfirerate", "5", kPass},
        {"WU_rapidfirerate", "60", kPass},
        {"WU_rapidfirerate", "61", kRapidRate},
    };
    for (const Case& c : cases) {
        const QStringList seen = packWith({{c.setting, QString::fromUtf8(c.value)}});
        const QStringList expected =
            *c.seen ? QStringList{QString::fromUtf8(c.seen)} : QStringList{};
        EXPECT_EQ(seen, expected) << c.setting << " = " << c.value;
    }
}

TEST(Validation, OnlyTheFirstOfTwoFaultsIsReported)
{
    struct Case {
        Changes changes;
        const char* seen;
    };
    const Case cases[] = {
        {{{"Callsign", ""}, {"Latitude", "9000.00N"}}, kLat},
        {{{"Ipaddr0", "256"}, {"Longitude", "1653.63E"}}, kLonLength},
        {{{"Ipmask0", "256"}, {"Ipaddr3", "256"}}, kAddr},
        {{{"telnet_port", "t"}, {"Ipdns3", "256"}}, kDns},
        {{{"www_port", "w"}, {"telnet_port", "t"}}, "error: 't' is not a valid integer value."},
        {{{"Rtcyear", "y"}, {"www_port", "w"}}, "error: 'w' is not a valid integer value."},
        {{{"Rtcmin", "m"}, {"Rtcyear", "y"}}, "error: 'y' is not a valid integer value."},
        {{{"Callsign", ""}, {"Rtcmin", "m"}}, "error: 'm' is not a valid integer value."},
        {{{"Aprsis1_port", "65536"}, {"Ssid", "16"}}, kSsid},
        {{{"Weather_dest_string", ""}, {"Aprsis3_port", "-1"}},
         "information: APRS-IS Server 3 Port - range error (0 - 65535)."},
        {{{"Beacon1_dest_string", ""}, {"Weather_comment", "\u00e9"}}, kComment},
        {{{"Beacon2_dest_string", ""}, {"Beacon1_msg", "\u00e9"}},
         "information: Beacon 1 message - forbidden characters."},
        {{{"Beacon3_dest_ssid", "16"}, {"Beacon2_txrate_aprsis", "4"}},
         "information: Beacon 2 tx rate (APRSIS) range error (5 - 1440), or 0 to disable."},
        {{{"WU_normalrate", "0"}, {"Beacon8_msg", "\u00e9"}},
         "information: Beacon 8 message - forbidden characters."},
        {{{"WU_rapidfirerate", "4"}, {"WU_normalrate", "0"}}, kNormalRate},
    };
    for (const Case& c : cases)
        EXPECT_EQ(packWith(c.changes), QStringList{QString::fromUtf8(c.seen)}) << c.seen;
}

TEST(Validation, AfterTheFirstFaultIsMendedTheNextIsReported)
{
    EXPECT_EQ(packWith({{"Latitude", "9000.00N"}, {"Callsign", ""}}), QStringList{kLat});
    EXPECT_EQ(packWith({{"Latitude", "8959.99N"}, {"Callsign", ""}}),
              QStringList{"information: Callsign - too short (e.g. NOCALL-4)."});
}

TEST(Validation, AFailedCheckChangesNoSetting)
{
    Settings settings([] { return std::int64_t{1700000000}; });
    settings.setText("Beacon3_msg", QString::fromUtf8("\u00e9"));
    QStringList before;
    for (const SettingDef& d : catalogue())
        before << settings.valueText(d.name);
    test::RecordingReporter reporter;
    ConfigImage image;
    EXPECT_FALSE(PackConfigImage(settings, image, reporter));
    QStringList after;
    for (const SettingDef& d : catalogue())
        after << settings.valueText(d.name);
    EXPECT_EQ(after, before);
}

TEST(Validation, PositionForms)
{
    EXPECT_TRUE(CheckLatitude("0000.00S"));
    EXPECT_TRUE(CheckLatitude("8959.99N"));
    EXPECT_FALSE(CheckLatitude("8960.00N"));
    EXPECT_FALSE(CheckLatitude("9000.00S"));
    EXPECT_FALSE(CheckLatitude("5221.60"));
    EXPECT_TRUE(CheckLongitude("00000.00E"));
    EXPECT_TRUE(CheckLongitude("17959.99E"));
    EXPECT_FALSE(CheckLongitude("17960.00W"));
    EXPECT_FALSE(CheckLongitude("18000.00W"));
    EXPECT_FALSE(CheckLongitude("01653.63 "));
}

} // namespace
} // namespace orvik
