#pragma once

#include "settings/catalogue.h"

#include <QHash>
#include <QObject>
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
    // list or a check box) at its place, showing the model's value.
    QWidget* createControl(const SettingDef& def, QWidget* parent);
    // nullptr when no control of that name was created.
    QWidget* control(const QString& name) const { return controls_.value(name); }

private:
    // Ties `control` to `setting` both ways: the user's changes go
    // into the model; the model's value is put into the control only where the
    // control shows another, so that it never echoes back.
    template <typename Control, typename Signal, typename Shown, typename Show, typename Value,
              typename Arg>
    Control* tie(Control* control, Setting setting, Signal userChanged, Shown shown, Show show,
                 Value (Settings::*stored)(Setting) const, void (Settings::*store)(Setting, Arg));

    Settings& settings_;
    QHash<QString, QWidget*> controls_;
    QHash<QString, std::function<void()>> showValue_;
};

} // namespace orvik
