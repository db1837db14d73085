#pragma once

#include "app/setting_layout.h"
#include "settings/catalogue.h"

#include <QObject>
#include <array>
#include <functional>

class QWidget;

namespace orvik {

class Settings;

// The controls of the settings, each bound to its setting both ways: a user's
// change goes into the model, a model change (an import, a read, ReadPctime)
// shows in the control. Each side writes only what differs, so nothing loops.
class SettingBindings : public QObject {
    Q_OBJECT
public:
    explicit SettingBindings(Settings& settings, QObject* parent = nullptr);

    // Creates the control of `def` under `parent` (a text field, a drop-down
    // list or a check box) at its place in `layout`, showing the model's value.
    QWidget* createControl(const SettingDef& def, const SettingLayout& layout, QWidget* parent);
    // nullptr until the setting's control is created.
    QWidget* control(Setting s) const { return controls_[position(s)]; }

private:
    // Ties `control` to `setting` both ways: the user's changes go
    // into the model; the model's value is put into the control only where the
    // control shows another, so that it never echoes back.
    template <typename Control, typename Signal, typename Shown, typename Show, typename Value,
              typename Arg>
    Control* tie(Control* control, Setting setting, Signal userChanged, Shown shown, Show show,
                 Value (Settings::*stored)(Setting) const, void (Settings::*store)(Setting, Arg));

    Settings& settings_;
    std::array<QWidget*, kSettingCount> controls_{};
    std::array<std::function<void()>, kSettingCount> showValue_;
};

} // namespace orvik
