#include "offer/exact_decimal.h"
#include "offer/money.h"

#include <gtest/gtest.h>
#include <limits>

// Rates, percentages and quantities read digit by digit from what the user typed, never through a double.
namespace orvika {
namespace {

TEST(ExactDecimal, ReadsTheFigureTheUserWroteExactly)
{
    const struct
    {
        const char *text;
        int decimals;
        qint64 value;
    } cases[] = {
        {"92,4567", 4, 924567},
        {"92.4567", 4, 924567},
        {" 92,4 ", 4, 924000},
        {"0,0001", 4, 1},
        {"1 234,5", 3, 1234500},
        {"1\u00a0234", 2, 123400},
        {"7", 0, 7},
        {"0.29", 2, 29},
        // 0,29 and 1,1 have no exact double: read as a double and scaled they would come out 28 and 109…
        {"1,1", 2, 110},
        {"922337203685477,5807", 4, std::numeric_limits<qint64>::max()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseExactDecimal(QString::fromUtf8(c.text), c.decimals), c.value) << c.text;
}

TEST(ExactDecimal, RefusesWhatIsNotOneExactFigure)
{
    const struct
    {
        const char *text;
        int decimals;
    } cases[] = {
        {"92,45671", 4},
        {"1,005", 2},
        {"", 2},
        {" ", 2},
        {"-5", 2},
        {"+5", 2},
        {"1,2,3", 2},
        {"1.234,5", 2},
        {",5", 2},
        {"5,", 2},
        {"1e3", 2},
        {"12 ,5", 2},
        {"1  234", 2},
        {"1,5 0", 2},
        {"١٢", 2},
        {"0x10", 2},
        {"922337203685477,5808", 4},
        {"9223372036854775808", 0},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(parseExactDecimal(QString::fromUtf8(c.text), c.decimals)) << c.text;
}

TEST(ExactDecimal, ReadsRatesPercentsAndQuantitiesInTheirUnits)
{
    EXPECT_EQ(parseRate(u"92,4567"), Rate{924567});
    EXPECT_FALSE(parseRate(u"0"));
    EXPECT_EQ(parsePercent(u"12,5 %"), Percent{1250});
    EXPECT_EQ(parsePercent(u"3%"), Percent{300});
    EXPECT_EQ(parsePercent(u"0"), Percent{0});
    EXPECT_FALSE(parsePercent(u"%"));
    EXPECT_EQ(parseQuantity(u"12,5"), Quantity{12500});
    EXPECT_EQ(quantityFrom(126.0), Quantity::whole(126));
    EXPECT_FALSE(quantityFrom(-1));
    EXPECT_FALSE(quantityFrom(std::numeric_limits<double>::quiet_NaN()));
}

TEST(ExactDecimal, IsWrittenBackWithADecimalCommaAndNoTrailingZeros)
{
    EXPECT_EQ(rateText(Rate{924567}), QStringLiteral("92,4567"));
    EXPECT_EQ(rateText(Rate{1}), QStringLiteral("0,0001"));
    EXPECT_EQ(percentText(Percent{1250}), QStringLiteral("12,5"));
    EXPECT_EQ(percentText(Percent{2200}), QStringLiteral("22"));
    EXPECT_EQ(percentText(Percent{0}), QStringLiteral("0"));
    EXPECT_EQ(quantityText(Quantity{12500}), QStringLiteral("12,5"));
    EXPECT_EQ(exactDecimalText(-5, 2), QStringLiteral("-0,05"));
    EXPECT_EQ(exactDecimalText(7, 0), QStringLiteral("7"));
    for (const qint64 value : {qint64(1), qint64(924567), qint64(100000), std::numeric_limits<qint64>::max()})
        EXPECT_EQ(parseExactDecimal(exactDecimalText(value, 4), 4), value) << value;
}

TEST(ExactDecimal, ReadsTheCardsNumbersAsTheDecimalsTheyWereWrittenFrom)
{
    // 92.4567 is 92.456699999999998… as a double, 1234.56 is 1234.5599999999999…: taken digit by digit
    // from the double, or scaled and cut, they would lose a unit.
    EXPECT_EQ(rateFrom(92.4567), Rate{924567});
    EXPECT_EQ(moneyFrom(1234.56), Money{123456});
    EXPECT_EQ(moneyFrom(0.29), Money{29});
    EXPECT_EQ(moneyFrom(1e6), Money{100000000});
    EXPECT_EQ(percentFrom(12.5), Percent{1250});
    EXPECT_FALSE(moneyFrom(0.001));
    EXPECT_FALSE(moneyFrom(-1));
    EXPECT_FALSE(moneyFrom(1e30));
    EXPECT_FALSE(rateFrom(0));
    EXPECT_FALSE(percentFrom(std::numeric_limits<double>::infinity()));
    for (const qint64 kopecks :
         {qint64(1), qint64(29), qint64(123456), qint64(100000000), qint64(999999999999)})
        EXPECT_EQ(moneyFrom(moneyNumber(Money{kopecks})), Money{kopecks}) << kopecks;
    EXPECT_EQ(moneyNumber(Money{123456}), 1234.56);
    EXPECT_EQ(exactDecimalNumber(924567, 4), 92.4567);
}

TEST(ExactDecimal, ReadsATypedPriceToTheKopeck)
{
    EXPECT_EQ(parseMoney(u"1 234,56"), Money{123456});
    EXPECT_EQ(parseMoney(u"0.1"), Money{10});
    EXPECT_FALSE(parseMoney(u"1,005"));
    EXPECT_FALSE(parseMoney(u"-1"));
}

} // namespace
} // namespace orvika
