#include "settings/number.h"
#include "support/qt_print.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

TEST(NumberReading, AcceptedForms)
{
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"0", 0},
        {"12", 12},
        {" 12", 12},
        {"   -12", -12},
        {"+7", 7},
        {"-0", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"00000000002147483647", 2147483647},
        {"$FF", 255},
        {"$ff", 255},
        {"xFf", 255},
        {"XfF", 255},
        {"0x10", 16},
        {"0X10", 16},
        {" $1", 1},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", -2147483647 - 1},
        {"$FFFFFFFF", -1},
        {"$00000001", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tryReadNumber(c.text), c.value) << c.text;
        EXPECT_EQ(*readNumber(c.text), c.value) << c.text;
    }
}

TEST(NumberReading, RefusedFormsAreConversionErrors)
{
    const char* const cases[] = {
        "",
        " ",
        "1 2",
        "12 ",
        "1.5",
        "$",
        "-$FF",
        "+$FF",
        "$-1",
        "0x",
        "x",
        "0x 1",
        "+",
        "-",
        "+-1",
        "--1",
        "\t12",
        "12a",
        "2147483648",
        "-2147483649",
        "+2147483648",
        "99999999999999999999",
        "$123456789",
        "$G",
        "0xFFFFFFFFF",
        "1e3",
        "٣",
    };
    for (const char* text : cases) {
        const QString t = QString::fromUtf8(text);
        EXPECT_EQ(tryReadNumber(t), std::nullopt) << text;
        const Result<std::int32_t> read = readNumber(t);
        ASSERT_FALSE(read.ok()) << text;
        EXPECT_EQ(read.errorText(), QStringLiteral("'%1' is not a valid integer value").arg(t));
    }
}

TEST(NumberReading, TheErrorBoxAddsTheFullStop)
{
    const Result<std::int32_t> read = readNumber(QStringLiteral("12 "));
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(errorBoxText(read.errorText()), QString("'12 ' is not a valid integer value."));
}

} // namespace
} // namespace orvik
