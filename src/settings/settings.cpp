#include "settings/settings.h"

#include "settings/number.h"

#include <stdexcept>

namespace orvik {

namespace {

int positionOf(const QString& name)
{
    const SettingDef* d = findSetting(name);
    if (!d)
        throw std::invalid_argument("unknown setting " + name.toStdString());
    return static_cast<int>(d - catalogue().data());
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
    const int i = positionOf(name);
    if (catalogue()[i].kind != kind)
        throw std::invalid_argument("setting " + name.toStdString() + " is of another kind");
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

void Settings::setText(const QString& name, const QString& value)
{
    Value& v = slot(name, Kind::Text);
    if (v.text == value)
        return;
    v.text = value;
    emit valueChanged(name);
}

int Settings::index(const QString& name) const
{
    return slot(name, Kind::List).index;
}

void Settings::setIndex(const QString& name, int value)
{
    const int count = static_cast<int>(findSetting(name)->items.size());
    Value& v = slot(name, Kind::List);
    const int stored = value >= 0 && value < count ? value : -1;
    if (v.index == stored)
        return;
    v.index = stored;
    emit valueChanged(name);
}

bool Settings::checked(const QString& name) const
{
    return slot(name, Kind::Check).checked;
}

void Settings::setChecked(const QString& name, bool value)
{
    Value& v = slot(name, Kind::Check);
    if (v.checked == value)
        return;
    v.checked = value;
    emit valueChanged(name);
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
    switch (findSetting(name) ? findSetting(name)->kind : Kind::Text) {
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
    switch (findSetting(name) ? findSetting(name)->kind : Kind::Text) {
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
