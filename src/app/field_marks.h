#pragma once

#include "settings/setting_id.h"

#include <QColor>
#include <QObject>

class QWidget;

namespace orvik {

class SettingBindings;
class Settings;

// The frames of a field whose value fails a rule, or only warns.
inline const QColor kFaultFrame(220, 0, 0);
inline const QColor kWarningFrame(255, 176, 0);

// Shows on each text field what the checks of "Write config" find in its
// value, whenever it changes (typing, an import, "Read config"): a frame drawn
// by the field's style, red for a fault and amber for a warning, the message
// above the field's own tooltip and as its accessible description. A field
// that passes shows its own tooltip alone; Latitude and Longitude add their
// position in decimal degrees. Nothing moves or changes size.
class FieldMarks : public QObject {
    Q_OBJECT
public:
    FieldMarks(const Settings& settings, const SettingBindings& bindings, QObject* parent);

signals:
    void descriptionChanged(QWidget* field);

private:
    void show(Setting s);

    const Settings& settings_;
    const SettingBindings& bindings_;
};

} // namespace orvik
