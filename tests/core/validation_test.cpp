#include "settings/aprs_passcode.h"
#include "settings/config_image.h"
#include "settings/findings.h"
#include "settings/settings.h"
#include "settings/station_position.h"
#include "settings/validation.h"
#include "support/pack_with.h"
#include "support/qt_print.h"
#include "support/validation_cases.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace orvik {
namespace {

using namespace test;

const char* const kPass = "";
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
        {"Longitude", "01653.63E", kPass},
        {"Longitude", "17959.99W", kPass},
        {"Ipaddr2", "0", kPass},
        {"Ipaddr2", "255", kPass},
        {"Ipaddr2", "$FF", kPass},
        {"Ipdns0", "255", kPass},
        {"telnet_port", "65535", kPass},
        {"Rtcyear", "9999", kPass},
        {"Rtcmonth", "1", kPass},
        {"Callsign", "a", kPass},
        {"Ssid", "0", kPass},
        {"Ssid", "15", kPass},
        {"Aprsis2_port", "", kPass},
        {"Aprsis2_port", "0", kPass},
        {"Aprsis2_port", "65535", kPass},
        {"Weather_dest_ssid", "15", kPass},
        {"Weather_txrate_aprsis", "0", kPass},
        {"Weather_txrate_aprsis", "5", kPass},
        {"Weather_txrate_aprsis", "1440", kPass},
        {"Weather_comment", "", kPass},
        {"Weather_comment", " !~", kPass},
        {"Beacon5_dest_ssid", "0", kPass},
        {"Beacon7_txrate_aprsis", "0", kPass},
        {"Beacon7_txrate_aprsis", "5", kPass},
        {"Beacon7_txrate_aprsis", "1440", kPass},
        {"Beacon8_msg", "!!~~!!", kPass},
        {"WU_normalrate", "1", kPass},
        {"WU_normalrate", "240", kPass},
        {"WU_rapidfirerate", "5", kPass},
        {"WU_rapidfirerate", "60", kPass},
    };
    for (const Case& c : cases) {
        const QStringList seen = packWith({{c.setting, QString::fromUtf8(c.value)}});
        const QStringList expected =
            *c.seen ? QStringList{QString::fromUtf8(c.seen)} : QStringList{};
        EXPECT_EQ(seen, expected) << c.setting << " = " << c.value;
    }
    for (const BadValue& c : kBadValues) {
        EXPECT_EQ(packWith({{c.setting, QString::fromUtf8(c.value)}}),
                  QStringList{QString::fromUtf8(c.seen)})
            << c.setting << " = " << c.value;
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
        // A range the image adds comes after every other rule.
        {{{"telnet_port", "70000"}, {"Ssid", "16"}}, kSsid},
        {{{"telnet_port", "70000"}, {"Callsign", "TOOLONGCALL"}}, kLongCall},
        {{{"www_port", "-1"}, {"Weather_dest_ssid", "x"}}, kWeatherSsid},
        {{{"www_port", "-1"}, {"Callsign", "TOOLONGCALL"}}, kLongCall},
        {{{"Rtcyear", "999"}, {"Weather_txrate_aprsis", "4"}}, kWeatherRate},
        {{{"Rtcyear", "999"}, {"Callsign", "TOOLONGCALL"}}, kLongCall},
        {{{"Rtcmonth", "13"}, {"Weather_comment", "\u00e9"}}, kComment},
        {{{"Rtcmonth", "13"}, {"Callsign", "TOOLONGCALL"}}, kLongCall},
        {{{"Rtcday", "32"}, {"Beacon7_txrate_aprsis", "4"}}, kBeacon7Rate},
        {{{"Rtcday", "32"}, {"Callsign", "TOOLONGCALL"}}, kLongCall},
        {{{"Rtchour", "24"}, {"WU_normalrate", "0"}}, kNormalRate},
        {{{"Rtchour", "24"}, {"Callsign", "TOOLONGCALL"}}, kLongCall},
        {{{"Rtcmin", "60"}, {"WU_rapidfirerate", "61"}}, kRapidRate},
        {{{"Rtcmin", "60"}, {"Callsign", "TOOLONGCALL"}}, kLongCall},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(packWith(c.changes), QStringList{QString::fromUtf8(c.seen)}) << c.seen;
        Settings settings([] { return std::int64_t{1700000000}; });
        settings.setChecked("Uploadpctime", false);
        settings.setText("Aprsis_pass", "-1");
        for (const auto& [name, value] : c.changes)
            settings.setText(name, value);
        const std::vector<Finding> found = findAll(settings, "en"); // both, that one first
        ASSERT_EQ(found.size(), 2u) << c.seen;
        EXPECT_EQ(found[0].message, messageOf(c.seen)) << c.seen;
    }
}

