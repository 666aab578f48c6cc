#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

// Prices as price lists write them: "1 234,50 руб.", "₽ 990", "$12.99", "1234.5€". Parsed from the
// digits into whole hundredths, never through floating point.
namespace orvika {

struct PriceAmount
{
    enum Problem {
        None,      // a price
        Empty,     // nothing but blanks, or a currency alone
        NotNumber, // not a number in any notation taken
        Negative,  // a number below zero
    };
    Problem problem = Empty;
    qint64 minor = 0; // hundredths; a third decimal and beyond rounded half up
    QString currency; // "RUB", "USD", "EUR", "CNY" when the text names it, otherwise empty
};

// Digits with spaces, no-break spaces (U+00A0, U+202F) or thin spaces between groups of three, one decimal
// comma or point, a currency sign or word before or after. Written with both marks, the last one is the
// decimal one and the other separates thousands: "1,234.56", "1.234,56".
PriceAmount parsePriceAmount(QStringView text);

// The currency code a word or sign names: "руб." and "₽" give "RUB", "$" "USD", "€" "EUR", "¥" and
// "юань" "CNY"; the codes themselves are taken in any case. Empty when it names none of them.
QString currencyCode(QStringView word);

} // namespace orvika
