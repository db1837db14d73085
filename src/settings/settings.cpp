#include "settings/settings.h"

#include "settings/number.h"

#include <stdexcept>
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
    throw std::logic_error(text.toStdString());
}

const SettingDef& definition(const QString& name)
{
    const SettingDef* d = findSetting(name);
    require(d, "unknown setting ", name);
    return *d;
}

std::size_t positionOf(const QString& name)
{
    return static_cast<std::size_t>(&definition(name) - catalogue().data());
}

} // namespace

Settings::Settings(Clock clock, QObject* parent)
    : QObject(parent), clock_(std::move(clock)), values_(catalogue().size())
{
    for (std::size_t i = 0; i < values_.size(); ++i)
        values_[i].enabled = catalogue()[i].enabledAtStart;
    for (const SettingDef& d : catalogue()) {
        switch (d.kind) {
        case Kind::Text:
            setText(d.name, d.defaultText);
            break;
        case Kind::List:
            setIndex(d.name, d.defaultIndex);
            break;
        case Kind::Check:
            setChecked(d.name, d.defaultChecked);
            break;
        }
    }
    readPctime();
}

Settings::Value& Settings::slot(const QString& name, Kind kind)
{
    const std::size_t i = positionOf(name);
    require(catalogue()[i].kind == kind, "setting of another kind ", name);
    return values_[i];
}

const Settings::Value& Settings::slot(const QString& name, Kind kind) const
{
    return const_cast<Settings*>(this)->slot(name, kind);
}

QString Settings::text(const QString& name) const
{
    return slot(name, Kind::Text).text;
}

template <typename T> bool Settings::store(const QString& name, Kind kind, T Value::*field, T value)
{
    Value& v = slot(name, kind);
    if (v.*field == value)
        return false;
    v.*field = std::move(value);
    emit valueChanged(name);
    return true;
}

void Settings::setText(const QString& name, const QString& value)
{
    store(name, Kind::Text, &Value::text, value);
}

int Settings::index(const QString& name) const
{
    return slot(name, Kind::List).index;
}

void Settings::setIndex(const QString& name, int value)
{
    const int count = static_cast<int>(definition(name).items.size());
    store(name, Kind::List, &Value::index, value >= 0 && value < count ? value : -1);
}

bool Settings::checked(const QString& name) const
{
    return slot(name, Kind::Check).checked;
}

void Settings::setChecked(const QString& name, bool value)
{
    if (!store(name, Kind::Check, &Value::checked, value))
        return;
    // Both boxes share the handler; it looks only at Uploadpctime.
    if (name == QLatin1String("Uploadpctime") || name == QLatin1String("Ntp_enable"))
        uploadpctimeClick();
}

bool Settings::isEnabled(const QString& name) const
{
    return values_[positionOf(name)].enabled;
}

void Settings::setEnabled(const QString& name, bool enabled)
{
    Value& v = values_[positionOf(name)];
    if (v.enabled == enabled)
        return;
    v.enabled = enabled;
    emit enabledChanged(name, enabled);
}

void Settings::uploadpctimeClick()
{
    const bool enabled = !checked(QStringLiteral("Uploadpctime"));
    for (const QString& field : kClockFields)
        setEnabled(field, enabled);
}

QString Settings::valueText(const QString& name) const
{
    switch (definition(name).kind) {
    case Kind::Text:
        return text(name);
    case Kind::List:
        return QString::number(index(name));
    case Kind::Check:
        return checked(name) ? QStringLiteral("1") : QStringLiteral("0");
    }
    return {};
}

void Settings::setValueText(const QString& name, const QString& value)
{
    switch (definition(name).kind) {
    case Kind::Text:
        setText(name, value);
        break;
    case Kind::List:
        setIndex(name, readNumber(value));
        break;
    case Kind::Check:
        setChecked(name, readNumber(value) != 0);
        break;
    }
}

void Settings::readPctime()
{
    const UtcTime t = toUtc(clock_());
    const int parts[] = {t.year, t.month, t.day, t.hour, t.minute};
    for (int i = 0; i < kClockFields.size(); ++i)
        setText(kClockFields[i], QString::number(parts[i]));
}

} // namespace orvik
