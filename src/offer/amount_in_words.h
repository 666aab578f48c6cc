#pragma once

#include "offer/money.h"

#include <QString>

// The total in words, as Russian documents write it.
namespace orvika {

// "Сто двадцать три тысячи четыреста пятьдесят шесть рублей 78 копеек": the roubles in words with a capital
// first letter, the kopecks as two digits, each noun agreeing with its number. The words are ICU's; the whole
// roubles reach it as an integer. Empty for a negative sum, or when ICU cannot spell it.
QString amountInWords(Money money);

// The noun that agrees with a count, by ICU's Russian plural rules: 1 позиция, 3 позиции, 5 позиций. The
// plural form when ICU cannot tell.
QString countNoun(qint64 count, const QString &one, const QString &few, const QString &many);

} // namespace orvika
