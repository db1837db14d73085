#pragma once

#include "settings/setting_id.h"

#include <QString>
#include <optional>

namespace orvik {

enum class Tab {
    Device,
    Network,
    Telnet,
    Www,
    Rtc,
    AprsServers,
    AprsWeather,
    Beacons,
    WeatherUnderground,
};
inline constexpr int kTabCount = 9;
// In the user's language, as every text of the window's tables where it is
// shown.
QString tabCaption(Tab tab);

// Where a control stands, in pixels relative to its tab page or to the group
// box named by `group` (empty: the tab page itself).
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    QString group;
    // Where the control's label starts when the window lines it up with labels
    // or headings elsewhere; empty: it ends just left of the control.
    std::optional<int> labelLeft = {};
};

// How the window shows a setting. The texts are in English, marked for
// translation in the context "Window"; windowText() puts them in the user's
// language.
struct SettingLayout {
    Setting id;
    Tab tab;
    // The control's own label. Empty where the window shows a shared row or
    // column heading instead (octets, beacon rows, weather row, SSIDs).
    QString label;
    QString tooltip; // empty: none
    Place place;
    // Where the label is worded as another setting's in English, but not in
    // every language (QT_TRANSLATE_NOOP3).
    const char* labelDisambiguation = nullptr;
};

// One row per setting, in the order of Setting: the controls of a tab take
// the focus in this order.
const SettingLayout& settingLayout(Setting s);

} // namespace orvik
