#include "app/limited_line_edit.h"
#include "form1_rig.h"

#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using orvik::LimitedLineEdit;

TEST(LimitedLineEdit, TypingAndPastingStopAtTheLimit)
{
    struct Row {
        const char* what;
        const char* start;
        const char* typed; // nullptr: paste `pasted` at the end instead
        const char* pasted;
        const char* expected;
    };
    const Row rows[] = {
        {"typing into an empty field", "", "5223.08NX", nullptr, "5223.08N"},
        {"typing into a full field", "5223.08N", "S", nullptr, "5223.08N"},
        {"typing after the program put in more", "5223.08N extra", "Z", nullptr, "5223.08N extra"},
        {"pasting the part that fits", "5223", nullptr, "ABCDEFGH", "5223ABCD"},
        {"pasting into a longer text", "5223.08N extra", nullptr, "AB", "5223.08N extra"},
    };
    orvik::test::ApplicationReady ready;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        LimitedLineEdit field(8);
        field.showText(row.start);
        field.end(false);
        if (row.typed) {
            QTest::keyClicks(&field, row.typed);
        } else {
            QGuiApplication::clipboard()->setText(row.pasted);
            field.paste();
        }
        EXPECT_EQ(field.text(), row.expected);
    }
}

TEST(LimitedLineEdit, ProgramTextIsShownWholeAndCanBeShortened)
{
    orvik::test::ApplicationReady ready;
    LimitedLineEdit field(8);
    QStringList edited;
    QObject::connect(&field, &QLineEdit::textEdited, [&](const QString& t) { edited << t; });
    const QString longText = "5223.08N and then a good deal more than eight characters";
    field.showText(longText);
    EXPECT_EQ(field.text(), longText);
    EXPECT_TRUE(edited.isEmpty());

    field.end(false);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), longText.chopped(1));
    // What the user shortened cannot grow back by typing.
    QTest::keyClicks(&field, "xy");
    EXPECT_EQ(field.text(), longText.chopped(1));
    EXPECT_EQ(edited, QStringList({longText.chopped(1)}));

    // Shortened below the limit, typing goes up to the limit again.
    field.showText("52");
    QTest::keyClicks(&field, "23.08NXYZ");
    EXPECT_EQ(field.text(), "5223.08N");
}

} // namespace
