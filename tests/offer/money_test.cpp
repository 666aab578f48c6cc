#include "offer/money.h"
#include "offer/unit_price.h"
#include "offer/vat.h"

#include <gtest/gtest.h>
#include <limits>

// Whole kopecks, each step rounded half up, and sums that refuse rather than wrap.
namespace orvika {
namespace {

constexpr qint64 MostKopecks = std::numeric_limits<qint64>::max();

TEST(Money, RoundsEachQuotientHalfUpAndAwayFromZero)
{
    const struct
    {
        qint64 numerator, denominator, rounded;
    } cases[] = {{4, 10, 0},   {5, 10, 1},  {15, 10, 2},   {149, 100, 1}, {150, 100, 2},
                 {-5, 10, -1}, {-4, 10, 0}, {-15, 10, -2}, {5, -10, -1},  {7, 7, 1}};
    for (const auto &c : cases)
        EXPECT_EQ(roundedQuotient(c.numerator, c.denominator), c.rounded)
            << c.numerator << "/" << c.denominator;
    EXPECT_FALSE(roundedQuotient(1, 0));
    EXPECT_FALSE(roundedQuotient(__int128(MostKopecks) * 3, 2));
}

TEST(Money, RoundsTheMarkupAndTheDiscountEachInItsTurn)
{
    // 1,00 × 1,125 = 1,125 → 1,13; × 0,97 = 1,0961 → 1,10. Taken in one step it would be 1,09125 → 1,09.
    PricingTerms terms;
    terms.markup = Percent{1250};
    terms.discount = Percent{300};
    const UnitPrice price = unitPrice(100, Roubles, terms);
    ASSERT_TRUE(price.isPriced());
    EXPECT_EQ(price.money, Money{110});
    // A line multiplies the price as printed: ten at 1,13 are 11,30, not 10 × 1,125 = 11,25.
    terms.discount = Percent{0};
    EXPECT_EQ(lineSum(unitPrice(100, Roubles, terms).money, Quantity::whole(10)), Money{1130});
}

TEST(Money, ConvertsAForeignPriceWithItsRateAndSurchargeFirst)
{
    // 1,99 $ × 92,4567 × 1,02 = 187,6686… → 187,67; + 15 % = 215,8205 → 215,82; − 5 % = 205,029 → 205,03.
    PricingTerms terms;
    terms.rates.insert(QStringLiteral("USD"), Rate{924567});
    terms.rateSurcharge = Percent{200};
    terms.markup = Percent{1500};
    terms.discount = Percent{500};
    PriceEntry entry{QStringLiteral("K-3520"), QString(), 199, QStringLiteral("USD"), 2};
    EXPECT_EQ(unitPrice(entry, terms).money, Money{20503});
    // The rate and the surcharge apply to a foreign currency only.
    entry.currency = Roubles;
    // 1,99 × 1,15 = 2,2885 → 2,29; × 0,95 = 2,1755 → 2,18.
    EXPECT_EQ(unitPrice(entry, terms).money, Money{218});
}

TEST(Money, APriceInACurrencyWithoutARateIsMissingNotZero)
{
    PricingTerms terms;
    terms.rates.insert(QStringLiteral("USD"), Rate{924567});
    for (const char *currency : {"EUR", "CNY", "eur"}) {
        const UnitPrice price = unitPrice(1000, QString::fromLatin1(currency), terms);
        EXPECT_FALSE(price.isPriced()) << currency;
        EXPECT_EQ(price.gap, PriceGap::NoRate) << currency;
    }
    EXPECT_TRUE(unitPrice(1000, QStringLiteral("usd"), terms).isPriced());
    EXPECT_EQ(unitPrice(1000, QStringLiteral("rub"), terms).money, Money{1000});
}

TEST(Money, RefusesADiscountAboveTheWholePrice)
{
    PricingTerms terms;
    terms.discount = Percent{10001};
    EXPECT_EQ(unitPrice(1000, Roubles, terms).gap, PriceGap::BadTerms);
    terms.discount = Percent{10000};
    EXPECT_EQ(unitPrice(1000, Roubles, terms).money, Money{0});
}

TEST(Money, LineSumsAreTheUnitPriceTimesTheQuantity)
{
    const struct
    {
        qint64 unit, thousandths, sum;
    } cases[] = {{33333, 3000, 99999}, {1001, 12500, 12513}, {1001, 12400, 12412}, {5, 0, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(lineSum(Money{c.unit}, Quantity{c.thousandths}), Money{c.sum})
            << c.unit << " × " << c.thousandths;
}

TEST(Money, OverflowIsRefusedNotWrapped)
{
    EXPECT_FALSE(lineSum(Money{MostKopecks / 2 + 1}, Quantity::whole(2)));
    EXPECT_EQ(lineSum(Money{MostKopecks / 2}, Quantity::whole(2)), Money{MostKopecks - 1});
    EXPECT_FALSE(added(Money{MostKopecks}, Money{1}));
    EXPECT_FALSE(subtotalOf({Money{MostKopecks - 10}, Money{5}, Money{6}}));
    EXPECT_EQ(subtotalOf({Money{MostKopecks - 10}, Money{5}, Money{5}}), Money{MostKopecks});

    PricingTerms terms;
    terms.rates.insert(QStringLiteral("USD"), Rate{std::numeric_limits<qint64>::max()});
    EXPECT_EQ(unitPrice(MostKopecks, QStringLiteral("USD"), terms).gap, PriceGap::TooLarge);
    terms.markup = Percent{std::numeric_limits<qint64>::max()};
    EXPECT_EQ(unitPrice(100, Roubles, terms).gap, PriceGap::TooLarge);
    EXPECT_FALSE(offerTotals(Money{MostKopecks - 1}, Vat{VatMode::Over, 22}));
}

TEST(Money, IsWrittenWithADecimalCommaAndGroupedThousands)
{
    EXPECT_EQ(moneyText(Money{12345678}), QString::fromUtf8("123\u00a0456,78"));
    EXPECT_EQ(moneyText(Money{123456789}, false), QStringLiteral("1234567,89"));
    EXPECT_EQ(moneyText(Money{5}), QStringLiteral("0,05"));
    EXPECT_EQ(moneyText(Money{100000}), QString::fromUtf8("1\u00a0000,00"));
    EXPECT_EQ(moneyText(Money{-100000}, false), QStringLiteral("-1000,00"));
    EXPECT_EQ(moneyText(Money{std::numeric_limits<qint64>::min()}, false),
              QStringLiteral("-92233720368547758,08"));
}

} // namespace
} // namespace orvika
