#include "offer/offer_items.h"
#include "offer/offer_pricing.h"
#include "offer/offer_texts.h"

#include <gtest/gtest.h>

// The offer priced from the list, the prices set by hand and the works: where each price comes from, what
// stays out of the sums, and the sums themselves.
namespace orvika {
namespace {

Money rub(qint64 kopecks)
{
    return Money{kopecks};
}

OfferItem unit(const char *model, const char *name, qint64 count,
               OfferSection section = OfferSection::Equipment)
{
    OfferItem item;
    item.section = section;
    item.model = QString::fromUtf8(model);
    item.name = QString::fromUtf8(name);
    item.unit = QStringLiteral("шт.");
    item.quantity = Quantity::whole(count);
    return item;
}

OfferItem work(const char *name, std::optional<Money> price, qint64 thousandths = 1000)
{
    OfferItem item;
    item.section = OfferSection::Works;
    item.name = QString::fromUtf8(name);
    item.unit = QStringLiteral("усл.");
    item.quantity = Quantity{thousandths};
    item.workPrice = price;
    return item;
}

PriceList distributorList()
{
    PriceList list;
    list.entries = {
        {QStringLiteral("К-3520"), QStringLiteral("Громкоговоритель"), 150000, Roubles, 2},
        {QStringLiteral("K-3110"), QStringLiteral("Селектор"), 10000, QStringLiteral("USD"), 3},
        {QStringLiteral("K-3290"), QStringLiteral("Блок"), 2000, QStringLiteral("EUR"), 4},
        {QString(), QStringLiteral("КПСнг(А)-FRLS 2х1,5"), 5650, Roubles, 5},
        {QStringLiteral("K-3620"), QStringLiteral("Пульт"), 99999, Roubles, 6},
    };
    return list;
}

const OfferLine &lineOf(const Offer &offer, const QString &key)
{
    for (const OfferLine &line : offer.lines)
        if (line.item.priceKey() == key)
            return line;
    static const OfferLine none;
    ADD_FAILURE() << "no line " << key.toStdString();
    return none;
}

TEST(OfferPricing, EachPriceComesFromWhereItShould)
{
    const PriceList list = distributorList();
    OfferSettings settings;
    settings.markup = Percent{1000};  // 10 %
    settings.discount = Percent{500}; // 5 %
    settings.rates.insert(QStringLiteral("USD"), {Rate{925000}, QDate(2026, 12, 8)});
    settings.rateSurcharge = Percent{200};                         // 2 %
    settings.prices.insert(QStringLiteral("К-3620"), rub(123456)); // by hand, a Cyrillic К

    OfferItem cable;
    cable.section = OfferSection::Materials;
    cable.name = QStringLiteral("Кабель КПСнг(А)-FRLS 2×1,5 мм²");
    cable.unit = QStringLiteral("м");
    cable.quantity = Quantity::whole(110);
    cable.listNames = {cable.name, QStringLiteral("КПСнг(А)-FRLS 2×1,5")};

    const QList<OfferItem> items = {
        work("Монтаж", rub(5000000)),
        unit("K-3520", "Громкоговоритель", 3, OfferSection::Materials),
        unit("K-3110", "Селектор", 1),
        unit("K-3290", "Блок", 2),
        unit("K-3620", "Пульт", 1),
        unit("K-9999", "Не в списке", 1),
        cable,
        work("Пусконаладка", std::nullopt),
    };
    const Offer offer = priceOffer(items, settings, PriceIndex(list));

    const struct
    {
        QString key;
        PriceSource source;
        std::optional<qint64> unitPrice;
        QString reason;
    } cases[] = {
        // 1 500,00 × 1,10 = 1 650,00; × 0,95 = 1 567,50
        {QStringLiteral("K-3520"), PriceSource::List, 156750, {}},
        // $100,00 × 92,50 × 1,02 = 9 435,00; × 1,10 = 10 378,50; × 0,95 = 9 859,575 → 9 859,58
        {QStringLiteral("K-3110"), PriceSource::List, 985958, {}},
        {QStringLiteral("K-3290"), PriceSource::Missing, std::nullopt, QStringLiteral("нет курса EUR")},
        {QStringLiteral("K-3620"), PriceSource::Hand, 123456, {}}, // no markup after a price by hand
        {QStringLiteral("K-9999"), PriceSource::Missing, std::nullopt, QStringLiteral("нет в прайс-листе")},
        // a cable by its name, the list's "2х1,5" with a Cyrillic х: 56,50 × 1,10 × 0,95
        {cable.name, PriceSource::List, 5904, {}},
        {QStringLiteral("Монтаж"), PriceSource::Work, 5000000, {}}, // as entered, no markup
        {QStringLiteral("Пусконаладка"), PriceSource::Missing, std::nullopt,
         QStringLiteral("цена работы не указана")},
    };
    for (const auto &c : cases) {
        const OfferLine &line = lineOf(offer, c.key);
        EXPECT_EQ(line.source, c.source) << c.key.toStdString();
        EXPECT_EQ(line.unitPrice ? std::optional(line.unitPrice->kopecks) : std::nullopt, c.unitPrice)
            << c.key.toStdString();
        EXPECT_EQ(line.missingReason, c.reason) << c.key.toStdString();
        if (!line.isPriced()) {
            EXPECT_EQ(line.sum, std::nullopt); // never 0
        }
    }

    // By section, numbered through; the work entered first still comes last.
    ASSERT_EQ(offer.lines.size(), items.size());
    EXPECT_EQ(offer.lines.front().item.model, QStringLiteral("K-3110"));
    EXPECT_EQ(offer.lines.back().item.name, QStringLiteral("Пусконаладка"));
    for (qsizetype i = 0; i < offer.lines.size(); ++i)
        EXPECT_EQ(offer.lines[i].position, i + 1);

    // Equipment 9 859,58 + 1 234,56; materials 3 × 1 567,50 + 110 × 59,04; works 50 000,00.
    ASSERT_EQ(offer.subtotals.size(), 3);
    EXPECT_EQ(offer.subtotals[0].subtotal, rub(985958 + 123456));
    EXPECT_EQ(offer.subtotals[1].subtotal, rub(3 * 156750 + 110 * 5904));
    EXPECT_EQ(offer.subtotals[2].subtotal, rub(5000000));
    EXPECT_EQ(offer.totals.subtotal, rub(985958 + 123456 + 3 * 156750 + 110 * 5904 + 5000000));
    EXPECT_EQ(offer.pricedCount, 5);
    EXPECT_FALSE(offer.tooLarge);
    EXPECT_EQ(missingPricesLine(offer),
              QStringLiteral("Без цены: 3 позиции — K-3290, K-9999, Пусконаладка; в сумму не включены"));
}

TEST(OfferPricing, VatIsComputedOnceOnTheSubtotal)
{
    // Three lines of 0,03: VAT per line would be 3 × 0,01; on the subtotal 0,09 × 22 % = 0,0198 → 0,02.
    PriceList list;
    for (int i = 0; i < 3; ++i)
        list.entries.append({QStringLiteral("A-%1").arg(i), QString(), 3, Roubles, i + 2});
    QList<OfferItem> items;
    for (int i = 0; i < 3; ++i)
        items.append(unit(QStringLiteral("A-%1").arg(i).toUtf8().constData(), "Блок", 1));
    const struct
    {
        VatMode mode;
        qint64 vat, total;
    } cases[] = {
        {VatMode::Over, 2, 11},
        {VatMode::Included, 2, 9}, // 0,09 × 22 / 122 = 0,0162 → 0,02 of the 0,09
        {VatMode::None, 0, 9},
    };
    for (const auto &c : cases) {
        OfferSettings settings;
        settings.vat.mode = c.mode;
        const Offer offer = priceOffer(items, settings, PriceIndex(list));
        EXPECT_EQ(offer.totals.subtotal, rub(9));
        EXPECT_EQ(offer.totals.vat, rub(c.vat)) << int(c.mode);
        EXPECT_EQ(offer.totals.total, rub(c.total)) << int(c.mode);
    }
}

TEST(OfferPricing, SumBeyondWhatMoneyHoldsIsRefusedNotWrapped)
{
    PriceList list;
    list.entries.append(
        {QStringLiteral("A-1"), QString(), std::numeric_limits<qint64>::max() / 2, Roubles, 2});
    const Offer offer = priceOffer({unit("A-1", "Блок", 3)}, OfferSettings(), PriceIndex(list));
    EXPECT_TRUE(offer.tooLarge);
}

TEST(OfferItems, TheBillsUnitsThenTheLinesMaterialsThenTheWorks)
{
    Requirements requirements;
    requirements.multiZone = true;
    requirements.zoneCount = 2;
    Proposal proposal;
    proposal.lines = {QStringLiteral("K-3110 Селектор зон на 10 линий до 500 Вт - 1 шт."),
                      QStringLiteral("Блок вентиляторов - 2 шт.")};
    LoudspeakerLines lines;
    lines.settings.cableReserve = 10;
    lines.zones = {
        {1, QStringLiteral("Холл"), QStringLiteral("K-3520 Громкоговоритель 6 Вт"), 6, 4, 100, 1.5,
         QStringLiteral("КПСнг(А)-FRLS")},
        {2, QStringLiteral("Склад"), QStringLiteral("Рупор уличный"), 10, 2, 1, 1.5,
         QStringLiteral("КПСнг(А)-FRLS")},
    };
    OfferWork commissioning;
    commissioning.name = QStringLiteral("Пусконаладка");
    const QList<OfferItem> items = offerItems(requirements, proposal, lines, {commissioning});

    const struct
    {
        OfferSection section;
        QString model, name, unit;
        qint64 thousandths;
    } expected[] = {
        {OfferSection::Equipment, QStringLiteral("K-3110"),
         QStringLiteral("Селектор зон на 10 линий до 500 Вт"), QStringLiteral("шт."), 1000},
        {OfferSection::Equipment, QString(), QStringLiteral("Блок вентиляторов"), QStringLiteral("шт."),
         2000},
        {OfferSection::Materials, QStringLiteral("K-3520"), QStringLiteral("Громкоговоритель 6 Вт"),
         QStringLiteral("шт."), 4000},
        {OfferSection::Materials, QString(), QStringLiteral("Рупор уличный"), QStringLiteral("шт."), 2000},
        // 101 m with 10 % reserve: 111,1, bought as 112 m
        {OfferSection::Materials, QString(), QStringLiteral("Кабель КПСнг(А)-FRLS 2×1,5 мм²"),
         QStringLiteral("м"), 112000},
        {OfferSection::Works, QString(), QStringLiteral("Пусконаладка"), QStringLiteral("усл."), 1000},
    };
    ASSERT_EQ(items.size(), std::size(expected));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const auto &e = expected[i];
        EXPECT_EQ(items[i].section, e.section) << i;
        EXPECT_EQ(items[i].model, e.model) << i;
        EXPECT_EQ(items[i].name, e.name) << i;
        EXPECT_EQ(items[i].unit, e.unit) << i;
        EXPECT_EQ(items[i].quantity.thousandths, e.thousandths) << i;
    }
    EXPECT_FALSE(items[3].workPrice);
}

} // namespace
} // namespace orvika
