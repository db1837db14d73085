#include "settings/settings.h"

#include "files/result.h"
#include "settings/number.h"

#include <utility>

namespace orvik {

namespace {

// Names and kinds come from the program's own tables and texts, so a mismatch
// is a bug: a debug build stops at it, naming the setting; a release build
// ends the operation in the error box rather than reach past the values.
void require(bool holds, const char* fault, const QString& name)
{
    if (holds)
        return;
    const QByteArray text = fault + name.toUtf8();
    Q_ASSERT_X(false, "Settings", text.constData());
    throw OperationError(Cause::Failed, QString::fromUtf8(text));
}

} // namespace

Setting Settings::idOf(const QString& name)
{
    const SettingDef* d = findSetting(name);
    require(d, "unknown setting ", name);
    return d->id;
}

Settings::Settings(Clock clock, QObject* parent)
    : QObject(parent), clock_(std::move(clock)), values_(catalogue().size())
{
    for (std::size_t i = 0; i < values_.size(); ++i)
        values_[i].enabled = catalogue()[i].enabledAtStart;
    for (const SettingDef& d : catalogue()) {
        switch (d.kind) {
        case Kind::Text:
            setText(d.id, d.defaultText);
            break;
        case Kind::List:
            setIndex(d.id, d.defaultIndex);
            break;
        case Kind::Check:
            setChecked(d.id, d.defaultChecked);
            break;
        }
    }
    readPctime();
}

Settings::Value& Settings::slot(Setting s, Kind kind)
{
    require(settingDef(s).kind == kind, "setting of another kind ", settingName(s));
    return values_[position(s)];
}

const Settings::Value& Settings::slot(Setting s, Kind kind) const
{
    return const_cast<Settings*>(this)->slot(s, kind);
}

QString Settings::text(Setting s) const
{
    return slot(s, Kind::Text).text;
}

template <typename T> bool Settings::store(Setting s, Kind kind, T Value::*field, T value)
{
    Value& v = slot(s, kind);
    if (v.*field == value)
        return false;
    v.*field = std::move(value);
    emit valueChanged(s);
    return true;
}

void Settings::setText(Setting s, const QString& value)
{
    store(s, Kind::Text, &Value::text, value);
}

int Settings::index(Setting s) const
{
    return slot(s, Kind::List).index;
}

void Settings::setIndex(Setting s, int value)
{
    const int count = static_cast<int>(settingDef(s).items.size());
    store(s, Kind::List, &Value::index, value >= 0 && value < count ? value : -1);
}

bool Settings::checked(Setting s) const
{
    return slot(s, Kind::Check).checked;
}

void Settings::setChecked(Setting s, bool value)
{
    if (!store(s, Kind::Check, &Value::checked, value))
        return;
    // Both boxes share the handler; it looks only at Uploadpctime.
    if (s == Setting::Uploadpctime || s == Setting::Ntp_enable)
        uploadpctimeClick();
}

bool Settings::isEnabled(Setting s) const
{
    return values_[position(s)].enabled;
}

void Settings::setEnabled(Setting s, bool enabled)
{
    Value& v = values_[position(s)];
    if (v.enabled == enabled)
        return;
    v.enabled = enabled;
    emit enabledChanged(s, enabled);
}

void Settings::uploadpctimeClick()
{
    const bool enabled = !checked(Setting::Uploadpctime);
    for (const Setting field : kClockFields)
        setEnabled(field, enabled);
}

QString Settings::valueText(Setting s) const
{
    switch (settingDef(s).kind) {
    case Kind::Text:
        return text(s);
    case Kind::List:
        return QString::number(index(s));
    case Kind::Check:
        return checked(s) ? QStringLiteral("1") : QStringLiteral("0");
    }
    return {};
}

Result<> Settings::setValueText(Setting s, const QString& value)
{
    const Kind kind = settingDef(s).kind;
    if (kind == Kind::Text) {
        setText(s, value);
        return {};
    }
    const Result<std::int32_t> number = readNumber(value);
    if (!number.ok())
        return number.error();
    if (kind == Kind::List)
        setIndex(s, *number);
    else
        setChecked(s, *number != 0);
    return {};
}

void Settings::readPctime()
{
    const UtcTime t = toUtc(clock_());
    const int parts[] = {t.year, t.month, t.day, t.hour, t.minute};
    for (std::size_t i = 0; i < kClockFields.size(); ++i)
        setText(kClockFields[i], QString::number(parts[i]));
}

} // namespace orvik
