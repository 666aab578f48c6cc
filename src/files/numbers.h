#pragma once

#include <QLocale>
#include <QStringView>
#include <cstdint>
#include <optional>

// The number readings used throughout the program. Every number the program takes from a text goes
// through one of these, so a catalogue field, a report line and a zone answer are read the same way.
namespace orvika {

// Reads the number at the start of a text: blanks, tabs and line feeds are ignored wherever they stand;
// an optional sign, digits, an optional "." with digits and an optional exponent (E or D) are taken;
// reading stops at the first other character. "&H" and "&O" introduce a hexadecimal or octal number.
// A text without a leading number gives 0.
double leadingNumber(QStringView text);

// Converts to the nearest integer, a tie going to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Empty when the result does not fit the target type (or the value is not finite).
std::optional<std::int32_t> toInt32(double value);
std::optional<std::int16_t> toInt16(double value);

// A wide intermediate narrowed back to the 32-bit working range; empty when it does not fit.
std::optional<std::int32_t> narrowed(std::int64_t value);

// True when the whole text, blanks allowed around it, is a number in the locale's notation
// (sign, decimal and group separators, exponent). The value, when it is one.
std::optional<double> localeNumber(QStringView text, const QLocale &locale);

// Rounding up of a quotient: the integer part plus one when the quotient has a fraction.
double ceilingQuotient(double numerator, double denominator);

} // namespace orvika
