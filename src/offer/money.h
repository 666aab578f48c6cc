#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <compare>
#include <optional>

// Money as whole kopecks. Every price and sum of an offer is one; no sum ever passes through floating point,
// and an operation whose result would not fit is refused (empty) rather than wrapped.
namespace orvika {

struct Money
{
    qint64 kopecks = 0;

    static constexpr Money fromKopecks(qint64 kopecks) { return Money{kopecks}; }
    // The whole roubles and the kopecks beyond them, of a sum that is not negative.
    qint64 roubles() const { return kopecks / 100; }
    int kopeckPart() const { return int(kopecks % 100); }

    friend constexpr auto operator<=>(const Money &, const Money &) = default;
};

// numerator / denominator rounded half up to a whole number (half away from zero for a negative quotient):
// how each step of a price is rounded to the kopeck. Empty when the quotient does not fit in 64 bits or the
// denominator is 0.
std::optional<qint64> roundedQuotient(__int128 numerator, __int128 denominator);

std::optional<Money> added(Money a, Money b);

// A sum of money with its step rounded: money × numerator / denominator, half up to the kopeck.
std::optional<Money> scaled(Money money, qint64 numerator, qint64 denominator);

// "123 456,78": a decimal comma, two decimals, the thousands apart by a no-break space when `grouped`.
QString moneyText(Money money, bool grouped = true);

// A price the user types, "1 234,56" or "1234.5": exact to the kopeck, never through a double. Empty for a
// negative price, a third decimal or anything else.
std::optional<Money> parseMoney(QStringView text);
// A price the card keeps as a JSON number (1234.56), read exactly; and the number written for it.
std::optional<Money> moneyFrom(double number);
double moneyNumber(Money money);

} // namespace orvika
