#include "app/field_marks.h"
#include "app/setting_layout.h"
#include "form1_rig.h"
#include "settings/catalogue.h"
#include "support/validation_cases.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using orvik::test::child;
using orvik::test::Form1Rig;

// The colour of the field's top frame, halfway along, where no text reaches
// however far it is scrolled.
QColor frameOf(QLineEdit* field)
{
    return field->grab().toImage().pixelColor(field->width() / 2, 1);
}

void type(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

TEST(FieldMarks, EveryRuleMarksItsFieldWithItsMessage)
{
    Form1Rig rig;
    orvik::Settings& settings = rig.form.settings();
    settings.setChecked("Uploadpctime", false);
    for (const orvik::test::BadValue& row : orvik::test::kBadValues) {
        SCOPED_TRACE(std::string(row.setting) + " = " + row.value);
        auto* field = child<QLineEdit>(rig.form, row.setting);
        const QString before = settings.text(row.setting);
        settings.setText(row.setting, QString::fromUtf8(row.value));
        const QString message = orvik::test::messageOf(row.seen);
        const QString own = orvik::settingLayout(orvik::findSetting(row.setting)->id).tooltip;
        EXPECT_EQ(field->toolTip(), own.isEmpty() ? message : message + '\n' + own);
        EXPECT_EQ(field->accessibleDescription(), message);
        EXPECT_EQ(frameOf(field), orvik::kFaultFrame);
        settings.setText(row.setting, before);
    }
    // Ticked, the clock fields are not what "Write config" sends.
    settings.setText("Rtcmonth", "13");
    settings.setChecked("Uploadpctime", true);
    EXPECT_EQ(child<QLineEdit>(rig.form, "Rtcmonth")->accessibleDescription(), "");
}

TEST(FieldMarks, AFixedFieldShowsNothingNewAndThePasswordFollowsTheLogin)
{
    Form1Rig rig;
    auto* latitude = child<QLineEdit>(rig.form, "Latitude");
    const QImage unmarked = latitude->grab().toImage();
    type(latitude, "9000.00N");
    EXPECT_EQ(frameOf(latitude), orvik::kFaultFrame);
    type(latitude, "5223.08N");
    EXPECT_EQ(latitude->grab().toImage(), unmarked);
    EXPECT_EQ(latitude->toolTip(), QString::fromUtf8("Station latitude.\n= 52.3847\u00b0 N"));
    EXPECT_EQ(latitude->accessibleDescription(), "");

    auto* password = child<QLineEdit>(rig.form, "Aprsis_pass");
    EXPECT_EQ(password->toolTip(), QString(orvik::test::kNocallPasscodeWarning) + '\n' +
                                       orvik::settingLayout(orvik::Setting::Aprsis_pass).tooltip);
    EXPECT_EQ(frameOf(password), orvik::kWarningFrame);
    type(password, "12960");
    EXPECT_EQ(password->accessibleDescription(), "");
    type(child<QLineEdit>(rig.form, "Aprsis_user"), "N0CALL-9");
    EXPECT_EQ(frameOf(password), orvik::kWarningFrame);
    EXPECT_TRUE(password->accessibleDescription().contains("N0CALL (expected 13023)"));
}

} // namespace