TEST(Validation, AfterTheFirstFaultIsMendedTheNextIsReported)
{
    EXPECT_EQ(packWith({{"Latitude", "9000.00N"}, {"Callsign", ""}}), QStringList{kLat});
    EXPECT_EQ(packWith({{"Latitude", "8959.99N"}, {"Callsign", ""}}),
              QStringList{"information: Callsign - too short (e.g. NOCALL-4)."});
}

TEST(Validation, CheckRefusesExactlyWhatThePackingRefuses)
{
    // Both sides of every bound, and texts that no field or only Latin-1 holds.
    const QStringList probes = {
        "",     "x",    "-1",   "0",    "1",     "4",     "5",     "12",     "13",    "15",  "16",
        "23",   "24",   "31",   "32",   "59",    "60",    "240",   "241",    "255",   "256", "999",
        "1000", "1440", "1441", "9999", "10000", "65535", "65536", "\u00e9", "\u20ac"};
    Settings settings([] { return std::int64_t{1700000000}; });
    settings.setChecked("Uploadpctime", false);
    for (const SettingDef& def : catalogue()) {
        if (def.kind != Kind::Text)
            continue;
        const QString before = settings.text(def.id);
        for (const QString& value : probes + QStringList{QString(def.maxLength + 1, 'A')}) {
            settings.setText(def.id, value);
            const auto found = findingFor(settings, def.name, "en");
            test::RecordingReporter reporter;
            ConfigImage image;
            (void)runOperation(reporter, [&] { return PackConfigImage(settings, image); });
            EXPECT_EQ(messageOf(reporter.calls.value(0).toUtf8()),
                      found && found->severity == Severity::Fault ? found->message : "")
                << def.name.toStdString() << " = " << value.toStdString();
        }
        settings.setText(def.id, before);
    }
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
    EXPECT_FALSE(tell(reporter, PackConfigImage(settings, image)));
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

TEST(Validation, AprsPasscodeOfTheLoginWithoutItsSsid)
{
    // Worked out by hand from the hash.
    const std::pair<const char*, int> rows[] = {
        {"N0CALL", 13023},   {"n0call-9", 13023}, {"NOCALL", 12960},   {"SP9XYZ", 16560},
        {"sp9xyz-3", 16560}, {"K1ABC", 14993},    {"k1abc-15", 14993},
    };
    for (const auto& [login, passcode] : rows) {
        EXPECT_EQ(aprsPasscode(login), passcode) << login;
        EXPECT_EQ(passcodeWarning(login, QString::number(passcode)), std::nullopt) << login;
        EXPECT_EQ(passcodeWarning(login, "-1"), std::nullopt) << login;
    }
    EXPECT_EQ(passcodeWarning("nocall", "60417"), kNocallPasscodeWarning);
}

TEST(Validation, PositionInDecimalDegreesOnlyWhenValid)
{
    const char* const rows[][3] = {
        {"Latitude", "8959.99S", "= 89.9998\u00b0 S"},
        {"Longitude", "01658.14E", "= 16.9690\u00b0 E"},
        {"Latitude", "9000.00N", ""},
        {"Callsign", "5223.08N", ""},
    };
    for (const auto& [setting, text, shown] : rows)
        EXPECT_EQ(decimalPosition(setting, text), QString::fromUtf8(shown)) << text;
}

} // namespace
} // namespace orvik
