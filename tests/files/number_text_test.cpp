#include "files/c_numeric_locale.h"
#include "files/number_text.h"

#include <QLocale>
#include <clocale>
#include <cstdio>
#include <cmath>
#include <gtest/gtest.h>

namespace orvika {
namespace {

TEST(RussianNumberTest, WritesADecimalCommaWithoutGrouping)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(russianNumber(1897.5), QStringLiteral("1897,5"));
    EXPECT_EQ(russianNumber(123456789), QStringLiteral("123456789"));
    EXPECT_EQ(russianNumber(-0.25), QStringLiteral("-0,25"));
    EXPECT_EQ(russianDecimal(0.75, 2), QStringLiteral("0,75"));
    EXPECT_EQ(russianDecimal(12.5, 0), QStringLiteral("13"));
    EXPECT_EQ(russianDecimal(2.0, 2), QStringLiteral("2"));
    EXPECT_EQ(russianDecimal(14.196, 1), QStringLiteral("14,2"));
    EXPECT_EQ(russianDecimal(-0.001, 2), QStringLiteral("0"));
    EXPECT_EQ(russianDecimal(1234.5, 1), QStringLiteral("1234,5"));
    EXPECT_EQ(russianFixed(75, 1), QStringLiteral("75,0"));
    EXPECT_EQ(russianFixed(-0.04, 1), QStringLiteral("0,0"));
    EXPECT_EQ(russianFixed(-0.06, 1), QStringLiteral("-0,1"));
    EXPECT_EQ(russianFixed(1234.56, 1), QStringLiteral("1234,6"));
    // A figure a file does not state shows as nothing, never as "nan".
    for (const double none : {std::nan(""), HUGE_VAL})
        EXPECT_EQ(russianNumber(none) + russianDecimal(none, 2) + russianFixed(none, 1), QString());
    QLocale::setDefault(previous);
}

// Under a locale with a decimal comma printf writes a comma; inside the guard, a point, and the locale
// is back afterwards.
TEST(CNumericLocaleTest, GivesPrintfAPointAndRestoresTheLocale)
{
    const char *const russian = std::setlocale(LC_NUMERIC, "ru_RU.UTF-8");
    if (!russian)
        GTEST_SKIP() << "ru_RU.UTF-8 is not generated on this machine";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", 11.5);
    EXPECT_STREQ(text, "11,50");
    {
        const CNumericLocale c;
        EXPECT_TRUE(c.active());
        std::snprintf(text, sizeof text, "%.2f", 11.5);
        EXPECT_STREQ(text, "11.50");
    }
    std::snprintf(text, sizeof text, "%.2f", 11.5);
    EXPECT_STREQ(text, "11,50");
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace
} // namespace orvika
