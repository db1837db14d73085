#include "app/tab_control.h"
#include "form1_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct Shown {
    const char* name;
    int tab; // 0 = "Device settings"
    // A field's text; a list's "index: item"; a check box's "checked" or "unchecked".
    const char* value;
    bool enabled = true;
};

// A freshly opened window at 2023-11-14 22:13 UTC.
const Shown kDefaults[] = {
    {"Weather_stationtype", 0, "5: WS-2300"},
    {"Latitude", 0, "5223.08N"},
    {"Longitude", 0, "01658.14E"},
    {"Netconfig", 1, "0: Static IP"},
    {"Ipaddr0", 1, "192"},
    {"Ipaddr1", 1, "168"},
    {"Ipaddr2", 1, "2"},
    {"Ipaddr3", 1, "2"},
    {"Ipmask0", 1, "255"},
    {"Ipmask1", 1, "255"},
    {"Ipmask2", 1, "255"},
    {"Ipmask3", 1, "0"},
    {"Ipgate0", 1, "192"},
    {"Ipgate1", 1, "168"},
    {"Ipgate2", 1, "2"},
    {"Ipgate3", 1, "1"},
    {"Ipdns0", 1, "192"},
    {"Ipdns1", 1, "168"},
    {"Ipdns2", 1, "2"},
    {"Ipdns3", 1, "1"},
    {"telnet_user", 2, "admin"},
    {"telnet_password", 2, "tokra"},
    {"telnet_port", 2, "23"},
    {"Debug_aprsis", 2, "0: Disabled"},
    {"Debug_ntp", 2, "1: Enabled"},
    {"Debug_dns", 2, "1: Enabled"},
    {"Debug_weather", 2, "0: Disabled"},
    {"Debug_wunderground", 2, "1: Enabled"},
    {"Debug_dhcp", 2, "1: Enabled"},
    {"www_port", 3, "80"},
    {"Uploadpctime", 4, "checked"},
    {"Rtcyear", 4, "2023", false},
    {"Rtcmonth", 4, "11", false},
    {"Rtcday", 4, "14", false},
    {"Rtchour", 4, "22", false},
    {"Rtcmin", 4, "13", false},
    {"Ntp_enable", 4, "checked"},
    {"Ntp_servername", 4, "pool.ntp.org"},
    {"Callsign", 5, "NOCALL"},
    {"Ssid", 5, "0"},
    {"Aprsis1_servername", 5, ""},
    {"Aprsis1_port", 5, "14580"},
    {"Aprsis2_servername", 5, ""},
    {"Aprsis2_port", 5, "14580"},
    {"Aprsis3_servername", 5, ""},
    {"Aprsis3_port", 5, "14580"},
    {"Aprsis_user", 5, "nocall"},
    {"Aprsis_pass", 5, "60417"},
    {"Weather_dest_string", 6, "APXQ08"},
    {"Weather_dest_ssid", 6, "0"},
    {"Weather_txrate_aprsis", 6, "5"},
    {"Weather_comment", 6, "Orvik 2.0 weather"},
    {"Beacon1_dest_string", 7, "APXQ08"},
    {"Beacon1_dest_ssid", 7, "0"},
    {"Beacon1_txrate_aprsis", 7, "5"},
    {"Beacon1_msg", 7, "@<date>z<lat>/<long>-Orvik2.0"},
    {"Beacon2_dest_string", 7, "APXQ08"},
    {"Beacon2_dest_ssid", 7, "0"},
    {"Beacon2_txrate_aprsis", 7, "0"},
    {"Beacon2_msg", 7, ""},
    {"Beacon3_dest_string", 7, "APXQ08"},
    {"Beacon3_dest_ssid", 7, "0"},
    {"Beacon3_txrate_aprsis", 7, "0"},
    {"Beacon3_msg", 7, ""},
    {"Beacon4_dest_string", 7, "APXQ08"},
    {"Beacon4_dest_ssid", 7, "0"},
    {"Beacon4_txrate_aprsis", 7, "0"},
    {"Beacon4_msg", 7, ""},
    {"Beacon5_dest_string", 7, "APXQ08"},
    {"Beacon5_dest_ssid", 7, "0"},
    {"Beacon5_txrate_aprsis", 7, "0"},
    {"Beacon5_msg", 7, ""},
    {"Beacon6_dest_string", 7, "APXQ08"},
    {"Beacon6_dest_ssid", 7, "0"},
    {"Beacon6_txrate_aprsis", 7, "0"},
    {"Beacon6_msg", 7, ""},
    {"Beacon7_dest_string", 7, "APXQ08"},
    {"Beacon7_dest_ssid", 7, "0"},
    {"Beacon7_txrate_aprsis", 7, "0"},
    {"Beacon7_msg", 7, ""},
    {"Beacon8_dest_string", 7, "APXQ08"},
    {"Beacon8_dest_ssid", 7, "0"},
    {"Beacon8_txrate_aprsis", 7, "0"},
    {"Beacon8_msg", 7, ""},
    {"WU_enable", 8, "0: Disabled"},
    {"WU_stationid", 8, ""},
    {"WU_password", 8, ""},
    {"WU_normalserver", 8, "weatherstation.wunderground.com"},
    {"WU_rapidfireserver", 8, "rtupdate.wunderground.com"},
    {"WU_sendmethod", 8, "0: Normal"},
    {"WU_normalrate", 8, "1"},
    {"WU_rapidfirerate", 8, "5"},
};

QString shownValue(const QWidget* control)
{
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text();
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return QStringLiteral("%1: %2").arg(list->currentIndex()).arg(list->currentText());
    if (const auto* box = qobject_cast<const QCheckBox*>(control))
        return box->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    return QStringLiteral("not a setting's control");
}

int tabOf(const TForm1& form, const QWidget* control)
{
    const auto* tabs = orvik::test::child<orvik::TabControl>(form, "PageControl1");
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->widget(i)->isAncestorOf(control))
            return i;
    }
    return -1;
}

TEST(Form1Defaults, EverySettingShowsItsDefaultOnItsTab)
{
    orvik::test::Form1Rig rig;
    ASSERT_EQ(std::size(kDefaults), 92u);
    for (const Shown& row : kDefaults) {
        SCOPED_TRACE(row.name);
        const auto* control = rig.form.findChild<QWidget*>(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(shownValue(control), row.value);
        EXPECT_EQ(control->isEnabled(), row.enabled);
        EXPECT_EQ(tabOf(rig.form, control), row.tab);
    }
}

TEST(Form1Defaults, OneControlPerSettingAndNoneMasksItsText)
{
    orvik::test::Form1Rig rig;
    const auto* tabs = orvik::test::child<orvik::TabControl>(rig.form, "PageControl1");
    const auto fields = tabs->findChildren<QLineEdit*>();
    EXPECT_EQ(fields.size(), 80);
    EXPECT_EQ(tabs->findChildren<QComboBox*>().size(), 10);
    EXPECT_EQ(tabs->findChildren<QCheckBox*>().size(), 2);
    for (const QLineEdit* field : fields)
        EXPECT_EQ(field->echoMode(), QLineEdit::Normal) << field->objectName().toStdString();
}

} // namespace
