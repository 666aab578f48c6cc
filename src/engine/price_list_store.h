#pragma once

#include "price_list/price_list.h"

#include <QString>
#include <optional>

// The user's current price list: read once from prices.json in the user's data folder when first asked
// for, and kept until an import replaces it.
namespace orvika {

class PriceListStore
{
public:
    explicit PriceListStore(const QString &folder);

    // The list; null when none has been imported yet or the kept file cannot be used.
    const PriceList *current();
    // Why the kept file cannot be used (damaged, unreadable, or not a price list), for the user; empty when
    // it read well or there is none.
    const QString &problem();

    // The imported list written whole in place of the kept one, then current. The reason when it could not
    // be written: the current list stays.
    std::optional<QString> replace(const PriceList &list);

    QString path() const;
    const QString &folder() const { return m_folder; }

private:
    void load();

    QString m_folder;
    bool m_loaded = false;
    std::optional<PriceList> m_list;
    QString m_problem;
};

// "prices.xlsx от 09.12.2026, 1 234 строки, цены в RUB"
QString priceListSummary(const PriceList &list);

} // namespace orvika
