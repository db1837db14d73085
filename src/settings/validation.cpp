#include "settings/validation.h"

#include "geo/position.h"
#include "settings/catalogue.h"
#include "settings/config_image.h"
#include "settings/latin1.h"
#include "settings/number.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <algorithm>

namespace orvik {

namespace {

using Message = std::function<QString()>;

// A message that is one whole text.
Message fixed(const char* text)
{
    return [text] { return QCoreApplication::translate("Validation", text); };
}

// "`what` - range error (low - high).", `what` being a text marked in the
// context "Validation", with `number` for its "%1" where it has one.
Message rangeMessage(const char* what, int low, int high, int number = 0)
{
    return [=] {
        QString subject = QCoreApplication::translate("Validation", what);
        if (number != 0)
            subject = subject.arg(number);
        return QCoreApplication::translate("Validation", "%1 - range error (%2 - %3).")
            .arg(subject, QString::number(low), QString::number(high));
    };
}

// What the image cannot keep: a text longer than its field, a character
// outside Latin-1, a number wider than its field (which would reach the
// appliance as another value). After the rules above; the numbers' ranges
// are applied last, so that none of their messages moves.
void addStorageRules(std::vector<Rule>& r)
{
    for (const SettingDef& def : catalogue()) {
        const int room = storedTextRoom(def.id);
        if (room == 0)
            continue;
        // Never more than the field holds, whatever the catalogue says.
        const int limit = std::min(def.maxLength, room);
        const QString name = def.name;
        r.push_back({def.id, Test::FitsField, 0, limit, [name, limit] {
                         return QCoreApplication::translate(
                                    "Validation", "%1 - text too long (at most %n characters).",
                                    nullptr, limit)
                             .arg(name);
                     }});
        r.push_back({def.id, Test::Latin1, 0, 0, [name] { return latin1RefusalMessage(name); }});
    }
    const struct {
        Setting setting;
        const char* what;
        int low;
        int high;
    } ranges[] = {
        {Setting::telnet_port, QT_TRANSLATE_NOOP("Validation", "Telnet port"), 0, 65535},
        {Setting::www_port, QT_TRANSLATE_NOOP("Validation", "WWW port"), 0, 65535},
        {Setting::Rtcyear, QT_TRANSLATE_NOOP("Validation", "RTC year"), 1000, 9999},
        {Setting::Rtcmonth, QT_TRANSLATE_NOOP("Validation", "RTC month"), 1, 12},
        {Setting::Rtcday, QT_TRANSLATE_NOOP("Validation", "RTC day"), 1, 31},
        {Setting::Rtchour, QT_TRANSLATE_NOOP("Validation", "RTC hour"), 0, 23},
        {Setting::Rtcmin, QT_TRANSLATE_NOOP("Validation", "RTC minute"), 0, 59},
    };
    for (const auto& [setting, what, low, high] : ranges)
        r.push_back({setting, Test::Range, low, high, rangeMessage(what, low, high), true});
}

std::vector<Rule> buildRules()
{
    const Message latitude = fixed(QT_TRANSLATE_NOOP(
        "Validation", "Our latitude - syntax error (e.g. 5221.60N, format: DDMM.MM)."));
    std::vector<Rule> r = {
        {Setting::Latitude, Test::Length, 8, 0, latitude},
        {Setting::Latitude, Test::Latitude, 0, 0, latitude},
        {Setting::Longitude, Test::Length, 9, 0,
         fixed(QT_TRANSLATE_NOOP("Validation",
                                 "Our longitude - syntax error (e.g. 01653.63E, format "
                                 "DDDMM.MM)."))},
        {Setting::Longitude, Test::Longitude, 0, 0,
         fixed(QT_TRANSLATE_NOOP("Validation",
                                 "Our longitude - syntax error (e.g. 01653.63E, format: "
                                 "DDDMM.MM)."))},
    };
    const std::pair<Setting, const char*> octetRows[] = {
        {Setting::Ipaddr0, QT_TRANSLATE_NOOP("Validation", "IP Address")},
        {Setting::Ipmask0, QT_TRANSLATE_NOOP("Validation", "IP Mask")},
        {Setting::Ipgate0, QT_TRANSLATE_NOOP("Validation", "Gateway")},
        {Setting::Ipdns0, QT_TRANSLATE_NOOP("Validation", "DNS")}};
    for (const auto& [first, label] : octetRows) {
        for (int i = 0; i < 4; ++i)
            r.push_back({settingAfter(first, i), Test::Range, 0, 255, rangeMessage(label, 0, 255)});
    }
    r.push_back({Setting::telnet_port, Test::Number});
    r.push_back({Setting::www_port, Test::Number});
    for (const Setting field : kClockFields)
        r.push_back({field, Test::Number});
    r.push_back({Setting::Callsign, Test::NotEmpty, 0, 0,
                 fixed(QT_TRANSLATE_NOOP("Validation", "Callsign - too short (e.g. NOCALL-4)."))});
    r.push_back({Setting::Ssid, Test::Range, 0, 15,
                 fixed(QT_TRANSLATE_NOOP("Validation", "Callsign - SSID range error (0 - 15)."))});
    for (int i = 1; i <= 3; ++i)
        r.push_back(
            {settingAfter(Setting::Aprsis1_port, 2 * (i - 1)), Test::RangeOrEmpty, 0, 65535,
             rangeMessage(QT_TRANSLATE_NOOP("Validation", "APRS-IS Server %1 Port"), 0, 65535, i)});
    r.push_back(
        {Setting::Weather_dest_string, Test::NotEmpty, 0, 0,
         fixed(QT_TRANSLATE_NOOP("Validation", "Weather destination - too short (e.g. APXQ08)."))});
    r.push_back({Setting::Weather_dest_ssid, Test::RangeOrFail, 0, 15,
                 fixed(QT_TRANSLATE_NOOP("Validation",
                                         "Weather destination - SSID range error (0 - 15)."))});
    r.push_back({Setting::Weather_txrate_aprsis, Test::ZeroOrRange, 5, 1440,
                 fixed(QT_TRANSLATE_NOOP(
                     "Validation", "Weather report tx rate (APRSIS) range error (5 - 1440)."))});
    r.push_back(
        {Setting::Weather_comment, Test::Printable, 0, 0,
         fixed(QT_TRANSLATE_NOOP("Validation", "Weather report comment - forbidden characters."))});
    for (int n = 1; n <= kBeaconCount; ++n) {
        const auto name = [n](Setting firstBeacons) { return beaconField(n, firstBeacons); };
        // A whole sentence, "%1" standing for the beacon's number.
        const auto message = [n](const char* text) -> Message {
            return [n, text] { return QCoreApplication::translate("Validation", text).arg(n); };
        };
        r.push_back({name(Setting::Beacon1_dest_string), Test::NotEmpty, 0, 0,
                     message(QT_TRANSLATE_NOOP(
                         "Validation", "Beacon %1 destination - too short (e.g. APXQ08)."))});
        r.push_back({name(Setting::Beacon1_dest_ssid), Test::RangeOrFail, 0, 15,
                     message(QT_TRANSLATE_NOOP(
                         "Validation", "Beacon %1 destination - SSID range error (0 - 15)."))});
        r.push_back(
            {name(Setting::Beacon1_txrate_aprsis), Test::ZeroOrRange, 5, 1440,
             message(QT_TRANSLATE_NOOP("Validation", "Beacon %1 tx rate (APRSIS) range "
                                                     "error (5 - 1440), or 0 to disable."))});
        r.push_back({name(Setting::Beacon1_msg), Test::Printable, 0, 0,
                     message(QT_TRANSLATE_NOOP("Validation",
                                               "Beacon %1 message - forbidden characters."))});
    }
    r.push_back({Setting::WU_normalrate, Test::Range, 1, 240,
                 fixed(QT_TRANSLATE_NOOP(
                     "Validation", "WeatherUnderground normal send rate range error (1 - 240)."))});
    r.push_back(
        {Setting::WU_rapidfirerate, Test::Range, 5, 60,
         fixed(QT_TRANSLATE_NOOP(
             "Validation", "WeatherUnderground \"Rapid fire\" send rate range error (5 - 60)."))});
    addStorageRules(r);
    return r;
}

bool inRange(const Rule& rule, int value)
{
    return value >= rule.low && value <= rule.high;
}

// Whether the number `text` holds meets `holds`; fails with notANumber where
// it holds none.
template <class Holds> Result<bool> numberHolds(const QString& text, Holds holds)
{
    const Result<std::int32_t> value = readNumber(text);
    if (!value.ok())
        return value.error();
    return holds(*value);
}

} // namespace

const std::vector<Rule>& validationRules()
{
    static const std::vector<Rule> rules = buildRules();
    return rules;
}

Result<bool> passes(const Rule& rule, const QString& text)
{
    switch (rule.test) {
    case Test::Length:
        return characterCount(text) == rule.low;
    case Test::Latitude:
        return CheckLatitude(text);
    case Test::Longitude:
        return CheckLongitude(text);
    case Test::Number:
        return numberHolds(text, [](std::int32_t) { return true; });
    case Test::RangeOrEmpty:
        if (text.isEmpty())
            return true;
        [[fallthrough]];
    case Test::Range:
        return numberHolds(text, [&](std::int32_t n) { return inRange(rule, n); });
    case Test::RangeOrFail: {
        const auto value = tryReadNumber(text);
        return value && inRange(rule, *value);
    }
    case Test::ZeroOrRange:
        return numberHolds(text, [&](std::int32_t n) { return n == 0 || inRange(rule, n); });
    case Test::NotEmpty:
        return !text.isEmpty();
    case Test::Printable:
        for (const QChar c : text) {
            if (c.unicode() < 32 || c.unicode() > 126)
                return false;
        }
        return true;
    case Test::FitsField:
        return characterCount(text) <= rule.high;
    case Test::Latin1:
        return toLatin1(text).has_value();
    }
    return false;
}

Result<std::optional<std::size_t>> firstFailedRule(const Settings& settings, Setting setting)
{
    const std::vector<Rule>& rules = validationRules();
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (rules[i].setting != setting)
            continue;
        const Result<bool> passed = passes(rules[i], settings.text(setting));
        if (!passed.ok())
            return passed.error();
        if (!*passed)
            return std::optional<std::size_t>(i);
    }
    return std::optional<std::size_t>();
}

bool CheckLatitude(const QString& text)
{
    return readLatitude(text).has_value();
}

bool CheckLongitude(const QString& text)
{
    return readLongitude(text).has_value();
}

} // namespace orvik
