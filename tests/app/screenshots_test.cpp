#include "app/Unit2.h"
#include "app/tab_control.h"
#include "app/text_fit.h"
#include "form1_rig.h"
#include "language/language.h"

#include <QDir>
#include <QFontInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

// Shown as the user would see it, kept as a picture for a person to look at,
// and checked for a text cut off or covered.
void keep(QWidget& window, const QDir& folder, const QString& name)
{
    window.show();
    EXPECT_TRUE(window.grab().save(folder.filePath(name + ".png"))) << name.toStdString();
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->isVisible()) {
            EXPECT_EQ(orvik::textMisfit(*w), "")
                << name.toStdString() << " " << w->objectName().toStdString();
        }
    }
}

// Every tab, the special strings, each box with what an operation put into it,
// and the appliance chooser, in each language, under
// build/tests/screenshots/FONT/LANGUAGE-*.png.
TEST(Screenshots, EveryTabBoxAndChooserInEachLanguage)
{
    for (const QString& language : QStringList{""} + orvik::translatedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const orvik::Translation translation(language);
        orvik::test::Form1Rig rig;
        QDir folder(ORVIK_SCREENSHOT_DIR);
        const QString font = QFontInfo(rig.form.font()).family();
        ASSERT_TRUE(folder.mkpath(font) && folder.cd(font));
        const auto name = [&](const QString& what) {
            return (language.isEmpty() ? QStringLiteral("en") : language) + '-' + what;
        };

        orvik::Settings& settings = rig.form.settings();
        orvik::test::clickToEnd(rig.form, &TForm1::Button5Click);
        orvik::test::clickToEnd(rig.form, &TForm1::Button4Click); // the firmware version's notice
        const QString mask = settings.text("Ipmask3");
        settings.setText("Ipmask3", "");
        orvik::test::clickToEnd(rig.form, &TForm1::Button5Click);
        settings.setText("Ipmask3", mask);
        const QString latitude = settings.text("Latitude");
        settings.setText("Latitude", "5221.6N");
        orvik::test::clickToEnd(rig.form, &TForm1::Button5Click);
        settings.setText("Latitude", latitude);
        rig.device.attach("orvik-2").serialNumber = "B2";
        orvik::test::clickToEnd(rig.form, &TForm1::Button4Click);
        // What each box or dialog was asked to show: the text after `kind`.
        const auto shown = [&](const QString& kind) {
            QStringList texts;
            for (const QString& line : std::as_const(rig.dialogs.seen)) {
                if (line.startsWith(kind + ": "))
                    texts << line.mid(kind.size() + 2);
            }
            EXPECT_EQ(texts.size(), 1) << rig.dialogs.seen.join('\n').toStdString();
            return texts.value(0);
        };
        const std::pair<const char*, orvik::BoxKind> boxes[] = {
            {"information", orvik::BoxKind::Information},
            {"notice", orvik::BoxKind::Notice},
            {"error", orvik::BoxKind::Error}};
        for (const auto& [kind, box] : boxes)
            keep(*orvik::makeMessageBox(box, shown(kind)), folder, name(kind));
        keep(*orvik::makeApplianceChooser(&rig.form, shown("appliance").split(" | ")), folder,
             name("chooser"));

        // The log holds what the operations said.
        auto& tabs = *orvik::test::child<orvik::TabControl>(rig.form, "PageControl1");
        for (int i = 0; i < tabs.count(); ++i) {
            tabs.setCurrentIndex(i);
            keep(rig.form, folder, name(QString::number(i + 1)));
        }
        // The map at sea, far from any coast, and the warning's mark.
        tabs.setCurrentIndex(0);
        settings.setText("Longitude", "03000.00W");
        keep(rig.form, folder, name("1-sea"));
        TForm2 specialStrings;
        keep(specialStrings, folder, name("special-strings"));
    }
}

} // namespace
