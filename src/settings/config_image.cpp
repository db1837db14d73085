#include "settings/config_image.h"

#include "settings/catalogue.h"
#include "settings/latin1.h"
#include "settings/number.h"
#include "settings/settings.h"
#include "settings/validation.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <utility>

namespace orvik {

namespace {

// How a setting is laid out in the image.
enum class ImageEncoding {
    Index,       // u8 item index, 255 when nothing is selected
    Flag,        // u8, 1 checked, 0 not
    U8,          // number, which its rules keep within a byte
    U16,         // number, which its rules keep within 16 bits, little-endian
    Port,        // U16; an empty field stores 0
    Text,        // Latin-1 bytes and a zero within `width` bytes
    UpperText,   // Text with a to z upper-cased
    Callsign,    // six bytes, a to z upper-cased, padded with spaces; read back as they stand
    ToCall,      // as Callsign; read back without the padding
    StationSsid, // u8 "0" + SSID; read back as (byte - 48) modulo 256
    DestSsid,    // u8 "0" + SSID; read back as the byte taken signed, minus 48
};

constexpr int kCallWidth = 6;

struct Field {
    Setting setting{};
    int offset = 0;
    ImageEncoding encoding{};
    int width = 0; // Text and UpperText: bytes including the terminator

    constexpr int size() const
    {
        switch (encoding) {
        case ImageEncoding::U16:
        case ImageEncoding::Port:
            return 2;
        case ImageEncoding::Text:
        case ImageEncoding::UpperText:
            return width;
        case ImageEncoding::Callsign:
        case ImageEncoding::ToCall:
            return kCallWidth;
        case ImageEncoding::Index:
        case ImageEncoding::Flag:
        case ImageEncoding::U8:
        case ImageEncoding::StationSsid:
        case ImageEncoding::DestSsid:
            break;
        }
        return 1;
    }
    // How many characters of a text the field holds; 0 for a number.
    constexpr int textRoom() const
    {
        switch (encoding) {
        case ImageEncoding::Text:
        case ImageEncoding::UpperText:
            return width - 1; // and the terminator
        case ImageEncoding::Callsign:
        case ImageEncoding::ToCall:
            return size(); // padded, not terminated
        default:
            return 0;
        }
    }
};

constexpr int kConfigVersionOffset = 6;
constexpr int kVersionCompared = 5;
constexpr int kVersionEnd = 13; // last byte of the version field
constexpr int kStampOffset = 4;
constexpr int kFixedOneOffset = 1442;
constexpr int kEndOffset = 1443;
constexpr int kSumFirst = 4;
constexpr int kSumEnd = 1448; // one past the last summed byte
constexpr char kEndMarker[] = "END";

// The bytes that hold no setting: sum, stamp, version, the fixed 1, "END".
struct FixedBytes {
    int offset;
    int size;
};
constexpr FixedBytes kFixedBytes[] = {
    {0, kStampOffset},
    {kStampOffset, 2},
    {kConfigVersionOffset, kVersionEnd + 1 - kConfigVersionOffset},
    {kFixedOneOffset, 1},
    {kEndOffset, 3},
};

// Every stored setting, in the order the packing walks them (the order of the
// validation rules, but for those applied last, after the walk). Unpacking
// walks the same list and skips the clock fields.
struct Layout {
    std::array<Field, kSettingCount> fields{};
    std::size_t count = 0;

