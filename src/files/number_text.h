#pragma once

#include <QString>

// Figures written for a Russian reader, whatever the user's or the C library's locale: the documents, the
// reasons of the rules, the lines and the CSV files all write them so. A figure that is not a number (one a
// file does not state) is written as nothing.
namespace orvika {

// A figure with a decimal comma and no digit grouping: 1897,5.
QString russianNumber(double value);

// A figure with exactly `decimals` places, a decimal comma, no grouping, never "-0": 75,0.
QString russianFixed(double value, int decimals);

// A figure rounded to at most `decimals` places, a decimal comma, no trailing zeros, no grouping: 0,75.
QString russianDecimal(double value, int decimals);

} // namespace orvika
