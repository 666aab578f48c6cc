#include "catalogue/catalogue_line.h"

#include "files/numbers.h"

namespace orvika::catalogue_line {
namespace {

QStringView clampedMid(QStringView text, qsizetype start, qsizetype count)
{
    if (start >= text.size())
        return {};
    const qsizetype available = text.size() - start;
    return text.mid(start, count < 0 || count > available ? available : count);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

struct CodeText
{
    char16_t text[5];
    Code code;
};

constexpr CodeText Codes[] = {
    {u"MC", MC},   {u"AL", AL},   {u"MZ", MZ},     {u"RM", RM}, {u"AS", AS}, {u"BR", BR}, {u"SZ", SZ},
    {u"AMP", AMP}, {u"UMP", UMP}, {u"PRED", PRED}, {u"AR", AR}, {u"MO", MO}, {u"ML", ML}, {u"RP", RP},
    {u"PD", PD},   {u"BL", BL},   {u"AI", AI},     {u"RU", RU}, {u"UP", UP},
};

bool startsAt(QStringView line, qsizetype at, const char16_t *text)
{
    for (; *text; ++text, ++at) {
        if (at >= line.size() || line[at].unicode() != *text)
            return false;
    }
    return true;
}

} // namespace

unsigned codesIn(QStringView line)
{
    unsigned found = 0;
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        const char16_t c = line[i].unicode();
        if (c < u'A' || c > u'Z')
            continue;
        for (const CodeText &code : Codes) {
            if (code.text[0] == c && startsAt(line, i, code.text))
                found |= code.code;
        }
    }
    return found;
}

QStringView fieldAfter(QStringView line, QStringView separator, qsizetype count)
{
    // A missing separator stands at -1, so the field starts at its length minus one.
    const qsizetype found = line.indexOf(separator);
    return clampedMid(line, (found < 0 ? -1 : found) + separator.size(), count);
}

std::optional<QStringView> textBefore(QStringView line, QChar separator)
{
    const qsizetype found = line.indexOf(separator);
    if (found < 0)
        return std::nullopt;
    return line.left(found);
}

bool hasUnitFigures(QStringView line, const QLocale &locale)
{
    const qsizetype hash = line.indexOf(u'#');
    const qsizetype percent = line.indexOf(u'%');
    const qsizetype ampersand = line.indexOf(u'&');
    if (hash < 0 || percent <= hash || ampersand <= percent)
        return false;
    return localeNumber(line.mid(hash + 1, percent - hash - 1), locale).has_value() &&
           localeNumber(line.mid(percent + 1, ampersand - percent - 1), locale).has_value();
}

std::optional<std::int32_t> wholeNumber(QStringView text)
{
    return toInt32(leadingNumber(text));
}

std::optional<std::int32_t> amplifierPower(QStringView line)
{
    const qsizetype open = line.indexOf(u'(');
    const qsizetype close = line.indexOf(u')');
    const qsizetype length = close - open; // both -1 when missing: an empty text, power 0
    if (length < 0)
        return std::nullopt;
    return wholeNumber(clampedMid(line, open + 1, length));
}

QStringView descriptor(QStringView line)
{
    const qsizetype star = line.indexOf(u'*');
    return star < 0 ? QStringView() : line.mid(star + 1);
}

bool isWellFormedDescriptor(QStringView text)
{
    const qsizetype bar = text.indexOf(u'|');
    if (bar < 0)
        return false;
    const qsizetype plus = text.indexOf(u'+', bar + 1);
    if (plus < 0)
        return false;
    const qsizetype slash = text.indexOf(u'/', plus + 1);
    if (slash < 0)
        return false;
    const qsizetype doubleSlash = text.indexOf(u"//", slash + 1);
    if (doubleSlash < 0)
        return false;
    const QStringView pieces[] = {text.left(bar), text.mid(bar + 1, plus - bar - 1),
                                  text.mid(plus + 1, slash - plus - 1),
                                  text.mid(slash + 1, doubleSlash - slash - 1), text.mid(doubleSlash + 2)};
    for (QStringView piece : pieces) {
        if (!wholeNumber(piece))
            return false;
    }
    return true;
}

std::optional<std::int32_t> cabinetHeight(QStringView text)
{
    if (text.size() == 2 && isDigit(text[0]) && isDigit(text[1]))
        return (text[0].unicode() - u'0') * 10 + (text[1].unicode() - u'0');
    QStringView digit = text;
    if (text.size() == 2 && text[0] == u' ')
        digit = text.mid(1);
    else if (text.size() == 2 && text[1] == u' ')
        digit = text.left(1);
    if (digit.size() == 1 && isDigit(digit[0]))
        return digit[0].unicode() - u'0';
    return std::nullopt;
}

} // namespace orvika::catalogue_line
