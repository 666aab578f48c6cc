#include "offer/vat.h"

#include <gtest/gtest.h>

// VAT charged once on the subtotal, in each of its modes, and the lines that name it.
namespace orvika {
namespace {

TEST(Vat, IsChargedOnceOnTheSubtotalNotLineByLine)
{
    // Three lines of 10,02: 22 % of each is 2,2044 → 2,20, together 6,60; of their sum 30,06 it is 6,6132 →
    // 6,61.
    const std::optional<Money> subtotal = subtotalOf({Money{1002}, Money{1002}, Money{1002}});
    ASSERT_EQ(subtotal, Money{3006});
    const std::optional<OfferTotals> totals = offerTotals(*subtotal, Vat{VatMode::Over, 22});
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->vat, Money{661});
    EXPECT_EQ(totals->total, Money{3667});
}

TEST(Vat, EachModeGivesItsVatTotalAndLines)
{
    const struct
    {
        VatMode mode;
        int rate;
        qint64 subtotal, vat, total;
        const char *vatLine, *totalLine, *key;
    } cases[] = {
        // 1 000,05 × 22 / 100 = 220,011 → 220,01.
        {VatMode::Over, 22, 100005, 22001, 122006, "НДС 22 %", "Всего с НДС", "over"},
        // 100,25 × 0,2 = 20,05 exactly; 100,25 × 0,1 = 10,025 → 10,03 (half up).
        {VatMode::Over, 20, 10025, 2005, 12030, "НДС 20 %", "Всего с НДС", "over"},
        {VatMode::Over, 10, 10025, 1003, 11028, "НДС 10 %", "Всего с НДС", "over"},
        // 122,00 with 22 % in it: 122 × 22 / 122 = 22,00; 100,00 × 22 / 122 = 18,0327… → 18,03.
        {VatMode::Included, 22, 12200, 2200, 12200, "в том числе НДС 22 %", "Всего", "included"},
        {VatMode::Included, 22, 10000, 1803, 10000, "в том числе НДС 22 %", "Всего", "included"},
        // 105,00 with 5 % in it: 5,00 exactly; 1,07 with 7 %: 0,07.
        {VatMode::Included, 5, 10500, 500, 10500, "в том числе НДС 5 %", "Всего", "included"},
        {VatMode::Included, 7, 107, 7, 107, "в том числе НДС 7 %", "Всего", "included"},
        {VatMode::Over, 0, 12345, 0, 12345, "НДС 0 %", "Всего с НДС", "over"},
        {VatMode::None, 22, 12345, 0, 12345, "Без налога (НДС)", "Всего", "none"},
    };
    for (const auto &c : cases) {
        const Vat vat{c.mode, c.rate};
        const std::optional<OfferTotals> totals = offerTotals(Money{c.subtotal}, vat);
        ASSERT_TRUE(totals) << c.vatLine;
        EXPECT_EQ(totals->subtotal, Money{c.subtotal}) << c.vatLine;
        EXPECT_EQ(totals->vat, Money{c.vat}) << c.vatLine << " of " << c.subtotal;
        EXPECT_EQ(totals->total, Money{c.total}) << c.vatLine << " of " << c.subtotal;
        EXPECT_EQ(vatLineText(vat), QString::fromUtf8(c.vatLine));
        EXPECT_EQ(totalLineText(vat), QString::fromUtf8(c.totalLine));
        EXPECT_EQ(vatModeKey(c.mode), QString::fromLatin1(c.key));
        EXPECT_EQ(vatModeFromKey(QString::fromLatin1(c.key)), c.mode);
    }
}

TEST(Vat, RefusesARateOutsideAPercentageAndAnUnknownMode)
{
    EXPECT_FALSE(offerTotals(Money{100}, Vat{VatMode::Over, -1}));
    EXPECT_FALSE(offerTotals(Money{100}, Vat{VatMode::Included, 101}));
    EXPECT_FALSE(vatModeFromKey(QStringLiteral("Over")));
    EXPECT_EQ(offeredVatRates(), (QList<int>{22, 20, 10, 7, 5, 0}));
    EXPECT_EQ(Vat{}.rate, 22);
}

TEST(Vat, TheDocumentSaysHowItRounds)
{
    EXPECT_TRUE(
        roundingNote(Vat{VatMode::Over, 22}).contains(QStringLiteral("НДС исчислен один раз с итога")));
    EXPECT_FALSE(roundingNote(Vat{VatMode::None, 22}).contains(QStringLiteral("НДС")));
    EXPECT_TRUE(roundingNote(Vat{VatMode::None, 22}).contains(QStringLiteral("в большую сторону")));
}

} // namespace
} // namespace orvika
