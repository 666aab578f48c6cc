#include "files/numbers.h"

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

// The whole reading: any length, exponents, "&H" and "&O".
double fullLeadingNumber(QStringView text)
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

// The characters of a text as the leading-number reading sees them, read in place: blanks, tabs and
// line feeds skipped, '\0' at the end of the text or at its first non-ASCII character.
class CompactText
{
public:
    explicit CompactText(QStringView text) : m_text(text) { settle(); }

    char current() const { return m_current; }
    void advance()
    {
        ++m_at;
        settle();
    }

private:
    void settle()
    {
        while (m_at < m_text.size() && isIgnoredBlank(m_text[m_at]))
            ++m_at;
        const bool ascii = m_at < m_text.size() && m_text[m_at].unicode() <= 0x7F;
        m_current = ascii ? static_cast<char>(m_text[m_at].unicode()) : '\0';
    }

    QStringView m_text;
    qsizetype m_at = 0;
    char m_current = '\0';
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The common case without a copy or the C library: a sign, at most 15 digits (exact in a double) with
// an optional fraction, and no exponent. Dividing the exact integer by an exact power of ten rounds
// once, exactly as the C library does. Empty when the text needs the whole reading.
std::optional<double> plainDecimal(QStringView text)
{
    constexpr int MaxExactDigits = 15;
    static constexpr double powersOfTen[MaxExactDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                               1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

    CompactText in(text);
    const bool negative = in.current() == '-';
    if (negative || in.current() == '+')
        in.advance();
    std::uint64_t mantissa = 0;
    int digits = 0;
    int fractionDigits = 0;
    for (; isDigit(in.current()) && digits <= MaxExactDigits; in.advance(), ++digits)
        mantissa = mantissa * 10 + static_cast<unsigned>(in.current() - '0');
    if (in.current() == '.') {
        in.advance();
        for (; isDigit(in.current()) && digits <= MaxExactDigits; in.advance(), ++digits, ++fractionDigits)
            mantissa = mantissa * 10 + static_cast<unsigned>(in.current() - '0');
    }
    const char next = in.current();
    if (digits == 0 || digits > MaxExactDigits || isDigit(next) || next == 'E' || next == 'e' ||
        next == 'D' || next == 'd')
        return std::nullopt;
    const double magnitude = static_cast<double>(mantissa) / powersOfTen[fractionDigits];
    return negative ? -magnitude : magnitude;
}

} // namespace

double leadingNumber(QStringView text)
{
    if (const std::optional<double> plain = plainDecimal(text))
        return *plain;
    return fullLeadingNumber(text);
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

namespace {

// A short run of ASCII digits: the same whole number in every locale's notation, and far cheaper to
// read than through the locale. The catalogue's consumption and height figures are such runs.
std::optional<double> plainDigits(QStringView text)
{
    constexpr qsizetype MaxExactDigits = 15;
    if (text.isEmpty() || text.size() > MaxExactDigits)
        return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return static_cast<double>(value);
}

} // namespace

std::optional<std::int32_t> narrowed(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<double> localeNumber(QStringView text, const QLocale &locale)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (const std::optional<double> plain = plainDigits(trimmed))
        return plain;
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
