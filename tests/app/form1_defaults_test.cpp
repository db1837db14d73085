#include "app/tab_control.h"
#include "form1_rig.h"
#include "support/expected_defaults.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using orvik::test::ExpectedDefault;
using orvik::test::kExpectedDefaults;

// A field's text; a list's "index: item"; a check box's "checked" or "unchecked".
QString expectedShown(const ExpectedDefault& row)
{
    using orvik::test::Form;
    if (row.form == Form::Check)
        return row.value == QLatin1String("1") ? "checked" : "unchecked";
    return row.form == Form::List ? QStringLiteral("%1: %2").arg(row.value, row.item) : row.value;
}

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
    ASSERT_EQ(std::size(kExpectedDefaults), orvik::catalogue().size());
    for (const ExpectedDefault& row : kExpectedDefaults) {
        SCOPED_TRACE(row.name);
        const auto* control = rig.form.findChild<QWidget*>(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(shownValue(control), expectedShown(row));
        EXPECT_EQ(control->isEnabled(), row.enabled);
        EXPECT_EQ(tabOf(rig.form, control), row.tab);
    }
}

TEST(Form1Defaults, OneControlPerSettingAndNoneMasksItsText)
{
    orvik::test::Form1Rig rig;
    const auto* tabs = orvik::test::child<orvik::TabControl>(rig.form, "PageControl1");
    const auto fields = tabs->findChildren<QLineEdit*>();
    using orvik::test::countExpected;
    using orvik::test::Form;
    const int lists = countExpected([](const auto& row) { return row.form == Form::List; });
    const int boxes = countExpected([](const auto& row) { return row.form == Form::Check; });
    // Besides the settings' fields, the locator's.
    EXPECT_EQ(fields.size(), std::ssize(kExpectedDefaults) - lists - boxes + 1);
    EXPECT_EQ(tabs->findChildren<QComboBox*>().size(), lists);
    EXPECT_EQ(tabs->findChildren<QCheckBox*>().size(), boxes);
    for (const QLineEdit* field : fields)
        EXPECT_EQ(field->echoMode(), QLineEdit::Normal) << field->objectName().toStdString();
}

} // namespace
