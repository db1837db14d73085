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
        {"a character outside the BMP counts as one", "5223.08", nullptr, "\U0001F600\U0001F600",
         "5223.08\U0001F600"},
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

TEST(LimitedLineEdit, ProgramTextShortenedByTheUserCannotGrowBack)
{
    orvik::test::ApplicationReady ready;
    LimitedLineEdit field(8);
    field.showText("5223.08N extra");
    field.end(false);
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClicks(&field, "xy");
    EXPECT_EQ(field.text(), "5223.08N extr");
    // Put back below the limit, typing fills up to the limit again.
    field.showText("52");
    QTest::keyClicks(&field, "23.08NXYZ");
    EXPECT_EQ(field.text(), "5223.08N");
}

} // namespace
