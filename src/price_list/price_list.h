#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QtGlobal>

// The user's price list as the program keeps it after an import: every usable row with its model, name,
// price and currency, and where the list came from. Prices are never invented: an item the list does not
// price has no price.
namespace orvika {

// "RUB", "USD", "EUR", "CNY"
inline const QString Roubles = QStringLiteral("RUB");

struct PriceEntry
{
    QString model;        // as the list writes it: "К-3520"
    QString name;         // as the list writes it
    qint64 priceMinor = 0; // in hundredths of the currency: kopecks, cents
    QString currency;      // one of the codes above; the list's own when the row names none
    int line = 0;          // the row's line (CSV) or row number (XLSX), 1-based, for the user

    friend bool operator==(const PriceEntry &, const PriceEntry &) = default;
};

struct PriceList
{
    QString fileName;        // the file imported, without its folder
    QDate date;              // the day it was imported
    QString currency = Roubles;
    QList<PriceEntry> entries;

    friend bool operator==(const PriceList &, const PriceList &) = default;
};

} // namespace orvika
