#pragma once

#include "app/setting_layout.h"

#include <QHash>
#include <array>
#include <vector>

class QPushButton;
class QWidget;

namespace orvik {

class SettingBindings;

struct SettingsPages {
    std::array<QWidget*, kTabCount> pages{};
    // Per page, the controls that take the focus, in focus order.
    std::array<std::vector<QWidget*>, kTabCount> focusOrder;
    // The pages' own buttons, by object name.
    QHash<QString, QPushButton*> buttons;
};

// Builds the nine tab pages from the settings catalogue and the page
// decorations; every setting's control is made and bound by `bindings`. The
// pages are made under `owner`, whose font sizes their labels.
SettingsPages buildSettingsPages(SettingBindings& bindings, QWidget* owner);

} // namespace orvik
