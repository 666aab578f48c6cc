#pragma once

#include <locale.h>

namespace orvika {

// The C numeric locale for this thread while it lives. Qt hands the user's locale to the C library, so under
// ru_RU a library that formats or reads doubles with printf or strtod writes "11,5" where its file format
// asks for "11.5". The user's locale stays as it is for the window, and for every other thread.
class CNumericLocale
{
public:
    CNumericLocale() : c_(cNumbersOfCurrent()), previous_(c_ ? uselocale(c_) : static_cast<locale_t>(nullptr))
    {
    }
    ~CNumericLocale()
    {
        if (!c_)
            return;
        uselocale(previous_);
        freelocale(c_);
    }
    CNumericLocale(const CNumericLocale &) = delete;
    CNumericLocale &operator=(const CNumericLocale &) = delete;

    // False only when the C library could not make the locale (out of memory): nothing was changed then.
    bool active() const { return c_ != static_cast<locale_t>(nullptr); }

private:
    // A copy of the thread's locale with C numbers only: a locale made from nothing would also turn the
    // character set to ASCII and the system's messages to English.
    static locale_t cNumbersOfCurrent()
    {
        const locale_t current = duplocale(uselocale(static_cast<locale_t>(nullptr)));
        if (!current)
            return current;
        const locale_t c = newlocale(LC_NUMERIC_MASK, "C", current);
        if (!c)
            freelocale(current);
        return c;
    }

    locale_t c_;
    locale_t previous_;
};

} // namespace orvika
