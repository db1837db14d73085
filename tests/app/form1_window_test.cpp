#include "app/tab_control.h"
#include "form1_rig.h"
#include "support/expected_defaults.h"
#include "support/validation_cases.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using orvik::test::child;
using orvik::test::Form1Rig;

TEST(Form1Window, FixedSizeCaptionAndTitleBar)
{
    Form1Rig rig;
    TForm1& form = rig.form;
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_EQ(form.windowTitle(), "Orvik 2.0 Configurator v1.02");
    EXPECT_EQ(form.size(), QSize(529, 436));
    EXPECT_EQ(form.minimumSize(), QSize(529, 436));
    EXPECT_EQ(form.maximumSize(), QSize(529, 436));
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    const QPoint offCentre = form.geometry().center() - form.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
}

TEST(Form1Window, ControlsStandAtTheirPlaces)
{
    Form1Rig rig;
    struct Row {
        const char* name;
        const char* parent;
        QRect place;
        const char* caption;
    };
    const Row rows[] = {
        {"GroupBox3", "Form1", {8, 8, 305, 49}, "Connection:"},
        {"Button4", "GroupBox3", {16, 14, 89, 25}, "Read config"},
        {"Button5", "GroupBox3", {112, 14, 89, 25}, "Write config"},
        {"Button3", "GroupBox3", {208, 14, 89, 25}, "Upload firmware"},
        {"GroupBox1", "Form1", {320, 8, 201, 49}, "Configuration import/export:"},
        {"Button1", "GroupBox1", {8, 16, 89, 25}, "Save to file"},
        {"Button2", "GroupBox1", {104, 16, 89, 25}, "Read from file"},
        {"PageControl1", "Form1", {8, 64, 521, 265}, ""},
        {"Memo1", "Form1", {8, 336, 513, 73}, ""},
        {"ProgressBar1", "Form1", {0, 416, 529, 20}, ""},
        {"Button11", "", {422, 2, 83, 20}, "Special strings"},
        {"Ipaddr2", "", {136, 16, 25, 21}, ""},
        {"Locator", "", {392, 64, 57, 21}, ""},
        {"StationMap", "", {8, 116, 497, 100}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto* w = rig.form.findChild<QWidget*>(row.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), row.place);
        if (*row.parent) {
            EXPECT_EQ(w->parentWidget()->objectName(), row.parent);
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            EXPECT_EQ(button->text(), row.caption);
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            EXPECT_EQ(group->title(), row.caption);
        }
    }
    EXPECT_EQ(child(rig.form, "Ipaddr2")->parentWidget()->geometry(), QRect(152, 56, 201, 121));
}

QLabel* labelOf(const TForm1& form, const char* setting)
{
    const auto* control = form.findChild<QWidget*>(setting);
    for (QLabel* label : form.findChildren<QLabel*>()) {
        if (label->buddy() == control)
            return label;
    }
    return nullptr;
}

TEST(Form1Window, LabelsStandLeftOfTheirFields)
{
    Form1Rig rig;
    for (const char* name :
         {"WU_enable", "WU_stationid", "WU_password", "WU_normalserver", "WU_rapidfireserver",
          "WU_sendmethod", "WU_normalrate", "WU_rapidfirerate"}) {
        const QLabel* label = labelOf(rig.form, name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->x() + label->width(), 239) << name;
    }
    const std::pair<const char*, int> lefts[] = {
        {"Rtcyear", 152}, {"Rtchour", 152}, {"Rtcmonth", 224}, {"Rtcmin", 224}, {"Rtcday", 296}};
    for (const auto& [name, left] : lefts) {
        const QLabel* label = labelOf(rig.form, name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->x(), left) << name;
        EXPECT_EQ(label->y(), child(rig.form, name)->y()) << name;
    }
    EXPECT_EQ(labelOf(rig.form, "Aprsis2_servername")->text(), "Server 2:");
    EXPECT_EQ(labelOf(rig.form, "WU_rapidfireserver")->text(), "\"Rapid fire\" upload server:");
}

