#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// Which of a price list's columns holds what: found by the header's words, or given by the user.
namespace orvika {

// Columns numbered from 0; -1 where the list has none.
struct PriceColumns
{
    int model = -1;
    int name = -1;
    int price = -1;
    int currency = -1;

    friend bool operator==(const PriceColumns &, const PriceColumns &) = default;
};

struct HeaderMatch
{
    PriceColumns columns;    // the price set only when exactly one column names it
    QList<int> priceColumns; // every column whose header names a price, in order
    int found = 0;           // how many kinds of column the header names: the row's claim to be the header
};

// A header names a kind when one of its words, case ignored, is the kind's: "Цена, руб." and
// "Цена дилерская" are prices, "Код товара" a model. Of several model (or name) columns the one with the
// foremost word wins: "Артикул" over "Код".
HeaderMatch matchHeader(const QStringList &cells);

// "model=2,price=5[,currency=6][,name=3]", numbers from 1, as the user types them for the command line.
// The price and a model or a name are needed, no column twice. The reason for the user when not taken.
std::optional<PriceColumns> parseColumnChoice(QStringView text, QString *error = nullptr);

// The columns as parseColumnChoice reads them, for keeping the user's choice: "model=2,price=5".
QString columnChoiceText(const PriceColumns &columns);

} // namespace orvika
