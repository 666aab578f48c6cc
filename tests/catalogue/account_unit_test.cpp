#include "catalogue/account_unit.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue_fixtures.h"

#include <gtest/gtest.h>
#include <limits>

using namespace orvika;
using orvika::testing::paddedCatalogue;

namespace {

Catalogue catalogueOf(const QStringList &lines, const QLocale &locale = QLocale::c())
{
    const auto catalogue = parseCatalogue(paddedCatalogue(lines, 29), locale);
    EXPECT_TRUE(catalogue);
    return catalogue.value_or(Catalogue{});
}

const QStringList Units = {
    QStringLiteral("K-1 Блок сообщений#20%1&AL"),
    QStringLiteral("K-1 Блок сообщений расширенный#30%2&AL"),
    QStringLiteral("K-2 Источник#15%3&MZ"),
    QStringLiteral("K-3 Усилитель (240)#400%2&AMP*1|2+0/1//1"),
};

} // namespace

struct AccountCase
{
    const char *what;
    QString name;
    std::int32_t quantity;
    Totals expected; // from blockCount 10, powerDraw 100, heightUnits 5
};

class AccountUnitTest : public ::testing::TestWithParam<AccountCase>
{
};

TEST_P(AccountUnitTest, AddsTheFiguresOfEveryMatchingLine)
{
    const AccountCase &c = GetParam();
    const Catalogue catalogue = catalogueOf(Units);
    Totals totals{10, 100, 5};
    ASSERT_TRUE(accountUnit(catalogue, c.name, c.quantity, totals)) << c.what;
    EXPECT_EQ(totals, c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Names, AccountUnitTest,
    ::testing::Values(
        AccountCase{"one line", QStringLiteral("K-2 Источник"), 2, {12, 130, 11}},
        AccountCase{"a name inside a longer name adds both lines",
                    QStringLiteral("K-1 Блок сообщений"),
                    1,
                    {11, 150, 8}},
        AccountCase{
            "the longer name only", QStringLiteral("K-1 Блок сообщений расширенный"), 3, {13, 190, 11}},
        AccountCase{"a part of a name", QStringLiteral("Источ"), 1, {11, 115, 8}},
        AccountCase{"unknown name adds only the count", QStringLiteral("K-9 Нет такого"), 4, {14, 100, 5}},
        AccountCase{"zero pieces", QStringLiteral("K-2 Источник"), 0, {10, 100, 5}},
        AccountCase{"names are case-sensitive", QStringLiteral("k-2 источник"), 1, {11, 100, 5}},
        AccountCase{"negative quantity subtracts", QStringLiteral("K-2 Источник"), -1, {9, 85, 2}}));

TEST(AccountUnitTest, EmptyNameMatchesEveryNonEmptyLine)
{
    QStringList lines = Units;
    lines.append(QString());
    const Catalogue catalogue = catalogueOf(lines);
    // The padding adds model lines with zero figures and headings without any.
    Totals totals;
    ASSERT_TRUE(accountUnit(catalogue, QString(), 2, totals));
    EXPECT_EQ(totals, (Totals{2, 2 * (20 + 30 + 15 + 400), 2 * (1 + 2 + 3 + 2)}));
}

struct LocaleCase
{
    std::int32_t quantity;
    std::int32_t power;
    std::int32_t height;
};

class AccountUnitLocaleTest : public ::testing::TestWithParam<LocaleCase>
{
};

TEST_P(AccountUnitLocaleTest, ReadsTheDecimalCommaAndRoundsHalfToEven)
{
    const Catalogue catalogue =
        catalogueOf({QStringLiteral("K-1 Блок#2,5%0,5&AL")}, QLocale(QLocale::Russian, QLocale::Russia));
    Totals totals;
    ASSERT_TRUE(accountUnit(catalogue, QStringLiteral("K-1 Блок"), GetParam().quantity, totals));
    EXPECT_EQ(totals.powerDraw, GetParam().power);
    EXPECT_EQ(totals.heightUnits, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Halves, AccountUnitLocaleTest,
                         ::testing::Values(LocaleCase{3, 8, 2}, LocaleCase{1, 2, 0}, LocaleCase{5, 12, 2},
                                           LocaleCase{2, 5, 1}));

TEST(AccountUnitTest, OverflowLeavesTheTotalsUnchanged)
{
    const Catalogue catalogue = catalogueOf(Units);
    const Totals start{10, 100, 5};

    Totals totals = start;
    EXPECT_FALSE(accountUnit(catalogue, QStringLiteral("K-3 Усилитель"), 10'000'000, totals));
    EXPECT_EQ(totals, start);

    totals = {std::numeric_limits<std::int32_t>::max(), 0, 0};
    EXPECT_FALSE(accountUnit(catalogue, QStringLiteral("K-9 Нет такого"), 1, totals));
    EXPECT_EQ(totals, (Totals{std::numeric_limits<std::int32_t>::max(), 0, 0}));

    totals = {0, std::numeric_limits<std::int32_t>::max() - 10, 0};
    EXPECT_FALSE(accountUnit(catalogue, QStringLiteral("K-2 Источник"), 1, totals));
    EXPECT_EQ(totals, (Totals{0, std::numeric_limits<std::int32_t>::max() - 10, 0}));
}
