#include "catalogue/numbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace orvika {
namespace {

bool isIgnoredBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// "&H1F" and "&O17": the digits after the prefix, read as the language of the catalogue reads them:
// up to 16 bits as a signed 16-bit value, up to 32 bits as a signed 32-bit value.
double radixNumber(const std::string &digits, int radix)
{
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = (c >= '0' && c <= '9')   ? c - '0'
                          : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                          : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                                   : radix;
        if (digit >= radix)
            break;
        value = value * radix + digit;
        if (value > 0xFFFFFFFFull)
            return std::numeric_limits<double>::infinity();
    }
    if (value <= 0xFFFF)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// The C library reads numbers in the process locale, which a Qt application takes from the
// environment (a Russian desktop writes "1,5"); the leading-number reading always uses ".".
double parseCNumber(const char *text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return cLocale ? strtod_l(text, nullptr, cLocale) : std::strtod(text, nullptr);
}

} // namespace

double leadingNumber(QStringView text)
{
    std::string compact; // the text without blanks, tabs and line feeds, up to the first non-ASCII character
    compact.reserve(text.size());
    for (QChar c : text) {
        if (isIgnoredBlank(c))
            continue;
        if (c.unicode() > 0x7F)
            break;
        compact.push_back(static_cast<char>(c.unicode()));
    }

    if (compact.size() >= 2 && compact[0] == '&') {
        const char prefix = compact[1];
        if (prefix == 'H' || prefix == 'h')
            return radixNumber(compact.substr(2), 16);
        if (prefix == 'O' || prefix == 'o')
            return radixNumber(compact.substr(2), 8);
        return 0;
    }

    std::string number;
    std::size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
        number.push_back(compact[i++]);
    bool mantissaDigits = false;
    while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
        number.push_back(compact[i++]);
        mantissaDigits = true;
    }
    if (i < compact.size() && compact[i] == '.') {
        number.push_back(compact[i++]);
        while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
            number.push_back(compact[i++]);
            mantissaDigits = true;
        }
    }
    if (!mantissaDigits)
        return 0;
    if (i < compact.size() &&
        (compact[i] == 'E' || compact[i] == 'e' || compact[i] == 'D' || compact[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-'))
            exponent.push_back(compact[j++]);
        bool exponentDigits = false;
        while (j < compact.size() && std::isdigit(static_cast<unsigned char>(compact[j]))) {
            exponent.push_back(compact[j++]);
            exponentDigits = true;
        }
        if (exponentDigits)
            number += exponent;
    }
    return parseCNumber(number.c_str());
}

namespace {

template <typename Int> std::optional<Int> toNearestEven(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode: ties to even
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

std::optional<std::int32_t> toInt32(double value)
{
    return toNearestEven<std::int32_t>(value);
}

std::optional<std::int16_t> toInt16(double value)
{
    return toNearestEven<std::int16_t>(value);
}

std::optional<double> localeNumber(QStringView text, const QLocale &locale)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double ceilingQuotient(double numerator, double denominator)
{
    const double quotient = numerator / denominator;
    const double whole = std::floor(quotient);
    return whole == quotient ? quotient : whole + 1;
}

} // namespace orvika
