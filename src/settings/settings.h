#pragma once

#include "files/result.h"
#include "settings/catalogue.h"
#include "settings/clock.h"

#include <QObject>
#include <QString>
#include <vector>

namespace orvik {

// The store of every setting of the catalogue. Every operation reads and
// writes them here; the window's controls are bound to it both ways.
class Settings : public QObject {
    Q_OBJECT
public:
    // Applies the defaults in catalogue order, then ReadPctime.
    explicit Settings(Clock clock = systemNow, QObject* parent = nullptr);

    QString text(Setting s) const;
    void setText(Setting s, const QString& value);
    // -1 when no item is selected.
    int index(Setting s) const;
    // An index outside the items leaves the list with no selection.
    void setIndex(Setting s, int value);
    bool checked(Setting s) const;
    // A change of Uploadpctime or Ntp_enable runs the clock-field enable rule.
    void setChecked(Setting s, bool value);
    bool isEnabled(Setting s) const;

    // A setting's value as one text: a field's text, a list's index, a check
    // box's 0 or 1.
    QString valueText(Setting s) const;
    // The reverse of valueText. Fails with notANumber when a list or check
    // box is given something that is not a number.
    Result<> setValueText(Setting s, const QString& value);

    // The same by text name, for names users give (and tests); an unknown
    // name is a bug of the caller.
    QString text(const QString& name) const { return text(idOf(name)); }
    void setText(const QString& name, const QString& value) { setText(idOf(name), value); }
    int index(const QString& name) const { return index(idOf(name)); }
    void setIndex(const QString& name, int value) { setIndex(idOf(name), value); }
    bool checked(const QString& name) const { return checked(idOf(name)); }
    void setChecked(const QString& name, bool value) { setChecked(idOf(name), value); }
    bool isEnabled(const QString& name) const { return isEnabled(idOf(name)); }
    QString valueText(const QString& name) const { return valueText(idOf(name)); }
    Result<> setValueText(const QString& name, const QString& value)
    {
        return setValueText(idOf(name), value);
    }

    // Fills the five clock fields with the current UTC time.
    void readPctime();
    const Clock& clock() const { return clock_; }

signals:
    void valueChanged(orvik::Setting setting);
    void enabledChanged(orvik::Setting setting, bool enabled);

private:
    struct Value {
        QString text;
        int index = -1;
        bool checked = false;
        bool enabled = true;
    };
    static Setting idOf(const QString& name);
    Value& slot(Setting s, Kind kind);
    const Value& slot(Setting s, Kind kind) const;
    // Stores `value` in the setting's `field`; true, with valueChanged, when
    // that changed it.
    template <typename T> bool store(Setting s, Kind kind, T Value::*field, T value);
    void setEnabled(Setting s, bool enabled);
    void uploadpctimeClick();

    Clock clock_;
    std::vector<Value> values_;
};

} // namespace orvik
