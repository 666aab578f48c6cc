#pragma once

#include <QLocale>
#include <QStringView>
#include <cstdint>
#include <optional>

// Field extraction from one catalogue line. Separators are searched exactly, the first occurrence
// counting. A field that starts "after" a separator missing from the line starts where the separator
// would end had it stood just before the line, which is how the catalogue has always been read: an
// absent "|" gives the line from its start, an absent "//" the line from its second character.
namespace orvika::catalogue_line {

// The category codes. A line belongs to every category whose code occurs anywhere in it.
enum Code : unsigned {
    MC = 1u << 0,
    AL = 1u << 1,
    MZ = 1u << 2,
    RM = 1u << 3,
    AS = 1u << 4,
    BR = 1u << 5,
    SZ = 1u << 6,
    AMP = 1u << 7,
    UMP = 1u << 8,
    PRED = 1u << 9,
    AR = 1u << 10,
    MO = 1u << 11,
    ML = 1u << 12,
    RP = 1u << 13,
    PD = 1u << 14,
    BL = 1u << 15,
    AI = 1u << 16,
    RU = 1u << 17,
    UP = 1u << 18,
};

// The codes found in a line, as a set of Code bits; one pass over the line instead of a search a code.
unsigned codesIn(QStringView line);

// Up to count characters after the first separator (count < 0: to the end of the line).
QStringView fieldAfter(QStringView line, QStringView separator, qsizetype count = -1);

// The text before the first separator; empty when the separator is missing.
std::optional<QStringView> textBefore(QStringView line, QChar separator);

// "#", "%" and "&" in this order with a locale number between each pair (consumption, height).
bool hasUnitFigures(QStringView line, const QLocale &locale);

// A number read by the leading-number reading and brought to 32 bits; empty when it does not fit.
std::optional<std::int32_t> wholeNumber(QStringView text);

// The amplifier power: the leading number of the text from just after the first "(" as long as the
// distance from the first "(" to the first ")". Empty when that distance is negative.
std::optional<std::int32_t> amplifierPower(QStringView line);

// The unit descriptor: the text after the first "*", empty when the line has none.
QStringView descriptor(QStringView line);

// A descriptor A|B+C/D//E: its separators in this order and every piece a 32-bit number.
bool isWellFormedDescriptor(QStringView descriptor);

// A cabinet height: a whole number of one or two digits, a blank allowed before or after one digit.
std::optional<std::int32_t> cabinetHeight(QStringView text);

} // namespace orvika::catalogue_line
