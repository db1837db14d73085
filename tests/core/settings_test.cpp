#include "files/result.h"
#include "settings/catalogue.h"
#include "settings/settings.h"
#include "support/expected_defaults.h"

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

TEST(Settings, FreshConfiguratorHoldsEveryDefaultInFocusOrder)
{
    const Settings s(at(kNovember));
    ASSERT_EQ(catalogue().size(), test::kExpectedSettingCount);
    ASSERT_EQ(kSettingCount, test::kExpectedSettingCount);
    for (std::size_t i = 0; i < test::kExpectedSettingCount; ++i) {
        const test::ExpectedDefault& row = test::kExpectedDefaults[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(catalogue()[i].name, QString(row.name));
        EXPECT_EQ(position(catalogue()[i].id), i); // the enumerators in the rows' order
        EXPECT_EQ(s.valueText(row.name), QString(row.value));
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
    ASSERT_TRUE(s.setValueText("Callsign", " sp9xyz ").ok());
    ASSERT_TRUE(s.setValueText("Weather_stationtype", "$A").ok());
    ASSERT_TRUE(s.setValueText("Uploadpctime", "0").ok());
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
        {"Nope", [](Settings& s) { (void)s.setValueText("Nope", "1"); }},
        {"Uploadpctime", [](Settings& s) { (void)s.text("Uploadpctime"); }},
    };
    Settings s(at(kNovember));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
#ifdef QT_NO_DEBUG
        EXPECT_THROW(row.use(s), OperationError);
#else
        EXPECT_DEATH(row.use(s), row.name);
#endif
    }
}

} // namespace
} // namespace orvik
