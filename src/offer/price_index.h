#pragma once

#include "price_list/price_list.h"

#include <QHash>
#include <QString>
#include <QStringView>

// Finding an item's row in the user's price list by its model code.
namespace orvika {

// A model code or a name as both sides are compared: upper case; the Cyrillic letters that look like Latin
// ones (А В Е К М Н О Р С Т Х) read as Latin; blanks, hyphens and dots dropped. "к-3520" and "K 3520" are
// both "K3520".
QString normalisedCode(QStringView text);

// The list's rows by their normalised model and name, built once so that pricing a large installation
// against a large list is a lookup per item. It refers to the list's rows: the list must outlive it and stay
// unchanged.
class PriceIndex
{
public:
    explicit PriceIndex(const PriceList &list);
    PriceIndex(PriceList &&) = delete;

    // The row for an item: by its model code; an item without one by its whole name, against the list's
    // names and then its models (a list may write a cable's mark in either). Of rows that read the same,
    // the first. Null when none.
    const PriceEntry *find(const QString &model, const QString &name) const;

private:
    const PriceList &list_;
    QHash<QString, qsizetype> byModel_;
    QHash<QString, qsizetype> byName_;
};

} // namespace orvika