    constexpr void add(std::initializer_list<Field> more)
    {
        for (const Field& f : more)
            fields[count++] = f;
    }
    constexpr const Field* begin() const { return fields.data(); }
    constexpr const Field* end() const { return fields.data() + count; }
};

constexpr Layout buildLayout()
{
    using E = ImageEncoding;
    Layout f;
    f.add({
        {Setting::Weather_stationtype, 42, E::Index},
        {Setting::Latitude, 22, E::Text, 9},
        {Setting::Longitude, 31, E::Text, 10},
        {Setting::Netconfig, 385, E::Index},
    });
    constexpr std::pair<Setting, int> octetRows[] = {{Setting::Ipaddr0, 386},
                                                     {Setting::Ipmask0, 394},
                                                     {Setting::Ipgate0, 390},
                                                     {Setting::Ipdns0, 398}};
    for (const auto& [first, offset] : octetRows) {
        for (int i = 0; i < 4; ++i)
            f.add({{settingAfter(first, i), offset + i, E::U8}});
    }
    f.add({
        {Setting::telnet_user, 1274, E::Text, 13},
        {Setting::telnet_password, 1287, E::Text, 13},
        {Setting::telnet_port, 1300, E::U16},
        {Setting::Debug_aprsis, 1302, E::Index},
        {Setting::Debug_ntp, 1303, E::Index},
        {Setting::Debug_dns, 1304, E::Index},
        {Setting::Debug_weather, 1305, E::Index},
        {Setting::Debug_wunderground, 1306, E::Index},
        {Setting::Debug_dhcp, 1307, E::Index},
        {Setting::www_port, 1272, E::U16},
        {Setting::Rtcyear, 402, E::U16},
        {Setting::Rtcmonth, 404, E::U8},
        {Setting::Rtcday, 405, E::U8},
        {Setting::Rtchour, 406, E::U8},
        {Setting::Rtcmin, 407, E::U8},
        {Setting::Ntp_enable, 352, E::Flag},
        {Setting::Ntp_servername, 353, E::Text, 32},
        {Setting::Callsign, 14, E::Callsign},
        {Setting::Ssid, 20, E::StationSsid},
        {Setting::Aprsis1_servername, 120, E::Text, 32},
        {Setting::Aprsis1_port, 152, E::Port},
        {Setting::Aprsis2_servername, 154, E::Text, 32},
        {Setting::Aprsis2_port, 186, E::Port},
        {Setting::Aprsis3_servername, 188, E::Text, 32},
        {Setting::Aprsis3_port, 220, E::Port},
        {Setting::Aprsis_user, 86, E::UpperText, 17},
        {Setting::Aprsis_pass, 103, E::Text, 17},
        {Setting::Weather_dest_string, 43, E::ToCall},
        {Setting::Weather_dest_ssid, 49, E::DestSsid},
        {Setting::Weather_txrate_aprsis, 50, E::U16},
        {Setting::Weather_comment, 52, E::Text, 34},
    });
    // Eight beacon records of 108 bytes.
    for (int n = 1; n <= kBeaconCount; ++n) {
        const int record = 408 + 108 * (n - 1);
        f.add({
            {beaconField(n, Setting::Beacon1_dest_string), record, E::ToCall},
            {beaconField(n, Setting::Beacon1_dest_ssid), record + 6, E::DestSsid},
            {beaconField(n, Setting::Beacon1_txrate_aprsis), record + 8, E::U16},
            {beaconField(n, Setting::Beacon1_msg), record + 10, E::Text, 96},
        });
    }
    f.add({
        {Setting::WU_enable, 1308, E::Index},
        {Setting::WU_stationid, 1309, E::Text, 25},
        {Setting::WU_password, 1334, E::Text, 25},
        {Setting::WU_normalserver, 1359, E::Text, 40},
        {Setting::WU_rapidfireserver, 1399, E::Text, 40},
        {Setting::WU_sendmethod, 1439, E::Index},
        {Setting::WU_normalrate, 1440, E::U8},
        {Setting::WU_rapidfirerate, 1441, E::U8},
    });
    return f;
}

constexpr Layout kLayout = buildLayout();

// The layout's own rules, checked as it is compiled; a failing field is named
// in the error ("In instantiation of 'CheckedField<orvik::Setting::...>'").
constexpr const Field& fieldOf(Setting setting)
{
    const Field* f = kLayout.begin();
    while (f->setting != setting)
        ++f;
    return *f;
}

constexpr bool apart(int offset, int size, const Field& other)
{
    return offset + size <= other.offset || other.offset + other.size() <= offset;
}

constexpr bool apartFromTheOthers(Setting setting)
{
    const Field& field = fieldOf(setting);
    for (const Field& other : kLayout) {
        if (&other != &field && !apart(other.offset, other.size(), field))
            return false;
    }
    for (const FixedBytes& fixed : kFixedBytes) {
        if (!apart(fixed.offset, fixed.size, field))
            return false;
    }
    return true;
}

constexpr int timesStored(Setting setting)
{
    int times = 0;
    for (const Field& f : kLayout)
        times += f.setting == setting ? 1 : 0;
    return times;
}

template <Setting S> struct CheckedField {
    static_assert(timesStored(S) == 1, "a setting is stored in one field");
    static_assert(fieldOf(S).offset >= kSumFirst &&
                      fieldOf(S).offset + fieldOf(S).size() <= kSumEnd,
                  "every field lies within the summed range");
    static_assert(apartFromTheOthers(S), "no field overlaps another or the fixed bytes");
    static_assert(fieldOf(S).textRoom() > 0 || fieldOf(S).width == 0,
                  "only a text has a width, and it holds at least one character");
    static constexpr bool checked = true;
};

template <std::size_t... I> constexpr bool everyFieldChecked(std::index_sequence<I...>)
{
    return (CheckedField<kLayout.fields[I].setting>::checked && ...);
}
static_assert(everyFieldChecked(std::make_index_sequence<kLayout.count>()));

// The low 16 bits of a number, little-endian.
void putU16(ConfigImage& image, int offset, std::uint32_t value)
{
    qToLittleEndian(static_cast<std::uint16_t>(value), image.data() + offset);
}

std::uint32_t sumOfImage(const ConfigImage& image)
{
    std::uint32_t sum = 0;
    for (int i = kSumFirst; i < kSumEnd; ++i)
        sum += image[i];
    return sum;
}

// Puts the number a setting holds, when it is one.
template <class Put> Result<> putNumber(const Settings& settings, Setting setting, Put put)
{
    const Result<std::int32_t> value = readNumber(settings.text(setting));
    if (!value.ok())
        return value.error();
    put(*value);
    return {};
}

// Stores one setting whose value has passed its rules, so that it fits its
// field; a number out of a range applied last goes in by its low bits, and
// the packing is refused after the walk.
Result<> store(const Field& field, const Settings& settings, ConfigImage& image)
{
    std::uint8_t* at = image.data() + field.offset;
    switch (field.encoding) {
    case ImageEncoding::Index: {
        const int index = settings.index(field.setting);
        *at = index < 0 ? 255 : static_cast<std::uint8_t>(index);
        return {};
    }
    case ImageEncoding::Flag:
        *at = settings.checked(field.setting) ? 1 : 0;
        return {};
    case ImageEncoding::U8:
        return putNumber(settings, field.setting,
                         [&](std::int32_t n) { *at = static_cast<std::uint8_t>(n); });
    case ImageEncoding::Port:
        if (settings.text(field.setting).isEmpty())
            return {};
        [[fallthrough]];
    case ImageEncoding::U16:
        return putNumber(settings, field.setting, [&](std::int32_t n) {
            putU16(image, field.offset, static_cast<std::uint32_t>(n));
        });
    case ImageEncoding::StationSsid:
    case ImageEncoding::DestSsid:
        return putNumber(settings, field.setting,
                         [&](std::int32_t n) { *at = static_cast<std::uint8_t>('0' + n); });
    case ImageEncoding::Text:
    case ImageEncoding::UpperText:
    case ImageEncoding::Callsign:
    case ImageEncoding::ToCall:
        break;
    }

    // The rules refused a text longer than its field holds.
    QByteArray bytes = settings.text(field.setting).toLatin1();
    Q_ASSERT(bytes.size() <= field.textRoom());
    if (field.encoding != ImageEncoding::Text)
        upperCase(bytes);
    if (field.encoding == ImageEncoding::Callsign || field.encoding == ImageEncoding::ToCall)
        std::memset(at, ' ', kCallWidth);
    // The image was cleared, so a Text field's terminator is already there.
    std::memcpy(at, bytes.constData(), bytes.size());
    return {};
}

// The bytes from `at` up to the first zero, but never beyond `width`.
QString readText(const std::uint8_t* at, int width)
{
    const auto* end = std::find(at, at + width, std::uint8_t{0});
    return QString::fromLatin1(reinterpret_cast<const char*>(at), end - at);
}

void load(const Field& field, const ConfigImage& image, Settings& settings)
{
    const std::uint8_t* at = image.data() + field.offset;
    const Setting name = field.setting;
    switch (field.encoding) {
    case ImageEncoding::Index:
        settings.setIndex(name, *at);
        break;
    case ImageEncoding::Flag:
        settings.setChecked(name, *at != 0);
        break;
    case ImageEncoding::U8:
        settings.setText(name, QString::number(*at));
        break;
    case ImageEncoding::U16:
    case ImageEncoding::Port:
        settings.setText(name, QString::number(qFromLittleEndian<std::uint16_t>(at)));
        break;
    case ImageEncoding::StationSsid:
        settings.setText(name, QString::number(static_cast<std::uint8_t>(*at - '0')));
        break;
    case ImageEncoding::DestSsid:
        settings.setText(name, QString::number(static_cast<std::int8_t>(*at) - '0'));
        break;
    case ImageEncoding::Text:
    case ImageEncoding::UpperText:
        settings.setText(name, readText(at, field.width));
        break;
    case ImageEncoding::Callsign:
        settings.setText(name, readText(at, kCallWidth));
        break;
    case ImageEncoding::ToCall: {
        QString call = readText(at, kCallWidth);
        while (call.endsWith(QLatin1Char(' ')))
            call.chop(1);
        settings.setText(name, call);
        break;
    }
    }
}

// A linear congruential generator seeded with the time, advanced twice.
std::uint16_t writeStamp(std::int64_t now)
{
    auto state = static_cast<std::uint32_t>(now);
    for (int i = 0; i < 2; ++i)
        state = state * 22695477u + 1u;
    return static_cast<std::uint16_t>(((state >> 16) & 0x7FFF) % 10000);
}

} // namespace

Result<> PackConfigImage(const Settings& settings, ConfigImage& image)
{
    image.fill(0);
    std::memcpy(image.data() + kConfigVersionOffset, kVersionLiteral, sizeof kVersionLiteral - 1);
    image[kFixedOneOffset] = 1;

    const std::vector<Rule>& rules = validationRules();
    for (const Field& field : kLayout) {
        const Result<std::optional<std::size_t>> failed = firstFailedRule(settings, field.setting);
        if (!failed.ok())
            return failed.error();
        if (*failed && !rules[**failed].last)
            return OperationError(Cause::Refused, rules[**failed].message());
        if (Result<> stored = store(field, settings, image); !stored.ok())
            return stored;
    }
    for (const Rule& rule : rules) {
        if (!rule.last)
            continue;
        const Result<bool> passed = passes(rule, settings.text(rule.setting));
        if (!passed.ok())
            return passed.error();
        if (!*passed)
            return OperationError(Cause::Refused, rule.message());
    }

    std::memcpy(image.data() + kEndOffset, kEndMarker, 3);
    putU16(image, kStampOffset, writeStamp(settings.clock()()));
    qToLittleEndian(sumOfImage(image), image.data());
    return {};
}

Result<> UnpackConfigImage(const ConfigImage& received, Settings& settings)
{
    if (std::memcmp(received.data() + kConfigVersionOffset, kVersionLiteral, kVersionCompared) !=
        0) {
        // The stored version text ends before the field's last byte.
        const QString device = received[kConfigVersionOffset] == 'v'
                                   ? readText(received.data() + kConfigVersionOffset,
                                              kVersionEnd - kConfigVersionOffset)
                                   : QCoreApplication::translate("Image", "unknown");
        return OperationError(
            Cause::Refused,
            QCoreApplication::translate(
                "Image", "Uncompatible configuration version:\nDevice: %1\nConfigurator: %2")
                .arg(device, kVersionText));
    }
    for (const Field& field : kLayout) {
        if (!isClockField(field.setting))
            load(field, received, settings);
    }
    return {};
}

int storedTextRoom(Setting setting)
{
    const auto* field = std::find_if(kLayout.begin(), kLayout.end(),
                                     [&](const Field& f) { return f.setting == setting; });
    return field == kLayout.end() ? 0 : field->textRoom();
}

bool CheckEepromImage(const ConfigImage& image)
{
    return qFromLittleEndian<std::uint32_t>(image.data()) == sumOfImage(image) &&
           std::memcmp(image.data() + kEndOffset, kEndMarker, 3) == 0;
}

} // namespace orvik
