#pragma once

#include "orvik_version.h"
#include "settings/setting_id.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace orvik {

// The application's title and version as the configuration file keeps them;
// the window shows the title in the user's language.
inline constexpr char kAppTitleText[] = QT_TRANSLATE_NOOP("Window", "Orvik 2.0 Configurator");
inline const QString kAppTitle = QString::fromLatin1(kAppTitleText);
inline const QString kVersionText = QString::fromLatin1(kVersionLiteral);

enum class Kind { Text, List, Check };

// What every front end knows of a setting; where the window shows it is the
// window's own (app/setting_layout.h).
struct SettingDef {
    Setting id;
    QString name; // as users see it
    Kind kind;
    int maxLength = 0; // text fields only; bounds typing, not program-set text
    QStringList items; // drop-down lists only
    QString defaultText;
    int defaultIndex = -1;
    bool defaultChecked = false;
    bool enabledAtStart = true;
};

// One row per setting, in the order of Setting (tab by tab, each tab in
// keyboard focus order). Defaults are applied in this order too.
const std::vector<SettingDef>& catalogue();

inline const SettingDef& settingDef(Setting s)
{
    return catalogue()[position(s)];
}

inline const QString& settingName(Setting s)
{
    return settingDef(s).name;
}

// nullptr when no setting has that name: for names users give.
const SettingDef* findSetting(const QString& name);

inline constexpr std::array<Setting, 5> kClockFields = {
    Setting::Rtcyear, Setting::Rtcmonth, Setting::Rtcday, Setting::Rtchour, Setting::Rtcmin};

constexpr bool isClockField(Setting s)
{
    return std::find(kClockFields.begin(), kClockFields.end(), s) != kClockFields.end();
}

} // namespace orvik
