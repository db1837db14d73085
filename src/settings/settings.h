#pragma once

#include "settings/catalogue.h"
#include "settings/clock.h"

#include <QObject>
#include <QString>
#include <vector>

namespace orvik {

// The store of the 92 settings. Every operation reads and writes them here by
// name; the window's controls are bound to it both ways.
class Settings : public QObject {
    Q_OBJECT
public:
    // Applies the defaults in catalogue order, then ReadPctime.
    explicit Settings(Clock clock = systemNow, QObject* parent = nullptr);

    QString text(const QString& name) const;
    void setText(const QString& name, const QString& value);
    // -1 when no item is selected.
    int index(const QString& name) const;
    // An index outside the items leaves the list with no selection.
    void setIndex(const QString& name, int value);
    bool checked(const QString& name) const;
    // A change of Uploadpctime or Ntp_enable runs the clock-field enable rule.
    void setChecked(const QString& name, bool value);
    bool isEnabled(const QString& name) const;

    // A setting's value as one text: a field's text, a list's index, a check
    // box's 0 or 1.
    QString valueText(const QString& name) const;
    // The reverse of valueText. Throws ConversionError when a list or check
    // box is given something that is not a number.
    void setValueText(const QString& name, const QString& value);

    // Fills the five clock fields with the current UTC time.
    void readPctime();
    const Clock& clock() const { return clock_; }

signals:
    void valueChanged(const QString& name);
    void enabledChanged(const QString& name, bool enabled);

private:
    struct Value {
        QString text;
        int index = -1;
        bool checked = false;
        bool enabled = true;
    };
    Value& slot(const QString& name, Kind kind);
    const Value& slot(const QString& name, Kind kind) const;
    // Stores `value` in the setting's `field`; true, with valueChanged, when
    // that changed it.
    template <typename T> bool store(const QString& name, Kind kind, T Value::*field, T value);
    void setEnabled(const QString& name, bool enabled);
    void uploadpctimeClick();

    Clock clock_;
    std::vector<Value> values_;
};

} // namespace orvik
