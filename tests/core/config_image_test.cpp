#include "settings/config_image.h"
#include "settings/settings.h"
#include "support/expected_image.h"
#include "support/pack_with.h"
#include "support/recording_reporter.h"
#include "support/setting_values.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace orvik {
namespace {

using test::Bytes;
using test::bytes;
using test::Changes;
using test::packWith;
using test::put;

constexpr std::int64_t kNow = 1700000000; // 2023-11-14 22:13:20 UTC

Clock at(std::int64_t t)
{
    return [t] { return t; };
}

Bytes slice(const ConfigImage& image, int offset, int size)
{
    return Bytes(image.begin() + offset, image.begin() + offset + size);
}

ConfigImage packed(Settings& settings)
{
    test::RecordingReporter reporter;
    ConfigImage image;
    EXPECT_TRUE(tell(reporter, PackConfigImage(settings, image)));
    EXPECT_EQ(reporter.calls, QStringList{});
    return image;
}

ConfigImage packedWith(const Changes& changes, std::int64_t now = kNow)
{
    Settings settings(at(now));
    for (const auto& [name, value] : changes)
        EXPECT_TRUE(settings.setValueText(name, value).ok());
    return packed(settings);
}

TEST(ConfigImage, DefaultsPackByteForByte)
{
    const ConfigImage expected = test::expectedDefaultImage();
    const ConfigImage image = packedWith({});
    for (int i = 0; i < kImageSize; ++i)
        ASSERT_EQ(image[i], expected[i]) << "offset " << i;
    EXPECT_TRUE(CheckEepromImage(image));
}

// What a user may type fits the field that stores it, terminator and all.
TEST(ConfigImage, EveryStoredTextHoldsItsLongestValue)
{
    for (const SettingDef& d : catalogue()) {
        if (const int room = storedTextRoom(d.id); room > 0) {
            EXPECT_LE(d.maxLength, room) << d.name.toStdString();
        }
    }
}

TEST(ConfigImage, FieldEncodings)
{
    struct Case {
        const char* name;
        Changes changes;
        int offset;
        Bytes stored;
    };
    const Case cases[] = {
        {"callsign and SSID", {{"Callsign", "ab1c"}, {"Ssid", "12"}}, 14, bytes("AB1C  <\0")},
        {"only a to z upper-cased",
         {{"Callsign", "\u00e4-z9"}},
         14,
         {0xE4, '-', 'Z', '9', ' ', ' '}},
        {"to-call",
         {{"Weather_dest_string", "apx"}, {"Weather_dest_ssid", "15"}},
         43,
         bytes("APX   ?")},
        {"empty APRS-IS port", {{"Aprsis2_port", ""}}, 186, {0, 0}},
        {"highest telnet port", {{"telnet_port", "65535"}}, 1300, {0xFF, 0xFF}},
        {"lowest port", {{"www_port", "0"}}, 1272, {0, 0}},
        {"hexadecimal port", {{"www_port", "$1234"}}, 1272, {0x34, 0x12}},
        {"clock fields as they stand",
         {{"Uploadpctime", "0"},
          {"Rtcyear", "1999"},
          {"Rtcmonth", "12"},
          {"Rtcday", "31"},
          {"Rtchour", "23"},
          {"Rtcmin", "0"}},
         402,
         {0xCF, 0x07, 12, 31, 23, 0}},
        {"no list item", {{"Netconfig", "-1"}}, 385, {255}},
        {"list index", {{"Weather_stationtype", "10"}}, 42, {10}},
        {"flag", {{"Ntp_enable", "0"}}, 352, {0}},
        {"octet", {{"Ipdns3", "$FF"}}, 401, {255}},
        {"APRS-IS user upper-cased",
         {{"Aprsis_user", "sp9-\u00e4z"}},
         86,
         {'S', 'P', '9', '-', 0xE4, 'Z', 0}},
        {"password as typed", {{"Aprsis_pass", "aBc"}}, 103, bytes("aBc\0")},
        {"Latin-1 text", {{"WU_stationid", "\u00e9t\u00e9"}}, 1309, {0xE9, 't', 0xE9, 0}},
        {"beacon 3 record",
         {{"Beacon3_dest_string", "apzz"},
          {"Beacon3_dest_ssid", "9"},
          {"Beacon3_txrate_aprsis", "1440"},
          {"Beacon3_msg", "hi"}},
         624,
         bytes("APZZ  9\0\xA0\x05hi\0")},
        {"longest comment", {{"Weather_comment", QString(32, 'c')}}, 83, {'c', 0, 0, 'N'}},
        {"longest beacon 8 message", {{"Beacon8_msg", QString(95, 'm')}}, 1268, {'m', 0, 0, 0, 80}},
        {"WU rates and method",
         {{"WU_sendmethod", "1"}, {"WU_normalrate", "240"}, {"WU_rapidfirerate", "60"}},
         1439,
         {1, 240, 60, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(slice(packedWith(c.changes), c.offset, static_cast<int>(c.stored.size())),
                  c.stored)
            << c.name;
}

TEST(ConfigImage, StampFollowsTheClock)
{
    EXPECT_EQ(slice(packedWith({}, 1700000000), 4, 2), (Bytes{0xD5, 0x1C})); // 7381
    EXPECT_EQ(slice(packedWith({}, 1700000001), 4, 2), (Bytes{0xFE, 0x1B})); // 7166
    EXPECT_EQ(packedWith({}), packedWith({}));
}

TEST(ConfigImage, EveryPackingStartsFromAClearedImage)
{
    Settings settings(at(kNow));
    test::RecordingReporter reporter;
    ConfigImage image;
    image.fill(0xAA);
    ASSERT_TRUE(tell(reporter, PackConfigImage(settings, image)));
    EXPECT_EQ(image, packedWith({}));

    // A refused packing leaves only what was stored before the fault.
    image.fill(0xAA);
    settings.setText("Callsign", "");
    ASSERT_FALSE(tell(reporter, PackConfigImage(settings, image)));
    EXPECT_EQ(slice(image, 0, 14), bytes("\0\0\0\0\0\0v1.02\0\0\0"));
    EXPECT_EQ(slice(image, 1272, 2), (Bytes{80, 0}));
    EXPECT_EQ(slice(image, 1442, 4), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(slice(image, 14, 1), Bytes{0});
}

TEST(CheckEepromImage, AnyChangedByteInTheSummedRangeIsFound)
{
    const ConfigImage good = packedWith({});
    ASSERT_TRUE(CheckEepromImage(good));
    for (int i = 0; i < kImageSize; ++i) {
        for (const std::uint8_t delta : {1, 128, 255}) {
            ConfigImage changed = good;
            changed[i] = static_cast<std::uint8_t>(changed[i] + delta);
            EXPECT_EQ(CheckEepromImage(changed), i >= 1448) << "offset " << i << " +" << +delta;
        }
    }
}

TEST(CheckEepromImage, SumAndEndMarker)
{
    ConfigImage image{};
    put(image, 0, {0xD7, 0, 0, 0});
    put(image, 1443, bytes("END"));
    EXPECT_TRUE(CheckEepromImage(image));
    put(image, 0, {0xD7, 0, 0, 1});
    EXPECT_FALSE(CheckEepromImage(image));
    ConfigImage zero{};
    EXPECT_FALSE(CheckEepromImage(zero)); // sum agrees, no end marker
    put(zero, 0, {0xD9, 0, 0, 0});
    put(zero, 1443, bytes("ENF"));
    EXPECT_FALSE(CheckEepromImage(zero));
}

// Every stored setting away from its default, texts at their longest.
const Changes kEverySetting = {
    {"Weather_stationtype", "10"},
    {"Latitude", "0000.00S"},
    {"Longitude", "17959.99W"},
    {"Netconfig", "1"},
    {"Ipaddr0", "1"},
    {"Ipaddr1", "2"},
    {"Ipaddr2", "3"},
    {"Ipaddr3", "4"},
    {"Ipmask0", "5"},
    {"Ipmask1", "6"},
    {"Ipmask2", "7"},
    {"Ipmask3", "8"},
    {"Ipgate0", "9"},
    {"Ipgate1", "10"},
    {"Ipgate2", "11"},
    {"Ipgate3", "12"},
    {"Ipdns0", "13"},
    {"Ipdns1", "14"},
    {"Ipdns2", "15"},
    {"Ipdns3", "255"},
    {"telnet_user", "uuuuuuuuuuuu"},
    {"telnet_password", "pppppppppppp"},
    {"telnet_port", "65535"},
    {"Debug_aprsis", "1"},
    {"Debug_ntp", "0"},
    {"Debug_dns", "0"},
    {"Debug_weather", "1"},
    {"Debug_wunderground", "0"},
    {"Debug_dhcp", "0"},
    {"www_port", "8080"},
    {"Ntp_enable", "0"},
    {"Ntp_servername", "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"},
    {"Callsign", "SP9XYZ"},
    {"Ssid", "15"},
    {"Aprsis1_servername", "111111111111111111111111111111a"},
    {"Aprsis1_port", "0"},
    {"Aprsis2_servername", "222222222222222222222222222222b"},
    {"Aprsis2_port", "65535"},
    {"Aprsis3_servername", "\u00e9333333333333333333333333333333"},
    {"Aprsis3_port", "1"},
    {"Aprsis_user", "SP9XYZ-15ABCDEFG"},
    {"Aprsis_pass", "ssssssssssssssss"},
    {"Weather_dest_string", "APZZZZ"},
    {"Weather_dest_ssid", "14"},
    {"Weather_txrate_aprsis", "1440"},
    {"Weather_comment", "cccccccccccccccccccccccccccccccc"},
    {"Beacon1_dest_string", "A1"},
    {"Beacon1_dest_ssid", "1"},
    {"Beacon1_txrate_aprsis", "10"},
    {"Beacon1_msg", QString(95, '1')},
    {"Beacon2_dest_string", "B2B2B2"},
    {"Beacon2_dest_ssid", "2"},
    {"Beacon2_txrate_aprsis", "20"},
    {"Beacon2_msg", QString(95, '~')},
    {"Beacon3_dest_string", "C3"},
    {"Beacon3_dest_ssid", "3"},
    {"Beacon3_txrate_aprsis", "30"},
    {"Beacon3_msg", "three"},
    {"Beacon4_dest_string", "D4"},
    {"Beacon4_dest_ssid", "4"},
    {"Beacon4_txrate_aprsis", "40"},
    {"Beacon4_msg", "four"},
    {"Beacon5_dest_string", "E5"},
    {"Beacon5_dest_ssid", "5"},
    {"Beacon5_txrate_aprsis", "50"},
    {"Beacon5_msg", "five"},
    {"Beacon6_dest_string", "F6"},
    {"Beacon6_dest_ssid", "6"},
    {"Beacon6_txrate_aprsis", "60"},
    {"Beacon6_msg", "six"},
    {"Beacon7_dest_string", "G7"},
    {"Beacon7_dest_ssid", "7"},
    {"Beacon7_txrate_aprsis", "70"},
    {"Beacon7_msg", "seven"},
    {"Beacon8_dest_string", "H8"},
    {"Beacon8_dest_ssid", "8"},
    {"Beacon8_txrate_aprsis", "1440"},
    {"Beacon8_msg", QString(95, '8')},
    {"WU_enable", "1"},
    {"WU_stationid", "iiiiiiiiiiiiiiiiiiiiiiii"},
    {"WU_password", "wwwwwwwwwwwwwwwwwwwwwww\u00ff"},
    {"WU_normalserver", "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"},
    {"WU_rapidfireserver", "rrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrr"},
    {"WU_sendmethod", "1"},
    {"WU_normalrate", "240"},
    {"WU_rapidfirerate", "60"},
};

TEST(UnpackConfigImage, GivesBackWhatWasPackedAndPacksToTheSameBytes)
{
    Settings source(at(kNow));
    for (const auto& [name, value] : kEverySetting)
        ASSERT_TRUE(source.setValueText(name, value).ok());
    ConfigImage image = packed(source);
    ASSERT_TRUE(CheckEepromImage(image));

    Settings target(at(kNow));
    test::RecordingReporter reporter;
    ASSERT_TRUE(tell(reporter, UnpackConfigImage(image, target)));
    EXPECT_EQ(reporter.calls, QStringList{});
    EXPECT_EQ(test::settingValues(target), test::settingValues(source));
    EXPECT_EQ(packed(target), image);
}

TEST(UnpackConfigImage, StoredBytesShownAsTheyComeBack)
{
    struct Case {
        int offset;
        Bytes stored;
        const char* setting;
        const char* shown;
    };
    const Case cases[] = {
        {20, {0}, "Ssid", "208"},
        {20, {47}, "Ssid", "255"},
        {20, {128}, "Ssid", "80"},
        {20, {255}, "Ssid", "207"},
        {49, {0}, "Weather_dest_ssid", "-48"},
        {49, {127}, "Weather_dest_ssid", "79"},
        {49, {128}, "Weather_dest_ssid", "-176"},
        {1170, {255}, "Beacon8_dest_ssid", "-49"},
        {14, bytes("SP9   "), "Callsign", "SP9   "},
        {43, bytes("AB C  "), "Weather_dest_string", "AB C"},
        {516, bytes("      "), "Beacon2_dest_string", ""},
        {385, {255}, "Netconfig", "-1"},
        {42, {11}, "Weather_stationtype", "-1"},
        {1439, {2}, "WU_sendmethod", "-1"},
        {352, {2}, "Ntp_enable", "1"},
        {352, {0}, "Ntp_enable", "0"},
        {1300, {0xFF, 0xFF}, "telnet_port", "65535"},
        {1440, {0}, "WU_normalrate", "0"},
        {386, {0xFF}, "Ipaddr0", "255"},
        {1309, {0xE9, 0xFF, 0}, "WU_stationid", "\u00e9\u00ff"},
        {86, bytes("lower"), "Aprsis_user", "lowerL"},
        // A field without its terminator ends at the field's edge.
        {120, Bytes(34, 'a'), "Aprsis1_servername", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"},
        {22, bytes("ABCDEFGHIJ"), "Latitude", "ABCDEFGHI"},
    };
    for (const Case& c : cases) {
        ConfigImage image = packedWith({});
        put(image, c.offset, c.stored);
        Settings settings(at(kNow));
        test::RecordingReporter reporter;
        ASSERT_TRUE(tell(reporter, UnpackConfigImage(image, settings)));
        EXPECT_EQ(settings.valueText(c.setting), QString::fromUtf8(c.shown)) << c.setting;
    }
}

TEST(UnpackConfigImage, ANoSelectionListPacksAs255Again)
{
    ConfigImage image = packedWith({});
    image[385] = 255;
    Settings settings(at(kNow));
    test::RecordingReporter reporter;
    ASSERT_TRUE(tell(reporter, UnpackConfigImage(image, settings)));
    EXPECT_EQ(packed(settings)[385], 255);
}

TEST(UnpackConfigImage, LeavesTheClockFieldsAndUploadpctime)
{
    ConfigImage image = packedWith({}); // clock fields 2023-11-14 22:13
    Settings settings(at(0));           // 1970-01-01 00:00
    settings.setChecked("Uploadpctime", false);
    settings.setText("Rtcmin", "77");
    test::RecordingReporter reporter;
    ASSERT_TRUE(tell(reporter, UnpackConfigImage(image, settings)));
    EXPECT_EQ(test::settingValues(
                  settings, {"Uploadpctime", "Rtcyear", "Rtcmonth", "Rtcday", "Rtchour", "Rtcmin"}),
              (QStringList{"Uploadpctime=0", "Rtcyear=1970", "Rtcmonth=1", "Rtcday=1", "Rtchour=0",
                           "Rtcmin=77"}));
    EXPECT_TRUE(settings.isEnabled("Rtcyear"));
}

TEST(UnpackConfigImage, VersionMismatchShowsTheBoxAndChangesNothing)
{
    struct Case {
        std::string version; // offsets 6 to 13
        const char* shown;
    };
    const Case cases[] = {
        {std::string("v1.01\0\0\0", 8), "v1.01"},
        {"v1.03xyz", "v1.03xy"},
        {std::string("V1.02\0\0\0", 8), "unknown"},
        {std::string(8, '\0'), "unknown"},
    };
    for (const Case& c : cases) {
        ConfigImage image = packedWith({{"Callsign", "SP9XYZ"}});
        put(image, 6, bytes(c.version));
        Settings settings(at(kNow));
        const QStringList before = test::settingValues(settings);
        test::RecordingReporter reporter;
        EXPECT_FALSE(tell(reporter, UnpackConfigImage(image, settings)));
        EXPECT_EQ(reporter.calls,
                  QStringList{QStringLiteral("information: Uncompatible configuration version:\n"
                                             "Device: %1\nConfigurator: v1.02")
                                  .arg(c.shown)});
        EXPECT_EQ(test::settingValues(settings), before);
        EXPECT_EQ(slice(image, 6, 8), bytes(c.version)); // the image is only read
    }
}

TEST(UnpackConfigImage, OnlyTheFirstFiveVersionCharactersCount)
{
    ConfigImage image = packedWith({{"Callsign", "SP9XYZ"}});
    put(image, 6, bytes("v1.02abc"));
    Settings settings(at(kNow));
    test::RecordingReporter reporter;
    EXPECT_TRUE(tell(reporter, UnpackConfigImage(image, settings)));
    EXPECT_EQ(settings.text("Callsign"), "SP9XYZ");
    EXPECT_EQ(image[13], 'c');
}

TEST(PackConfigImage, RefusesTextsItCannotStore)
{
    struct Case {
        const char* setting;
        QString value;
        const char* message;
    };
    const Case cases[] = {
        {"Callsign", "SP9XYZA", "Callsign - text too long (at most 6 characters)."},
        {"Beacon4_dest_string", "APXQ080",
         "Beacon4_dest_string - text too long (at most 6 characters)."},
        {"telnet_password", QString(13, 'p'),
         "telnet_password - text too long (at most 12 characters)."},
        {"Weather_comment", QString(33, 'c'),
         "Weather_comment - text too long (at most 32 characters)."},
        {"Aprsis_user", QString(17, 'u'), "Aprsis_user - text too long (at most 16 characters)."},
        {"Beacon8_msg", QString(96, 'm'), "Beacon8_msg - text too long (at most 95 characters)."},
        {"WU_rapidfireserver", QString(40, 'r'),
         "WU_rapidfireserver - text too long (at most 39 characters)."},
        {"WU_password", QString::fromUtf8("pass\u20ac"),
         "WU_password - holds a character that cannot be stored (only Latin-1 characters are "
         "allowed)."},
        {"Callsign", QString::fromUtf8("SP\u0141"),
         "Callsign - holds a character that cannot be stored (only Latin-1 characters are "
         "allowed)."},
        {"Ntp_servername", QString::fromUtf8("\u65e5"),
         "Ntp_servername - holds a character that cannot be stored (only Latin-1 characters are "
         "allowed)."},
    };
    for (const Case& c : cases) {
        Settings settings(at(kNow));
        settings.setText(c.setting, c.value);
        test::RecordingReporter reporter;
        ConfigImage image;
        EXPECT_FALSE(tell(reporter, PackConfigImage(settings, image))) << c.setting;
        EXPECT_EQ(reporter.calls, QStringList{QString("information: ") + c.message});
        EXPECT_EQ(settings.text(c.setting), c.value);
    }
}

TEST(PackConfigImage, TextRefusalsComeInTheWalksOrder)
{
    struct Case {
        Changes changes;
        const char* seen;
    };
    const Case cases[] = {
        {{{"telnet_port", ""}, {"telnet_user", QString(13, 'u')}},
         "information: telnet_user - text too long (at most 12 characters)."},
        {{{"Ntp_servername", QString(32, 'n')}, {"Rtcday", ""}},
         "error: '' is not a valid integer value."},
        {{{"Beacon1_dest_string", ""}, {"Weather_comment", QString(33, 'c')}},
         "information: Weather_comment - text too long (at most 32 characters)."},
        {{{"WU_normalrate", "0"}, {"WU_stationid", QString(25, 'i')}},
         "information: WU_stationid - text too long (at most 24 characters)."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(packWith(c.changes), QStringList{c.seen});
}

} // namespace
} // namespace orvik
