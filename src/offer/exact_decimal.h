#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

// The offer's figures that are not money, each an exact decimal held as a whole number of its smallest unit,
// read from the user's text digit by digit (never through a double, which would turn 92,4567 into
// 92,45669999…). A text with more decimals than its unit holds is refused, not rounded: the figure the user
// wrote would otherwise change silently.
namespace orvika {

// A currency's rate in roubles for one unit, in ten-thousandths: 92,4567 is 924567. The Central Bank's
// official rates are published with four decimals.
struct Rate
{
    qint64 tenThousandths = 0;
    friend auto operator<=>(const Rate &, const Rate &) = default;
};

// A percentage in hundredths of a percent: 12,5 % is 1250. The markup, the discount and the rate's
// surcharge; a finer one would be a typo.
struct Percent
{
    qint64 hundredths = 0;
    friend auto operator<=>(const Percent &, const Percent &) = default;
};

// A quantity in thousandths: 12,5 m is 12500. Pieces and metres are whole; a work may be counted in hours.
struct Quantity
{
    qint64 thousandths = 0;
    static constexpr Quantity whole(qint64 count) { return Quantity{count * 1000}; }
    friend auto operator<=>(const Quantity &, const Quantity &) = default;
};

// "92,4567", "92.4567", " 1 234,5 " (blanks or no-break spaces between the thousands) at `decimals` places:
// the whole number of the smallest unit. Empty for a sign, letters, two separators, more decimals than
// `decimals` or a value beyond 64 bits.
std::optional<qint64> parseExactDecimal(QStringView text, int decimals);

// The figure with a decimal comma and without trailing zeros: 924567 at 4 places is "92,4567", 1200 at 2
// places is "12".
QString exactDecimalText(qint64 value, int decimals);

// A rate above 0.
std::optional<Rate> parseRate(QStringView text);
// "12,5" or "12,5 %"; 0 and above.
std::optional<Percent> parsePercent(QStringView text);
std::optional<Quantity> parseQuantity(QStringView text);

QString rateText(Rate rate);
QString percentText(Percent percent);
QString quantityText(Quantity quantity);

// A figure the card keeps as a JSON number, at `decimals` places: read from the shortest text that gives the
// same double back, which is the text the card was written with (92.4567, not 92.456699999999998). Empty
// for a figure with more decimals, a negative one or one beyond 64 bits.
std::optional<qint64> exactDecimalFrom(double number, int decimals);
// The figure as the card writes it: the double nearest to it, whose shortest text is the figure.
double exactDecimalNumber(qint64 value, int decimals);

std::optional<Rate> rateFrom(double number);
std::optional<Percent> percentFrom(double number);

// A quantity the program has counted (the lines' pieces and metres), to the nearest thousandth; empty when it
// is negative, not finite or too large.
std::optional<Quantity> quantityFrom(double counted);

} // namespace orvika
