#include "app/Unit2.h"
#include "app/tab_control.h"
#include "app/text_fit.h"
#include "form1_rig.h"
#include "language/language.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QSet>
#include <QToolTip>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// Every fixed text of the two windows and where it stands: a tab's caption,
// or the window itself ("").
struct FixedText {
    const char* where;
    const char* text;
    int count = 1;
};
// clang-format off
const FixedText kMainWindow[] = {
    {"", "Connection:"}, {"", "Read config"}, {"", "Write config"}, {"", "Upload firmware"},
    {"", "Configuration import/export:"}, {"", "Save to file"}, {"", "Read from file"},
    {"Device settings", "Weather station:"}, {"Device settings", "Latitude:"},
    {"Device settings", "Longitude:"}, {"Device settings", "Locator:"},
    {"Network settings", "IP configuration method:"}, {"Network settings", "Static IP settings:"},
    {"Network settings", "IP Address:"}, {"Network settings", "IP Mask:"},
    {"Network settings", "Gateway:"}, {"Network settings", "DNS:"},
    {"Telnet access", "Telnet user:"}, {"Telnet access", "Telnet password:"},
    {"Telnet access", "Telnet port:"},
    {"Telnet access", "Telnet debug messages (default state after connect):"},
    {"Telnet access", "APRS-IS:"}, {"Telnet access", "NTP:"}, {"Telnet access", "DNS:"},
    {"Telnet access", "Weather:"}, {"Telnet access", "Wunderground:"}, {"Telnet access", "DHCP:"},
    {"WWW access", "WWW port:"},
    {"RTC/NTP time", "Upload PC system time on config write"}, {"RTC/NTP time", "Year:"},
    {"RTC/NTP time", "Month:"}, {"RTC/NTP time", "Day:"}, {"RTC/NTP time", "Hour:"},
    {"RTC/NTP time", "Minute:"}, {"RTC/NTP time", "Use NTP server"},
    {"RTC/NTP time", "NTP server:"},
    {"RTC/NTP time", "Internal Real Time Clock is updated when the device exits config mode and "
                     "enters normal mode. To get exact time please change to normal mode quickly "
                     "after config write."},
    {"APRS-IS Servers", "APRS-IS callsign:"}, {"APRS-IS Servers", "-"},
    {"APRS-IS Servers", "APRS-IS servers:"}, {"APRS-IS Servers", "Port:"},
    {"APRS-IS Servers", "APRS-IS login:"}, {"APRS-IS Servers", "Server 1:"},
    {"APRS-IS Servers", "Server 2:"}, {"APRS-IS Servers", "Server 3:"},
    {"APRS-IS Servers", "Username:"}, {"APRS-IS Servers", "Password:"},
    {"APRS-IS Weather", "Weather report:"}, {"APRS-IS Weather", "Dest:"},
    {"APRS-IS Weather", "IS[min]:"}, {"APRS-IS Weather", "Comment:"}, {"APRS-IS Weather", "-"},
    {"APRS-IS Beacons", "Destination:"}, {"APRS-IS Beacons", "TX Rate:"},
    {"APRS-IS Beacons", "Message (empty fields are ignored):"}, {"APRS-IS Beacons", "-", 8},
    {"APRS-IS Beacons", "Special strings"},
    {"WeatherUnderground", "Weather reports to Weather Underground:"},
    {"WeatherUnderground", "Station ID:"}, {"WeatherUnderground", "Password:"},
    {"WeatherUnderground", "Normal upload server:"},
    {"WeatherUnderground", "\"Rapid fire\" upload server:"},
    {"WeatherUnderground", "Weather send method:"},
    {"WeatherUnderground", "Normal weather send rate [min]:"},
    {"WeatherUnderground", "\"Rapid fire\" weather send rate [sec]:"},
};
// clang-format on

QString shownText(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return group->title();
    return {};
}

// The widgets of `window` that show a fixed text, in the order they were
// made: the same in every language.
QList<const QWidget*> textWidgets(const QWidget& window)
{
    QList<const QWidget*> widgets;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
            qobject_cast<const QGroupBox*>(w))
            widgets << w;
    }
    return widgets;
}

// Where a widget of the main window stands: its tab's caption, or "".
QString whereIn(const TForm1& form, const QWidget* w)
{
    const orvik::TabControl& tabs = *orvik::test::child<orvik::TabControl>(form, "PageControl1");
    for (int i = 0; i < tabs.count(); ++i) {
        if (tabs.widget(i)->isAncestorOf(w))
            return tabs.tabText(i);
    }
    return {};
}

