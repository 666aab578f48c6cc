#include "price_list/price_number.h"

#include <array>
#include <utility>

namespace orvika {
namespace {

// Longest first, so that "руб." is taken before "р." would be.
const std::array<std::pair<const char16_t *, const char *>, 17> CurrencyWords{{
    {u"рублей", "RUB"},
    {u"руб.", "RUB"},
    {u"руб", "RUB"},
    {u"rub", "RUB"},
    {u"р.", "RUB"},
    {u"р", "RUB"},
    {u"₽", "RUB"},
    {u"usd", "USD"},
    {u"$", "USD"},
    {u"eur", "EUR"},
    {u"евро", "EUR"},
    {u"€", "EUR"},
    {u"cny", "CNY"},
    {u"юаней", "CNY"},
    {u"юань", "CNY"},
    {u"¥", "CNY"},
    {u"rmb", "CNY"},
}};

// Digits of an amount this long are not a price; the bound keeps the hundredths below 2^53, which the kept
// list's JSON holds exactly.
constexpr int LongestWhole = 13;

bool isGroupSpace(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009);
}

QStringView trimmed(QStringView text)
{
    while (!text.isEmpty() && (text.front().isSpace() || isGroupSpace(text.front())))
        text = text.mid(1);
    while (!text.isEmpty() && (text.back().isSpace() || isGroupSpace(text.back())))
        text.chop(1);
    return text;
}

// Takes a currency word off the front or the back of the text; the code, or empty.
QString takeCurrency(QStringView &text)
{
    for (const auto &[word, code] : CurrencyWords) {
        const QStringView w(word);
        if (text.endsWith(w, Qt::CaseInsensitive)) {
            text.chop(w.size());
            return QString::fromLatin1(code);
        }
        if (text.startsWith(w, Qt::CaseInsensitive)) {
            text = text.mid(w.size());
            return QString::fromLatin1(code);
        }
    }
    return {};
}

} // namespace

QString currencyCode(QStringView word)
{
    word = trimmed(word);
    for (const auto &[w, code] : CurrencyWords)
        if (word.compare(QStringView(w), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(code);
    return {};
}

PriceAmount parsePriceAmount(QStringView text)
{
    PriceAmount amount;
    text = trimmed(text);
    // One currency, on either side; the same one twice ("$12 USD") is still one.
    for (int side = 0; side < 2 && !text.isEmpty(); ++side) {
        const QString code = takeCurrency(text);
        if (code.isEmpty())
            break;
        if (!amount.currency.isEmpty() && amount.currency != code) {
            amount.problem = PriceAmount::NotNumber;
            return amount;
        }
        amount.currency = code;
        text = trimmed(text);
    }
    if (text.isEmpty())
        return amount; // Empty
    amount.problem = PriceAmount::NotNumber;
    bool negative = false;
    if (text.front() == u'-' || text.front() == QChar(0x2212)) {
        negative = true;
        text = trimmed(text.mid(1));
    }

    // With both marks written, the last is the decimal one and the other parts thousands: "1,234.56",
    // "1.234,56". One mark alone is decimal.
    const qsizetype lastComma = text.lastIndexOf(u',');
    const qsizetype lastPoint = text.lastIndexOf(u'.');
    const QChar groupMark = lastComma < 0 || lastPoint < 0 ? QChar() : lastComma < lastPoint ? u',' : u'.';
    qint64 whole = 0;
    int wholeDigits = 0;
    int groupDigits = 0; // digits since the last group space
    bool grouped = false;
    qsizetype i = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            if (++wholeDigits > LongestWhole)
                return amount;
            whole = whole * 10 + (c.unicode() - u'0');
            ++groupDigits;
        } else if (isGroupSpace(c) || (c == groupMark && !groupMark.isNull())) {
            // Groups of three after the first, which has one to three.
            if (groupDigits == 0 || (grouped ? groupDigits != 3 : groupDigits > 3))
                return amount;
            grouped = true;
            groupDigits = 0;
        } else {
            break;
        }
    }
    if (grouped && groupDigits != 3)
        return amount;
    qint64 fraction = 0; // hundredths
    int fractionDigits = 0;
    if (i < text.size() && (text[i] == u',' || text[i] == u'.')) {
        for (++i; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
            const int digit = text[i].unicode() - u'0';
            if (fractionDigits < 2)
                fraction = fraction * 10 + digit;
            else if (fractionDigits == 2 && digit >= 5)
                fraction += 1; // half up, decided by the third decimal alone
            ++fractionDigits;
        }
    }
    if (i != text.size() || (wholeDigits == 0 && fractionDigits == 0))
        return amount;
    for (int d = fractionDigits; d < 2; ++d)
        fraction *= 10;
    const qint64 minor = whole * 100 + fraction;
    if (negative && minor != 0) {
        amount.problem = PriceAmount::Negative;
        return amount;
    }
    amount.problem = PriceAmount::None;
    amount.minor = minor;
    return amount;
}

} // namespace orvika