TEST(Form1Window, TabsWrapIntoRowsWithoutScrollArrows)
{
    Form1Rig rig;
    rig.form.show();
    orvik::TabControl& tabs = *child<orvik::TabControl>(rig.form, "PageControl1");
    const QStringList captions = {"Device settings", "Network settings", "Telnet access",
                                  "WWW access",      "RTC/NTP time",     "APRS-IS Servers",
                                  "APRS-IS Weather", "APRS-IS Beacons",  "WeatherUnderground"};
    ASSERT_EQ(tabs.count(), 9);
    for (int i = 0; i < tabs.count(); ++i) {
        EXPECT_EQ(tabs.tabText(i), captions[i]);
        const QWidget* tab = tabs.tabButton(i);
        EXPECT_TRUE(tab->isVisible()) << i;
        EXPECT_TRUE(tabs.rect().contains(tab->geometry())) << i;
    }
    EXPECT_EQ(tabs.currentIndex(), 0);
    EXPECT_TRUE(tabs.widget(0)->isVisible());
    EXPECT_GT(tabs.rowCount(), 1);
    EXPECT_TRUE(tabs.findChildren<QToolButton*>().isEmpty());
    // The selected tab's row joins the page.
    EXPECT_EQ(tabs.rowOf(0), tabs.rowCount() - 1);
    tabs.setCurrentIndex(8);
    EXPECT_EQ(tabs.rowOf(8), tabs.rowCount() - 1);
}

TEST(Form1Window, LogAndProgressBarAtStart)
{
    Form1Rig rig;
    const QPlainTextEdit& memo = *child<QPlainTextEdit>(rig.form, "Memo1");
    EXPECT_TRUE(memo.toPlainText().isEmpty());
    EXPECT_TRUE(memo.isReadOnly());
    EXPECT_TRUE(memo.textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(child<QProgressBar>(rig.form, "ProgressBar1")->minimum(), 0);
    EXPECT_EQ(child<QProgressBar>(rig.form, "ProgressBar1")->maximum(), 100);
    EXPECT_EQ(child<QProgressBar>(rig.form, "ProgressBar1")->value(), 0);
}

// Where the focus goes from the log on, one Tab at a time, until it is back.
QStringList focusTour()
{
    QStringList tour;
    QWidget* start = QApplication::focusWidget();
    QWidget* w = start;
    do {
        tour << w->objectName();
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
    } while (w != start && tour.size() < 60);
    return tour;
}

// The tour with tab `tab` shown: the log, the connection buttons, the tabs,
// the tab's settings that start enabled, in the catalogue's order, the tab's
// own `buttons`, then the file buttons.
QStringList expectedTour(int tab, const QStringList& buttons = {})
{
    QStringList tour = {"Memo1", "Button4", "Button5", "Button3", "PageControl1"};
    for (const orvik::test::ExpectedDefault& row : orvik::test::kExpectedDefaults) {
        if (row.tab == tab && row.enabled)
            tour << row.name;
    }
    return tour << buttons << "Button1"
                << "Button2";
}

TEST(Form1Window, FocusStartsInTheLogAndTravelsInOrder)
{
    Form1Rig rig;
    rig.form.show();
    rig.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.form));
    EXPECT_EQ(QApplication::focusWidget(), child(rig.form, "Memo1"));
    EXPECT_EQ(focusTour(), expectedTour(0, {"Locator"}));

    child<orvik::TabControl>(rig.form, "PageControl1")->setCurrentIndex(7);
    child(rig.form, "Memo1")->setFocus();
    EXPECT_EQ(focusTour(), expectedTour(7, {"Button11"}));

    child<orvik::TabControl>(rig.form, "PageControl1")->setCurrentIndex(1);
    child(rig.form, "Memo1")->setFocus();
    EXPECT_EQ(focusTour(), expectedTour(1));
}

// What the user types into Latitude and Longitude shows at once in the
// locator, in what a screen reader hears of it and of the map, and on the map.
TEST(Form1Window, DeviceTabShowsTheLocatorAndTheMapOfThePosition)
{
    Form1Rig rig;
    auto* locator = child<QLineEdit>(rig.form, "Locator");
    QWidget* map = child(rig.form, "StationMap");
    EXPECT_TRUE(locator->isReadOnly());
    EXPECT_EQ(locator->text(), "JO82lj"); // the defaults'
    EXPECT_EQ(map->accessibleName(), "Poland");
    const struct {
        const char* field;
        const char* typed;
        const char* locator;
        const char* place;
    } rows[] = {
        {"Longitude", orvik::test::kSlippedLongitude, "IO12mj", "At sea"},
        {"Longitude", "01658.14E", "JO82lj", "Poland"},
        {"Latitude", "5221.6N", "", ""},
        {"Latitude", "5100.00N", "JO81la", "Poland"},
    };
    QImage before = map->grab().toImage();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        auto* field = child<QLineEdit>(rig.form, row.field);
        field->clear();
        QTest::keyClicks(field, row.typed);
        EXPECT_EQ(locator->text(), row.locator);
        EXPECT_EQ(locator->accessibleDescription(), row.place);
        EXPECT_EQ(map->accessibleName(), *row.place ? row.place : "Map");
        EXPECT_EQ(map->accessibleDescription(), row.locator);
        const QImage after = map->grab().toImage();
        EXPECT_NE(after, before);
        before = after;
    }
}

} // namespace