// The font the window resolved to, for the failure message.
std::string fontOf(const QWidget& w)
{
    const QFontInfo info(w.font());
    return QStringLiteral("%1 %2px stretch %3")
        .arg(info.family())
        .arg(info.pixelSize())
        .arg(w.font().stretch())
        .toStdString();
}

TEST(TextFit, EveryFixedTextFitsItsPlace)
{
    // The English texts name the widgets in every language.
    orvik::test::Form1Rig english;
    const QList<const QWidget*> englishWidgets = textWidgets(english.form);
    QMultiHash<QString, qsizetype> shown; // "where|text", and where in that order
    for (qsizetype i = 0; i < englishWidgets.size(); ++i) {
        const QWidget* w = englishWidgets[i];
        const QString text = shownText(w);
        if (!text.isEmpty() && !w->parentWidget()->inherits("orvik::TabControl"))
            shown.insert(whereIn(english.form, w) + '|' + text, i);
    }
    int listed = 0;
    QSet<QString> unlisted(shown.keyBegin(), shown.keyEnd());
    for (const FixedText& row : kMainWindow) {
        const QString key = QString(row.where) + '|' + row.text;
        unlisted.remove(key);
        EXPECT_EQ(shown.count(key), row.count) << key.toStdString();
        listed += row.count;
    }
    EXPECT_EQ(listed, shown.size())
        << QStringList(unlisted.cbegin(), unlisted.cend()).join(", ").toStdString();

    for (const QString& language : QStringList{""} + orvik::translatedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const orvik::Translation translation(language);
        orvik::test::Form1Rig rig;
        const TForm1& form = rig.form;
        SCOPED_TRACE(fontOf(form));
        const QList<const QWidget*> widgets = textWidgets(form);
        ASSERT_EQ(widgets.size(), englishWidgets.size());
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
            const QWidget& w = *widgets[it.value()];
            EXPECT_EQ(orvik::textMisfit(w), "")
                << it.key().toStdString() << ": " << shownText(&w).toStdString();
        }

        // The boxes, tooltips and file dialogs speak in the window's font.
        EXPECT_EQ(orvik::makeMessageBox(orvik::BoxKind::Error, "x")->font(), form.font());
        EXPECT_EQ(QToolTip::font(), form.font());
        EXPECT_EQ(QFileDialog().font(), form.font());

        const auto& tabs = *orvik::test::child<orvik::TabControl>(form, "PageControl1");
        EXPECT_EQ(tabs.rowCount(), 2);
        for (int i = 0; i < tabs.count(); ++i) {
            const QWidget& tab = *tabs.tabButton(i);
            EXPECT_LE(tab.fontMetrics().horizontalAdvance(tabs.tabText(i)), tab.width()) << i;
        }
        for (int i = 0; i < tabs.count(); ++i) {
            const QWidget& page = *tabs.widget(i);
            for (const QWidget* w : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                EXPECT_TRUE(page.rect().contains(w->geometry()))
                    << tabs.tabText(i).toStdString() << " " << w->objectName().toStdString();
            }
        }

        TForm2 dialog;
        SCOPED_TRACE(fontOf(dialog));
        for (const QLabel* line : dialog.findChildren<QLabel*>()) {
            EXPECT_EQ(orvik::textMisfit(*line), "") << line->text().toStdString();
            EXPECT_LE(line->geometry().right(), 250) << line->text().toStdString();
        }
    }
}

// Says every text it is asked for in brackets: a text shown without being
// asked for in the user's language stays bare.
class Bracketing : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return '[' + QString::fromUtf8(source) + ']';
    }
};

TEST(TextFit, EveryTextIsAskedForInTheUsersLanguage)
{
    ensureApplication();
    Bracketing bracketing;
    QCoreApplication::installTranslator(&bracketing);
    {
        orvik::test::Form1Rig rig;
        rig.form.settings().setText("Latitude", "x"); // its fault in its tooltip
        TForm2 dialog;
        QList<const QWidget*> widgets = textWidgets(rig.form) + textWidgets(dialog);
        widgets << rig.form.findChild<QWidget*>("Latitude") << &rig.form << &dialog;
        for (const QWidget* w : widgets) {
            for (const QString& text : {shownText(w), w->toolTip(), w->accessibleName(),
                                        w->isWindow() ? w->windowTitle() : QString()}) {
                for (const QString& line : text.split('\n', Qt::SkipEmptyParts))
                    EXPECT_TRUE(line.startsWith('['))
                        << w->objectName().toStdString() << ": " << line.toStdString();
            }
        }
    }
    QCoreApplication::removeTranslator(&bracketing);
}

} // namespace
