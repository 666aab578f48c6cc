#pragma once

#include "files/number_text.h"

#include <QString>
#include <cstdint>

// The wording of the reasons the rules give for their lines: figures as a Russian reader writes them.
namespace orvika::reasons {

// A figure with a decimal comma and no digit grouping: 1897,5.
inline QString number(double value)
{
    return russianNumber(value);
}

// A count with its noun in the form the count takes: 1 канал, 2 канала, 5 каналов.
QString counted(double count, const char16_t *one, const char16_t *few, const char16_t *many);

QString channels(std::int32_t count);
QString zones(double count);
QString units(double count); // блоки

} // namespace orvika::reasons
