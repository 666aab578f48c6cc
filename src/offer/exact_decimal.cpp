#include "offer/exact_decimal.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace orvika {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F) || c == QLatin1Char('\t');
}

QStringView trimmed(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

} // namespace

std::optional<qint64> parseExactDecimal(QStringView text, int decimals)
{
    text = trimmed(text);
    qint64 value = 0;
    bool digits = false;
    int fraction = -1; // decimals read after the separator; -1 before it
    QChar previous;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            if (fraction >= 0 && ++fraction > decimals)
                return std::nullopt;
            if (qMulOverflow(value, qint64(10), &value) ||
                qAddOverflow(value, qint64(c.unicode() - '0'), &value))
                return std::nullopt;
            digits = true;
        } else if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (fraction >= 0 || !digits || isBlank(previous))
                return std::nullopt;
            fraction = 0;
        } else if (isBlank(c)) {
            // Only between the digits of the whole part, one at a time.
            if (fraction >= 0 || isBlank(previous))
                return std::nullopt;
        } else {
            return std::nullopt;
        }
        previous = c;
    }
    if (!digits || fraction == 0)
        return std::nullopt;
    for (int place = std::max(fraction, 0); place < decimals; ++place) {
        if (qMulOverflow(value, qint64(10), &value))
            return std::nullopt;
    }
    return value;
}

QString exactDecimalText(qint64 value, int decimals)
{
    const bool negative = value < 0;
    QString digits = QString::number(negative ? 0 - quint64(value) : quint64(value));
    if (digits.size() <= decimals)
        digits.prepend(QString(decimals + 1 - digits.size(), QLatin1Char('0')));
    QString whole = digits.first(digits.size() - decimals);
    QString fraction = digits.sliced(digits.size() - decimals);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (negative)
        whole.prepend(QLatin1Char('-'));
    return fraction.isEmpty() ? whole : whole + QLatin1Char(',') + fraction;
}

std::optional<Rate> parseRate(QStringView text)
{
    const std::optional<qint64> value = parseExactDecimal(text, 4);
    if (!value || *value <= 0)
        return std::nullopt;
    return Rate{*value};
}

std::optional<Percent> parsePercent(QStringView text)
{
    text = trimmed(text);
    if (text.endsWith(QLatin1Char('%')))
        text.chop(1);
    const std::optional<qint64> value = parseExactDecimal(text, 2);
    if (!value)
        return std::nullopt;
    return Percent{*value};
}

std::optional<Quantity> parseQuantity(QStringView text)
{
    const std::optional<qint64> value = parseExactDecimal(text, 3);
    if (!value)
        return std::nullopt;
    return Quantity{*value};
}

QString rateText(Rate rate)
{
    return exactDecimalText(rate.tenThousandths, 4);
}

QString percentText(Percent percent)
{
    return exactDecimalText(percent.hundredths, 2);
}

QString quantityText(Quantity quantity)
{
    return exactDecimalText(quantity.thousandths, 3);
}

std::optional<qint64> exactDecimalFrom(double number, int decimals)
{
    if (!std::isfinite(number))
        return std::nullopt;
    // The shortest digits in fixed notation: 92.4567, 1000000; never the binary expansion's 92.45669999….
    return parseExactDecimal(QString::number(number, 'f', QLocale::FloatingPointShortest), decimals);
}

double exactDecimalNumber(qint64 value, int decimals)
{
    return exactDecimalText(value, decimals).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

std::optional<Rate> rateFrom(double number)
{
    const std::optional<qint64> value = exactDecimalFrom(number, 4);
    if (!value || *value <= 0)
        return std::nullopt;
    return Rate{*value};
}

std::optional<Percent> percentFrom(double number)
{
    const std::optional<qint64> value = exactDecimalFrom(number, 2);
    if (!value)
        return std::nullopt;
    return Percent{*value};
}

std::optional<Quantity> quantityFrom(double counted)
{
    // Well inside 64 bits, where a double still tells thousandths apart.
    if (!std::isfinite(counted) || counted < 0 || counted > 1e12)
        return std::nullopt;
    return Quantity{qint64(std::llround(counted * 1000))};
}

} // namespace orvika
