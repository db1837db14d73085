#include "settings/catalogue.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <cstdlib>
#include <ctime>
#include <functional>

namespace orvik {
namespace {

// 2023-11-14 22:13:20 UTC.
constexpr std::int64_t kNovember = 1700000000;

Clock at(std::int64_t t)
{
    return [t] { return t; };
}

// Every setting of a freshly started configurator, written out by hand: the
// catalogue must reproduce it, not the other way round.
const std::vector<std::pair<const char*, const char*>> kExpectedDefaults = {
    {"Weather_stationtype", "5"},
    {"Latitude", "5223.08N"},
    {"Longitude", "01658.14E"},
    {"Netconfig", "0"},
    {"Ipaddr0", "192"},
    {"Ipaddr1", "168"},
    {"Ipaddr2", "2"},
    {"Ipaddr3", "2"},
    {"Ipmask0", "255"},
    {"Ipmask1", "255"},
    {"Ipmask2", "255"},
    {"Ipmask3", "0"},
    {"Ipgate0", "192"},
    {"Ipgate1", "168"},
    {"Ipgate2", "2"},
    {"Ipgate3", "1"},
    {"Ipdns0", "192"},
    {"Ipdns1", "168"},
    {"Ipdns2", "2"},
    {"Ipdns3", "1"},
    {"telnet_user", "admin"},
    {"telnet_password", "tokra"},
    {"telnet_port", "23"},
    {"Debug_aprsis", "0"},
    {"Debug_ntp", "1"},
    {"Debug_dns", "1"},
    {"Debug_weather", "0"},
    {"Debug_wunderground", "1"},
    {"Debug_dhcp", "1"},
    {"www_port", "80"},
    {"Uploadpctime", "1"},
    {"Rtcyear", "2023"},
    {"Rtcmonth", "11"},
    {"Rtcday", "14"},
    {"Rtchour", "22"},
    {"Rtcmin", "13"},
    {"Ntp_enable", "1"},
    {"Ntp_servername", "pool.ntp.org"},
    {"Callsign", "NOCALL"},
    {"Ssid", "0"},
    {"Aprsis1_servername", ""},
    {"Aprsis1_port", "14580"},
    {"Aprsis2_servername", ""},
    {"Aprsis2_port", "14580"},
    {"Aprsis3_servername", ""},
    {"Aprsis3_port", "14580"},
    {"Aprsis_user", "nocall"},
    {"Aprsis_pass", "60417"},
    {"Weather_dest_string", "APXQ08"},
    {"Weather_dest_ssid", "0"},
    {"Weather_txrate_aprsis", "5"},
    {"Weather_comment", "Orvik 2.0 weather"},
    {"Beacon1_dest_string", "APXQ08"},
    {"Beacon1_dest_ssid", "0"},
    {"Beacon1_txrate_aprsis", "5"},
    {"Beacon1_msg", "@<date>z<lat>/<long>-Orvik2.0"},
    {"Beacon2_dest_string", "APXQ08"},
    {"Beacon2_dest_ssid", "0"},
    {"Beacon2_txrate_aprsis", "0"},
    {"Beacon2_msg", ""},
    {"Beacon3_dest_string", "APXQ08"},
    {"Beacon3_dest_ssid", "0"},
    {"Beacon3_txrate_aprsis", "0"},
    {"Beacon3_msg", ""},
    {"Beacon4_dest_string", "APXQ08"},
    {"Beacon4_dest_ssid", "0"},
    {"Beacon4_txrate_aprsis", "0"},
    {"Beacon4_msg", ""},
    {"Beacon5_dest_string", "APXQ08"},
    {"Beacon5_dest_ssid", "0"},
    {"Beacon5_txrate_aprsis", "0"},
    {"Beacon5_msg", ""},
    {"Beacon6_dest_string", "APXQ08"},
    {"Beacon6_dest_ssid", "0"},
    {"Beacon6_txrate_aprsis", "0"},
    {"Beacon6_msg", ""},
    {"Beacon7_dest_string", "APXQ08"},
    {"Beacon7_dest_ssid", "0"},
    {"Beacon7_txrate_aprsis", "0"},
    {"Beacon7_msg", ""},
    {"Beacon8_dest_string", "APXQ08"},
    {"Beacon8_dest_ssid", "0"},
    {"Beacon8_txrate_aprsis", "0"},
    {"Beacon8_msg", ""},
    {"WU_enable", "0"},
    {"WU_stationid", ""},
    {"WU_password", ""},
    {"WU_normalserver", "weatherstation.wunderground.com"},
    {"WU_rapidfireserver", "rtupdate.wunderground.com"},
    {"WU_sendmethod", "0"},
    {"WU_normalrate", "1"},
    {"WU_rapidfirerate", "5"},
};

TEST(Settings, FreshConfiguratorHoldsEveryDefaultInFocusOrder)
{
    const Settings s(at(kNovember));
    ASSERT_EQ(catalogue().size(), kExpectedDefaults.size());
    for (std::size_t i = 0; i < kExpectedDefaults.size(); ++i) {
        const auto& [name, value] = kExpectedDefaults[i];
        SCOPED_TRACE(name);
        EXPECT_EQ(catalogue()[i].name, QString(name));
        EXPECT_EQ(s.valueText(name), QString(value));
    }
}

TEST(Settings, OnlyTheClockFieldsStartDisabled)
{
    const Settings s(at(kNovember));
    for (const SettingDef& d : catalogue()) {
        SCOPED_TRACE(d.name.toStdString());
        EXPECT_EQ(s.isEnabled(d.name), !isClockField(d.id));
    }
}

TEST(Settings, HostNameDefaultsFitTheirFields)
{
    for (const char* name : {"Ntp_servername", "WU_normalserver", "WU_rapidfireserver"}) {
        const SettingDef* d = findSetting(name);
        ASSERT_NE(d, nullptr);
        EXPECT_LE(d->defaultText.size(), d->maxLength) << name;
    }
}

TEST(Settings, EnableRuleFollowsUploadpctimeOnly)
{
    Settings s(at(kNovember));
    QSignalSpy enabledSpy(&s, &Settings::enabledChanged);

    s.setChecked("Uploadpctime", false);
    for (const Setting f : kClockFields)
        EXPECT_TRUE(s.isEnabled(f)) << settingName(f).toStdString();
    EXPECT_EQ(s.text("Rtcyear"), "2023"); // text kept
    EXPECT_EQ(enabledSpy.count(), 5);

    // Ntp_enable runs the same rule, which looks at Uploadpctime alone.
    s.setChecked("Ntp_enable", false);
    s.setChecked("Ntp_enable", true);
    for (const Setting f : kClockFields)
        EXPECT_TRUE(s.isEnabled(f)) << settingName(f).toStdString();
    EXPECT_TRUE(s.isEnabled("Ntp_servername"));

    s.setChecked("Uploadpctime", true);
    for (const Setting f : kClockFields)
        EXPECT_FALSE(s.isEnabled(f)) << settingName(f).toStdString();
    s.setChecked("Ntp_enable", false);
    for (const Setting f : kClockFields)
        EXPECT_FALSE(s.isEnabled(f)) << settingName(f).toStdString();
    EXPECT_TRUE(s.isEnabled("Ntp_servername"));
}

TEST(Settings, SettingACheckBoxToItsStateChangesNothing)
{
    Settings s(at(kNovember));
    QSignalSpy valueSpy(&s, &Settings::valueChanged);
    QSignalSpy enabledSpy(&s, &Settings::enabledChanged);
    s.setChecked("Uploadpctime", true);
    s.setChecked("Ntp_enable", true);
    EXPECT_EQ(valueSpy.count(), 0);
    EXPECT_EQ(enabledSpy.count(), 0);
}

TEST(Settings, ListIndexOutsideItsItemsReadsBackMinusOne)
{
    struct Case {
        const char* name;
        int set;
        int expected;
    };
    const Case cases[] = {
        {"Weather_stationtype", 11, -1},
        {"Weather_stationtype", 10, 10},
        {"Weather_stationtype", -1, -1},
        {"Netconfig", 2, -1},
        {"Netconfig", 1, 1},
        {"WU_sendmethod", 255, -1},
    };
    for (const Case& c : cases) {
        Settings s(at(kNovember));
        s.setIndex(c.name, c.set);
        EXPECT_EQ(s.index(c.name), c.expected) << c.name << " " << c.set;
    }
}

class LocalZone : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* tz = std::getenv("TZ");
        saved_ = tz ? std::optional<std::string>(tz) : std::nullopt;
        // One hour east of UTC, with daylight saving: the clock fields must not follow it.
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
    }
    void TearDown() override
    {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> saved_;
};

TEST_F(LocalZone, ReadPctimeWritesUtcWithoutLeadingZeros)
{
    struct Case {
        std::int64_t t;
        const char* fields[5];
    };
    const Case cases[] = {
        {1700000000, {"2023", "11", "14", "22", "13"}},
        {0, {"1970", "1", "1", "0", "0"}},              // local time is already 01:00
        {1704067199, {"2023", "12", "31", "23", "59"}}, // local time is the new year already
        {1704067200, {"2024", "1", "1", "0", "0"}},     // midnight UTC
        {1709164020, {"2024", "2", "28", "23", "47"}},  // local day is the 29th
        {1719792420, {"2024", "7", "1", "0", "7"}},     // summer time, minute 7
    };
    for (const Case& c : cases) {
        const Settings s(at(c.t));
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(s.text(kClockFields[i]), QString(c.fields[i]))
                << c.t << " " << settingName(kClockFields[i]).toStdString();
    }
}

TEST(Settings, ReadPctimeWritesDisabledFieldsAndFollowsTheClock)
{
    std::int64_t now = kNovember;
    Settings s([&now] { return now; });
    ASSERT_FALSE(s.isEnabled("Rtcmin"));
    now += 3600 * 3; // 2023-11-15 01:13
    s.readPctime();
    EXPECT_EQ(s.text("Rtcday"), "15");
    EXPECT_EQ(s.text("Rtchour"), "1");
}

TEST(Settings, ValueTextRoundTripsEveryKind)
{
    Settings s(at(kNovember));
    s.setValueText("Callsign", " sp9xyz ");
    s.setValueText("Weather_stationtype", "$A");
    s.setValueText("Uploadpctime", "0");
    EXPECT_EQ(s.valueText("Callsign"), " sp9xyz ");
    EXPECT_EQ(s.valueText("Weather_stationtype"), "10");
    EXPECT_EQ(s.valueText("Uploadpctime"), "0");
    EXPECT_TRUE(s.isEnabled("Rtcyear"));
}

// Names come from the program itself, so a mistyped one is a bug: a debug
// build stops at it and names it, a release build refuses it.
TEST(SettingsDeathTest, AMistypedNameOrKindIsRefusedAndNamed)
{
    const struct {
        const char* name;
        std::function<void(Settings&)> use;
    } rows[] = {
        {"Callsgn", [](Settings& s) { (void)s.text("Callsgn"); }},
        {"Weather_statontype", [](Settings& s) { s.setIndex("Weather_statontype", 1); }},
        {"Uploadpctme", [](Settings& s) { s.setChecked("Uploadpctme", false); }},
        {"Rtcyaer", [](Settings& s) { (void)s.isEnabled("Rtcyaer"); }},
        {"Nope", [](Settings& s) { s.setValueText("Nope", "1"); }},
        {"Uploadpctime", [](Settings& s) { (void)s.text("Uploadpctime"); }},
    };
    Settings s(at(kNovember));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
#ifdef QT_NO_DEBUG
        EXPECT_THROW(row.use(s), std::logic_error);
#else
        EXPECT_DEATH(row.use(s), row.name);
#endif
    }
}

} // namespace
} // namespace orvik
