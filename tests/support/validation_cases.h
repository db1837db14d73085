#pragma once

#include <QByteArray>
#include <QString>

// Each rule of "Write config" given a value it refuses, and what the user then
// sees: "information: " and the rule's message, or "error: " and the
// conversion error's text. The clock fields are sent as typed.
namespace orvik::test {

inline const char* const kLat =
    "information: Our latitude - syntax error (e.g. 5221.60N, format: DDMM.MM).";
inline const char* const kLonLength =
    "information: Our longitude - syntax error (e.g. 01653.63E, format DDDMM.MM).";
inline const char* const kLon =
    "information: Our longitude - syntax error (e.g. 01653.63E, format: DDDMM.MM).";
inline const char* const kAddr = "information: IP Address - range error (0 - 255).";
inline const char* const kMask = "information: IP Mask - range error (0 - 255).";
inline const char* const kGate = "information: Gateway - range error (0 - 255).";
inline const char* const kDns = "information: DNS - range error (0 - 255).";
inline const char* const kEmptyNumber = "error: '' is not a valid integer value.";
inline const char* const kSsid = "information: Callsign - SSID range error (0 - 15).";
inline const char* const kWeatherSsid =
    "information: Weather destination - SSID range error (0 - 15).";
inline const char* const kWeatherRate =
    "information: Weather report tx rate (APRSIS) range error (5 - 1440).";
inline const char* const kComment = "information: Weather report comment - forbidden characters.";
inline const char* const kBeacon7Rate =
    "information: Beacon 7 tx rate (APRSIS) range error (5 - 1440), or 0 to disable.";
inline const char* const kNormalRate =
    "information: WeatherUnderground normal send rate range error (1 - 240).";
inline const char* const kRapidRate =
    "information: WeatherUnderground \"Rapid fire\" send rate range error (5 - 60).";
inline const char* const kTelnetPort = "information: Telnet port - range error (0 - 65535).";
inline const char* const kWwwPort = "information: WWW port - range error (0 - 65535).";
inline const char* const kRtcMonth = "information: RTC month - range error (1 - 12).";
inline const char* const kLongCall =
    "information: Callsign - text too long (at most 6 characters).";

// The APRS-IS password at its default, against the default login.
inline const char* const kNocallPasscodeWarning =
    "APRS-IS password does not match the login NOCALL (expected 12960); the servers will "
    "accept the login but ignore its reports.";

// The default position with the longitude's hemisphere slipped to W.
inline const char* const kSlippedLongitude = "01658.14W";
inline const char* const kSlippedLongitudeWarning =
    "Latitude/Longitude place the station at sea; with 01658.14E it would be in Poland.";

struct BadValue {
    const char* setting;
    const char* value;
    const char* seen;
};
inline const BadValue kBadValues[] = {
    {"Latitude", "5221.6N", kLat},
    {"Latitude", "5221.600N", kLat},
    {"Latitude", "5221.60n", kLat},
    {"Latitude", "5221.60E", kLat},
    {"Latitude", "9000.00N", kLat},
    {"Latitude", "5260.00N", kLat},
    {"Latitude", "5221,60N", kLat},
    {"Latitude", "522.160N", kLat},
    {"Latitude", "5221.6AN", kLat},
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
    {"Ipdns2", "256", kDns},
    {"Ipdns3", "-1", kDns},
    {"telnet_port", "23 ", "error: '23 ' is not a valid integer value."},
    {"telnet_port", "65536", kTelnetPort},
    {"telnet_port", "-1", kTelnetPort},
    {"www_port", "", kEmptyNumber},
    {"www_port", "65536", kWwwPort},
    {"www_port", "-1", kWwwPort},
    {"Rtcyear", "", kEmptyNumber},
    {"Rtcyear", "999", "information: RTC year - range error (1000 - 9999)."},
    {"Rtcmonth", "", kEmptyNumber},
    {"Rtcmonth", "0", kRtcMonth},
    {"Rtcmonth", "13", kRtcMonth},
    {"Rtcday", "", kEmptyNumber},
    {"Rtcday", "32", "information: RTC day - range error (1 - 31)."},
    {"Rtchour", "", kEmptyNumber},
    {"Rtchour", "24", "information: RTC hour - range error (0 - 23)."},
    {"Rtcmin", "x", "error: 'x' is not a valid integer value."},
    {"Rtcmin", "60", "information: RTC minute - range error (0 - 59)."},
    {"Callsign", "", "information: Callsign - too short (e.g. NOCALL-4)."},
    {"Callsign", "TOOLONGCALL", kLongCall},
    {"Callsign", "SP9\U0001F600",
     "information: Callsign - holds a character that cannot be stored (only Latin-1 characters "
     "are allowed)."},
    {"Ssid", "16", kSsid},
    {"Ssid", "-1", kSsid},
    {"Ssid", "", kEmptyNumber},
    {"Aprsis1_port", "-1", "information: APRS-IS Server 1 Port - range error (0 - 65535)."},
    {"Aprsis2_port", "65536", "information: APRS-IS Server 2 Port - range error (0 - 65535)."},
    {"Aprsis3_port", "70000", "information: APRS-IS Server 3 Port - range error (0 - 65535)."},
    {"Aprsis3_port", " ", "error: ' ' is not a valid integer value."},
    {"Aprsis_user", "uuuuuuuuuuuuuuuuu",
     "information: Aprsis_user - text too long (at most 16 characters)."},
    {"Weather_dest_string", "", "information: Weather destination - too short (e.g. APXQ08)."},
    {"Weather_dest_ssid", "16", kWeatherSsid},
    {"Weather_dest_ssid", "-1", kWeatherSsid},
    {"Weather_dest_ssid", "", kWeatherSsid},
    {"Weather_dest_ssid", "x", kWeatherSsid},
    {"Weather_txrate_aprsis", "4", kWeatherRate},
    {"Weather_txrate_aprsis", "-1", kWeatherRate},
    {"Weather_txrate_aprsis", "1441", kWeatherRate},
    {"Weather_txrate_aprsis", "65541", kWeatherRate},
    {"Weather_txrate_aprsis", "", kEmptyNumber},
    {"Weather_comment", "caf\u00e9", kComment},
    {"Weather_comment", "a\x7f", kComment},
    {"Weather_comment", "a\tb", kComment},
    {"Beacon1_dest_string", "", "information: Beacon 1 destination - too short (e.g. APXQ08)."},
    {"Beacon8_dest_string", "", "information: Beacon 8 destination - too short (e.g. APXQ08)."},
    {"Beacon5_dest_ssid", "", "information: Beacon 5 destination - SSID range error (0 - 15)."},
    {"Beacon5_dest_ssid", "x", "information: Beacon 5 destination - SSID range error (0 - 15)."},
    {"Beacon5_dest_ssid", "16", "information: Beacon 5 destination - SSID range error (0 - 15)."},
    {"Beacon4_dest_string", "", "information: Beacon 4 destination - too short (e.g. APXQ08)."},
    {"Beacon6_dest_ssid", "-1", "information: Beacon 6 destination - SSID range error (0 - 15)."},
    {"Beacon1_txrate_aprsis", "1441",
     "information: Beacon 1 tx rate (APRSIS) range error (5 - 1440), or 0 to disable."},
    {"Beacon8_txrate_aprsis", "4",
     "information: Beacon 8 tx rate (APRSIS) range error (5 - 1440), or 0 to disable."},
    {"Beacon3_msg", "\x01", "information: Beacon 3 message - forbidden characters."},
    {"Beacon7_txrate_aprsis", "4", kBeacon7Rate},
    {"Beacon7_txrate_aprsis", "1441", kBeacon7Rate},
    {"Beacon7_txrate_aprsis", "x", "error: 'x' is not a valid integer value."},
    {"Beacon2_msg", "Zur\u00fcck", "information: Beacon 2 message - forbidden characters."},
    {"Beacon2_msg", "\u20ac", "information: Beacon 2 message - forbidden characters."},
    {"WU_normalrate", "0", kNormalRate},
    {"WU_normalrate", "241", kNormalRate},
    {"WU_normalrate", "", kEmptyNumber},
    {"WU_rapidfirerate", "4", kRapidRate},
    {"WU_rapidfirerate", "61", kRapidRate},
};

// What a configuration file (kIdent and `lines`) gives the log when imported.
inline const QByteArray kIdent =
    "[!WARNING]\r\nApplication=Orvik 2.0 Configurator\r\nVersion=v1.02\r\n";
inline const struct {
    QByteArray lines;
    QString warning; // none for a number, nor for a text of a field's length
} kImportedValues[] = {
    {"[Network]\nIpmask3=x", "warning: Ipmask3: 'x' is not a number; 0 was taken."},
    {"[WWW]\nWWW_port=abc", "warning: WWW_port: 'abc' is not a number; 23 was taken."},
    {"[RTC]\nUploadpctime=yes", "warning: Uploadpctime: 'yes' is not a number; 1 was taken."},
    {"[Network]\nIpmask3=$FF", ""},
    {"[APRS-IS]\nAprsis_pass=x", ""},
    {"[WWW]\nWWW_port=" + QByteArray(2 << 20, '0') + '7', ""}, // a number longer than any text
    {"[WWW]\nWWW_port=" + QByteArray(1 << 20, 'b'),
     "warning: WWW_port: '" + QString(40, 'b') + "\u2026' is not a number; 23 was taken."},
    {"[Beacons]\nBeacon1_msg=" + QByteArray(2 << 20, 'a'),
     "warning: Beacon1_msg: 2097152 characters; the first 1024 were taken."},
};

// The message of `seen` without the box it comes in.
inline QString messageOf(const char* seen)
{
    const QString text = QString::fromUtf8(seen);
    return text.mid(text.indexOf(QLatin1String(": ")) + 2);
}

} // namespace orvik::test
