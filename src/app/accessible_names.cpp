#include "app/accessible_names.h"

#include "app/setting_bindings.h"
#include "app/window_text.h"
#include "settings/setting_id.h"

#include <QLabel>
#include <QWidget>

namespace orvik {

namespace {

// One row names `count` controls: settings `step` apart from `first`, or the
// window's control `object`. "%1" stands for the number of a group's member.
struct NameRow {
    constexpr NameRow(Setting first, const char* text, int count = 1, int step = 1)
        : first(first), text(text), count(count), step(step)
    {}
    constexpr NameRow(const char* object, const char* text) : object(object), text(text) {}

    Setting first = Setting::Count;
    const char* object = nullptr;
    const char* text;
    int count = 1;
    int step = 1;
};

// clang-format off
constexpr NameRow kNames[] = {
    {Setting::Ipaddr0, QT_TRANSLATE_NOOP("Window", "IP Address, octet %1 of 4"), 4},
    {Setting::Ipmask0, QT_TRANSLATE_NOOP("Window", "IP Mask, octet %1 of 4"), 4},
    {Setting::Ipgate0, QT_TRANSLATE_NOOP("Window", "Gateway, octet %1 of 4"), 4},
    {Setting::Ipdns0, QT_TRANSLATE_NOOP("Window", "DNS, octet %1 of 4"), 4},
    {Setting::Ssid, QT_TRANSLATE_NOOP("Window", "Callsign SSID")},
    {Setting::Aprsis1_port, QT_TRANSLATE_NOOP("Window", "APRS-IS server %1 port"), 3, 2},
    {Setting::Aprsis_pass, QT_TRANSLATE_NOOP("Window", "APRS-IS password")},
    {Setting::Weather_dest_string, QT_TRANSLATE_NOOP("Window", "Weather report destination")},
    {Setting::Weather_dest_ssid, QT_TRANSLATE_NOOP("Window", "Weather report destination SSID")},
    {Setting::Weather_txrate_aprsis, QT_TRANSLATE_NOOP("Window", "Weather report TX rate")},
    {Setting::Weather_comment, QT_TRANSLATE_NOOP("Window", "Weather report comment")},
    {Setting::Beacon1_dest_string, QT_TRANSLATE_NOOP("Window", "Beacon %1 destination"),
     kBeaconCount, kBeaconStep},
    {Setting::Beacon1_dest_ssid, QT_TRANSLATE_NOOP("Window", "Beacon %1 destination SSID"),
     kBeaconCount, kBeaconStep},
    {Setting::Beacon1_txrate_aprsis, QT_TRANSLATE_NOOP("Window", "Beacon %1 TX rate"),
     kBeaconCount, kBeaconStep},
    {Setting::Beacon1_msg, QT_TRANSLATE_NOOP("Window", "Beacon %1 message"),
     kBeaconCount, kBeaconStep},
    {Setting::WU_password, QT_TRANSLATE_NOOP("Window", "Weather Underground password")},
    {"Memo1", QT_TRANSLATE_NOOP("Window", "Log")},
    {"ProgressBar1", QT_TRANSLATE_NOOP("Window", "Progress")},
};
// clang-format on

} // namespace

void nameControls(QWidget& window, const SettingBindings& bindings)
{
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    const auto name = [&](QWidget* control, const QString& text) {
        Q_ASSERT(control);
        control->setAccessibleName(text);
        for (QLabel* label : labels) {
            if (label->buddy() == control)
                label->setAccessibleName(text);
        }
    };
    for (const NameRow& row : kNames) {
        const QString text = windowText(QString::fromUtf8(row.text));
        if (row.object) {
            name(window.findChild<QWidget*>(QLatin1String(row.object)), text);
            continue;
        }
        for (int i = 0; i < row.count; ++i) {
            name(bindings.control(settingAfter(row.first, i * row.step)),
                 row.count > 1 ? text.arg(i + 1) : text);
        }
    }
}

} // namespace orvik
