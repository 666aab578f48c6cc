#include "calc/calculation.h"
#include "catalogue/designation.h"
#include "catalogue/scheme_library.h"
#include "installations.h"
#include "offer/amount_in_words.h"
#include "offer/offer_items.h"
#include "offer/offer_pricing.h"
#include "offer/price_index.h"
#include "offer/unit_price.h"
#include "offer/vat.h"

#include <benchmark/benchmark.h>

namespace {

// A distributor's list of 20,000 rows, models written with Cyrillic lookalikes and hyphens, a fifth of them
// in dollars.
orvika::PriceList largeList()
{
    orvika::PriceList list;
    for (int row = 0; row < 20000; ++row) {
        orvika::PriceEntry entry;
        entry.model =
            QStringLiteral("%1-%2").arg(row % 2 ? QStringLiteral("К") : QStringLiteral("РА")).arg(row);
        entry.name = QStringLiteral("Изделие %1 серии %2").arg(row).arg(row % 37);
        entry.priceMinor = 1000 + qint64(row) * 137 % 1000000;
        entry.currency = row % 5 ? orvika::Roubles : QStringLiteral("USD");
        entry.line = row + 2;
        list.entries.append(entry);
    }
    return list;
}

orvika::PricingTerms terms()
{
    orvika::PricingTerms terms;
    terms.rates.insert(QStringLiteral("USD"), orvika::Rate{924567});
    terms.rateSurcharge = orvika::Percent{200};
    terms.markup = orvika::Percent{1500};
    terms.discount = orvika::Percent{500};
    return terms;
}

// The index a list is looked up through, built when the list is taken.
void indexOf20000Rows(benchmark::State &state)
{
    const orvika::PriceList list = largeList();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvika::PriceIndex(list));
}
BENCHMARK(indexOf20000Rows)->Unit(benchmark::kMillisecond);

// The largest installation's 2,000 items, each found, priced and summed, the totals with VAT and in words.
void pricing2000Items(benchmark::State &state)
{
    const orvika::PriceList list = largeList();
    const orvika::PriceIndex index(list);
    const orvika::PricingTerms pricing = terms();
    QList<QString> models;
    for (int item = 0; item < 2000; ++item)
        models.append(
            QStringLiteral("%1 %2").arg(item % 2 ? QStringLiteral("K") : QStringLiteral("PA")).arg(item * 9));
    for (auto _ : state) {
        QList<orvika::Money> sums;
        sums.reserve(models.size());
        for (qsizetype item = 0; item < models.size(); ++item) {
            const orvika::PriceEntry *entry = index.find(models[item], QString());
            if (!entry)
                continue;
            const orvika::UnitPrice price = orvika::unitPrice(*entry, pricing);
            if (price.isPriced()) {
                if (const auto sum = orvika::lineSum(price.money, orvika::Quantity::whole(1 + item % 40)))
                    sums.append(*sum);
            }
        }
        const auto totals =
            orvika::offerTotals(orvika::subtotalOf(sums).value_or(orvika::Money{}), orvika::Vat{});
        benchmark::DoNotOptimize(orvika::amountInWords(totals ? totals->total : orvika::Money{}));
    }
}
BENCHMARK(pricing2000Items)->Unit(benchmark::kMillisecond);

// The largest installation as the offer prices it: its proposal's units, a loudspeaker line in each of its
// 160 zones and five works, against the 20,000-row list holding every catalogue unit, from the items to the
// totals in words. The list's index is built once, when the list is taken.
void pricingTheLargestInstallation(benchmark::State &state)
{
    const orvika::Catalogue catalogue = bench::bundledCatalogue();
    const orvika::Requirements requirements = bench::largeInstallation();
    const orvika::Proposal proposal =
        orvika::calculate(catalogue, orvika::loadSchemeLibrary(bench::DataDir).lines, requirements);
    orvika::PriceList list = largeList();
    for (const QString &line : catalogue.lines)
        if (const QString model = orvika::modelOf(line); !model.isEmpty())
            list.entries.append({model, orvika::unitName(line), 123456, orvika::Roubles, 0});
    list.entries.append({QString(), QStringLiteral("КПСнг(А)-FRLS 2х1,5"), 5650, orvika::Roubles, 0});
    const orvika::PriceIndex index(list);
    orvika::LoudspeakerLines lines;
    for (int zone = 1; zone <= 160; ++zone)
        lines.zones.append({zone, QStringLiteral("Зона %1").arg(zone),
                            QStringLiteral("K-3520 Громкоговоритель"), 6, zone % 12 + 1, 80.0 + zone, 1.5,
                            QStringLiteral("КПСнг(А)-FRLS")});
    orvika::OfferSettings settings;
    settings.markup = orvika::Percent{1500};
    for (int work = 0; work < 5; ++work)
        settings.works.append({QStringLiteral("Работа %1").arg(work), QStringLiteral("усл."),
                               orvika::Quantity::whole(1), orvika::Money{1000000}});
    for (auto _ : state) {
        const orvika::Offer offer = orvika::priceOffer(
            orvika::offerItems(requirements, proposal, lines, settings.works), settings, index);
        benchmark::DoNotOptimize(orvika::amountInWords(offer.totals.total));
    }
}
BENCHMARK(pricingTheLargestInstallation)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
