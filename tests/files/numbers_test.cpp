#include "files/numbers.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

using namespace orvika;

struct LeadingCase
{
    const char16_t *text;
    double expected;
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase>
{
};

TEST_P(LeadingNumberTest, ReadsTheNumberAtTheStart)
{
    EXPECT_DOUBLE_EQ(leadingNumber(QStringView(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LeadingNumberTest,
    ::testing::Values(LeadingCase{u"08", 8}, LeadingCase{u"5 ", 5}, LeadingCase{u"4x", 4},
                      LeadingCase{u"x4", 0}, LeadingCase{u"", 0}, LeadingCase{u" 1 2\t3\n4", 1234},
                      LeadingCase{u"-5", -5}, LeadingCase{u"+ 7", 7}, LeadingCase{u"1,5", 1},
                      LeadingCase{u"1.5.3", 1.5}, LeadingCase{u".5", 0.5}, LeadingCase{u"2E3", 2000},
                      LeadingCase{u"2D3x", 2000}, LeadingCase{u"2e", 2}, LeadingCase{u"2e+", 2},
                      LeadingCase{u"&H1F", 31}, LeadingCase{u"&HFFFF", -1}, LeadingCase{u"&O17", 15},
                      LeadingCase{u"&x", 0}, LeadingCase{u"-", 0}, LeadingCase{u"250 Вт", 250},
                      LeadingCase{u"1500.5", 1500.5}));

struct RoundCase
{
    double value;
    std::optional<std::int32_t> expected;
};

class ToInt32Test : public ::testing::TestWithParam<RoundCase>
{
};

TEST_P(ToInt32Test, RoundsHalfToEven)
{
    EXPECT_EQ(toInt32(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Halves, ToInt32Test,
                         ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2},
                                           RoundCase{7.5, 8}, RoundCase{0.49, 0},
                                           RoundCase{2147483647.0, 2147483647},
                                           RoundCase{2147483647.5, std::nullopt},
                                           RoundCase{-2147483648.5, -2147483647 - 1},
                                           RoundCase{1e300, std::nullopt}));

TEST(ToInt16Test, RejectsWhatLeavesSixteenBits)
{
    EXPECT_EQ(toInt16(32767.4), std::int16_t{32767});
    EXPECT_EQ(toInt16(32768), std::nullopt);
    EXPECT_EQ(toInt16(12.5), std::int16_t{12});
}

TEST(LocaleNumberTest, FollowsTheLocaleNotation)
{
    const QLocale c(QLocale::C);
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    EXPECT_EQ(localeNumber(u"  250 ", c), 250.0);
    EXPECT_EQ(localeNumber(u"1.5", c), 1.5);
    EXPECT_EQ(localeNumber(u"1,5", russian), 1.5);
    EXPECT_EQ(localeNumber(u"-5", c), -5.0);
    EXPECT_EQ(localeNumber(u"1e3", c), 1000.0);
    EXPECT_EQ(localeNumber(u"", c), std::nullopt);
    EXPECT_EQ(localeNumber(u"abc", c), std::nullopt);
    EXPECT_EQ(localeNumber(u"12abc", c), std::nullopt);
}

TEST(CeilingQuotientTest, AddsOneForAFraction)
{
    EXPECT_EQ(ceilingQuotient(10, 10), 1);
    EXPECT_EQ(ceilingQuotient(11, 10), 2);
    EXPECT_EQ(ceilingQuotient(160, 10), 16);
    EXPECT_EQ(ceilingQuotient(30, 8), 4);
}

// A Qt application takes the C library's locale from the environment; a Russian desktop writes
// decimals with a comma there. The leading-number reading must still take "." and stop at ",".
TEST(LeadingNumberTest, IgnoresTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char *russian = nullptr;
    for (const char *name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            russian = name;
            break;
        }
    }
    if (!russian)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const double dotted = leadingNumber(u"1500.5");
    const double commaed = leadingNumber(u"2,5");
    const double exponent = leadingNumber(u"1.5E2");
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(dotted, 1500.5);
    EXPECT_EQ(commaed, 2);
    EXPECT_EQ(exponent, 150);
}

struct RangeCase
{
    const char16_t *text;
    bool fits;
};

class LeadingNumberRangeTest : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(LeadingNumberRangeTest, HugeNumbersDoNotFitThirtyTwoBits)
{
    EXPECT_EQ(toInt32(leadingNumber(QStringView(GetParam().text))).has_value(), GetParam().fits);
}

INSTANTIATE_TEST_SUITE_P(Limits, LeadingNumberRangeTest,
                         ::testing::Values(RangeCase{u"2147483647", true}, RangeCase{u"2147483648", false},
                                           RangeCase{u"-2147483648", true}, RangeCase{u"1e400", false},
                                           RangeCase{u"1e-400", true}, RangeCase{u"&HFFFFFFFF", true},
                                           RangeCase{u"&H100000000", false}, RangeCase{u"&O77777", true},
                                           RangeCase{u"2D9", true}, RangeCase{u"9D10", false}));

// Plain decimals are read on a short path; it must give exactly what the C library gives for the
// same digits, to the last bit, on both sides of the path's digit limit.
TEST(LeadingNumberTest, PlainDecimalsMatchTheCLibraryExactly)
{
    const char *const texts[] = {"0.1",
                                 "-0.0",
                                 "1500.5",
                                 "34.65",
                                 "123456789012345",
                                 "1234567890123456",
                                 "0.000000000000001",
                                 "99999.99999999999",
                                 "-7.25",
                                 "3.3333333333333335"};
    for (const char *text : texts) {
        const double expected = std::strtod(text, nullptr);
        const double read = leadingNumber(QString::fromLatin1(text));
        EXPECT_EQ(std::memcmp(&read, &expected, sizeof read), 0) << text;
    }
}
