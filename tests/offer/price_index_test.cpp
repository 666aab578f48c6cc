#include "offer/price_index.h"

#include <gtest/gtest.h>

// Finding an item's row by its model code, however the list writes it.
namespace orvika {
namespace {

PriceList priceListOf(QList<PriceEntry> entries)
{
    PriceList list;
    list.entries = entries;
    return list;
}

TEST(PriceIndex, ReadsCyrillicLookalikesAsLatinAndDropsBlanksHyphensAndDots)
{
    const struct
    {
        const char *text, *code;
    } cases[] = {
        {"К-3520", "K3520"},
        {"к 3520", "K3520"},
        {"K.3520", "K3520"},
        {"АВЕКМНОРСТХ", "ABEKMHOPCTX"},
        {"авекмнорстх", "ABEKMHOPCTX"},
        {"SB\u20114\u00a0T", "SB4T"},
        {"Д-Ф", "ДФ"},
        {"1х2х0,8", "1X2X0,8"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(normalisedCode(QString::fromUtf8(c.text)), QString::fromUtf8(c.code)) << c.text;
}

TEST(PriceIndex, FindsAModelHoweverEitherSideWritesIt)
{
    const PriceList list = priceListOf({
        {QStringLiteral("К-3520"), QStringLiteral("Громкоговоритель"), 150000, Roubles, 2},
        {QStringLiteral("PA-2400"), QStringLiteral("Усилитель"), 9900, QStringLiteral("USD"), 3},
        {QStringLiteral("K 3520"), QStringLiteral("Повтор"), 1, Roubles, 4},
        {QStringLiteral("КСРВнг(А)-FRLS 1х2х0,8"), QStringLiteral("Кабель"), 4500, Roubles, 5},
        {QStringLiteral("100-200"), QStringLiteral("КПСнг(А)-FRLS 1x2x0,75"), 3800, Roubles, 6},
    });
    const PriceIndex index(list);
    const struct
    {
        const char *model, *name;
        int line; // 0: none
    } cases[] = {
        {"K-3520", "", 2},                 // a Latin K finds the Cyrillic one; of two alike, the first
        {"к3520", "что угодно", 2},        // the model decides when there is one
        {"ра 2400", "", 3},                // Cyrillic Р and А
        {"PA-2401", "Усилитель", 0},       // a model not listed is not looked up by name
        {"", "КСРВнг(А)-FRLS 1x2x0,8", 5}, // by the whole name, against the list's models
        {"", "кпснг(а) frls 1х2х0,75", 6}, // and its names
        {"", "Кабель", 5},                 // a name the list gives a row
        {"", "КПСнг(А)-FRLS", 0},          // a part of a name is not the name
        {"", "", 0},
    };
    for (const auto &c : cases) {
        const PriceEntry *entry = index.find(QString::fromUtf8(c.model), QString::fromUtf8(c.name));
        EXPECT_EQ(entry ? entry->line : 0, c.line) << c.model << " / " << c.name;
    }
}

} // namespace
} // namespace orvika
