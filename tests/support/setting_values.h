#pragma once

#include "settings/catalogue.h"
#include "settings/settings.h"

#include <QStringList>

namespace orvik::test {

// "NAME=VALUE" for the settings named, in the order given; without names, for
// every setting in the catalogue's order.
inline QStringList settingValues(const Settings& settings, QStringList names = {})
{
    if (names.isEmpty()) {
        for (const SettingDef& d : catalogue())
            names << d.name;
    }
    QStringList values;
    for (const QString& name : names)
        values << name + '=' + settings.valueText(name);
    return values;
}

} // namespace orvik::test
