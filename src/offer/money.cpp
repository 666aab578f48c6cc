#include "offer/money.h"

#include "offer/exact_decimal.h"

#include <limits>

namespace orvika {

std::optional<qint64> roundedQuotient(__int128 numerator, __int128 denominator)
{
    if (denominator == 0)
        return std::nullopt;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const bool negative = numerator < 0;
    const __int128 magnitude = negative ? -numerator : numerator;
    // Half up: a remainder of at least half the denominator takes the next whole number.
    __int128 quotient = magnitude / denominator;
    if ((magnitude % denominator) * 2 >= denominator)
        ++quotient;
    if (negative)
        quotient = -quotient;
    if (quotient > std::numeric_limits<qint64>::max() || quotient < std::numeric_limits<qint64>::min())
        return std::nullopt;
    return qint64(quotient);
}

std::optional<Money> added(Money a, Money b)
{
    qint64 sum = 0;
    if (qAddOverflow(a.kopecks, b.kopecks, &sum))
        return std::nullopt;
    return Money{sum};
}

std::optional<Money> scaled(Money money, qint64 numerator, qint64 denominator)
{
    const std::optional<qint64> kopecks = roundedQuotient(__int128(money.kopecks) * numerator, denominator);
    if (!kopecks)
        return std::nullopt;
    return Money{*kopecks};
}

QString moneyText(Money money, bool grouped)
{
    // The magnitude as unsigned, so that the least qint64 has one too.
    const bool negative = money.kopecks < 0;
    const quint64 magnitude = negative ? 0 - quint64(money.kopecks) : quint64(money.kopecks);
    QString whole = QString::number(magnitude / 100);
    if (grouped) {
        for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
            whole.insert(at, QChar(0x00A0));
    }
    const QString cents = QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    return (negative ? QStringLiteral("-") : QString()) + whole + QLatin1Char(',') + cents;
}

std::optional<Money> parseMoney(QStringView text)
{
    const std::optional<qint64> kopecks = parseExactDecimal(text, 2);
    if (!kopecks)
        return std::nullopt;
    return Money{*kopecks};
}

std::optional<Money> moneyFrom(double number)
{
    const std::optional<qint64> kopecks = exactDecimalFrom(number, 2);
    if (!kopecks)
        return std::nullopt;
    return Money{*kopecks};
}

double moneyNumber(Money money)
{
    return exactDecimalNumber(money.kopecks, 2);
}

} // namespace orvika
