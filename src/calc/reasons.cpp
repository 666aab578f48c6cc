#include "calc/reasons.h"

#include <cmath>

namespace orvika::reasons {

QString counted(double count, const char16_t *one, const char16_t *few, const char16_t *many)
{
    const char16_t *noun = many;
    if (count == std::floor(count)) {
        const auto whole = static_cast<long long>(std::fabs(count));
        const long long lastTwo = whole % 100;
        const long long last = whole % 10;
        if (lastTwo < 11 || lastTwo > 14)
            noun = last == 1 ? one : (last >= 2 && last <= 4 ? few : many);
    } else {
        noun = few; // 2,5 канала
    }
    return number(count) + u' ' + QString::fromUtf16(noun);
}

QString channels(std::int32_t count)
{
    return counted(count, u"канал", u"канала", u"каналов");
}

QString zones(double count)
{
    return counted(count, u"зона", u"зоны", u"зон");
}

QString units(double count)
{
    return counted(count, u"блок", u"блока", u"блоков");
}

} // namespace orvika::reasons
