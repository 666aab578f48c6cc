#include "offer/amount_in_words.h"

#include <algorithm>
#include <memory>
#include <unicode/plurrule.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

namespace orvika {

namespace {

QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

// ICU's formatters are made once for each thread: a formatter is not to be shared between threads.
struct RussianWords
{
    std::unique_ptr<icu::RuleBasedNumberFormat> spellout;
    std::unique_ptr<icu::PluralRules> plurals;

    RussianWords()
    {
        UErrorCode status = U_ZERO_ERROR;
        auto format =
            std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_SPELLOUT, icu::Locale("ru"), status);
        if (U_SUCCESS(status))
            format->setDefaultRuleSet(icu::UnicodeString(u"%spellout-cardinal-masculine"), status);
        if (U_SUCCESS(status))
            spellout = std::move(format);
        status = U_ZERO_ERROR;
        std::unique_ptr<icu::PluralRules> rules(icu::PluralRules::forLocale(icu::Locale("ru"), status));
        if (U_SUCCESS(status))
            plurals = std::move(rules);
    }
};

const RussianWords &russianWords()
{
    thread_local const RussianWords words;
    return words;
}

// The plural category of a whole number: "one", "few" or "many". ICU reads a number's plural operands
// through a double, which loses the last digits beyond 2^53; the Russian categories depend on the last two
// digits only, so the number's last six are given, which fit an int exactly.
QString pluralCategory(const icu::PluralRules &rules, qint64 number)
{
    const int lastDigits = int(number % 1000000);
    return fromIcu(rules.select(number >= 1000000 ? lastDigits + 1000000 : lastDigits));
}

QString noun(const QString &category, const QString &one, const QString &few, const QString &many)
{
    if (category == QLatin1String("one"))
        return one;
    if (category == QLatin1String("few"))
        return few;
    return many;
}

} // namespace

QString amountInWords(Money money)
{
    if (money.kopecks < 0)
        return {};
    const RussianWords &words = russianWords();
    if (!words.spellout || !words.plurals)
        return {};
    const qint64 roubles = money.roubles();
    const int kopecks = money.kopeckPart();

    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString spelled;
    icu::FieldPosition position;
    words.spellout->format(static_cast<int64_t>(roubles), spelled, position, status);
    QString text = fromIcu(spelled);
    // Beyond its rules ICU writes the digits themselves.
    if (U_FAILURE(status) || text.isEmpty() ||
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }))
        return {};
    text[0] = text[0].toUpper();

    const QString rouble = noun(pluralCategory(*words.plurals, roubles), QStringLiteral("рубль"),
                                QStringLiteral("рубля"), QStringLiteral("рублей"));
    const QString kopeck = noun(pluralCategory(*words.plurals, kopecks), QStringLiteral("копейка"),
                                QStringLiteral("копейки"), QStringLiteral("копеек"));
    return QStringLiteral("%1 %2 %3 %4").arg(text, rouble).arg(kopecks, 2, 10, QLatin1Char('0')).arg(kopeck);
}

QString countNoun(qint64 count, const QString &one, const QString &few, const QString &many)
{
    const RussianWords &words = russianWords();
    if (!words.plurals || count < 0)
        return many;
    return noun(pluralCategory(*words.plurals, count), one, few, many);
}

} // namespace orvika
