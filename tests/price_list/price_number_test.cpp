#include "price_list/price_number.h"

#include <gtest/gtest.h>

using namespace orvika;

namespace {

struct NumberCase
{
    const char *text; // UTF-8
    PriceAmount::Problem problem;
    qint64 minor;
    const char *currency;
};

const NumberCase NumberCases[] = {
    {"1234", PriceAmount::None, 123400, ""},
    {"1234,5", PriceAmount::None, 123450, ""},
    {"1234.56", PriceAmount::None, 123456, ""},
    {"0,07", PriceAmount::None, 7, ""},
    {",5", PriceAmount::None, 50, ""},
    {"1 234 567,89", PriceAmount::None, 123456789, ""},
    {"1\u00a0234,50", PriceAmount::None, 123450, ""},
    {"12\u202f345", PriceAmount::None, 1234500, ""},
    {"  990  ", PriceAmount::None, 99000, ""},
    {"1 234,50 руб.", PriceAmount::None, 123450, "RUB"},
    {"1234 руб", PriceAmount::None, 123400, "RUB"},
    {"990р.", PriceAmount::None, 99000, "RUB"},
    {"₽ 990", PriceAmount::None, 99000, "RUB"},
    {"990 ₽", PriceAmount::None, 99000, "RUB"},
    {"$12.99", PriceAmount::None, 1299, "USD"},
    {"12.99 USD", PriceAmount::None, 1299, "USD"},
    {"$12.99 usd", PriceAmount::None, 1299, "USD"},
    {"1234,5€", PriceAmount::None, 123450, "EUR"},
    {"¥ 88", PriceAmount::None, 8800, "CNY"},
    // Past the hundredth: half up, by the third decimal.
    {"1234.5600000000002", PriceAmount::None, 123456, ""},
    {"0.125", PriceAmount::None, 13, ""},
    {"0.1249", PriceAmount::None, 12, ""},
    {"9.995", PriceAmount::None, 1000, ""},
    {"0", PriceAmount::None, 0, ""},
    {"-0", PriceAmount::None, 0, ""},
    {"9 999 999 999 999,99", PriceAmount::None, 999999999999999, ""},
    {"", PriceAmount::Empty, 0, ""},
    {"   ", PriceAmount::Empty, 0, ""},
    {"руб.", PriceAmount::Empty, 0, "RUB"},
    {"-5", PriceAmount::Negative, 0, ""},
    {"−1 200,00 руб.", PriceAmount::Negative, 0, "RUB"},
    {"по запросу", PriceAmount::NotNumber, 0, ""},
    {"12,34,5", PriceAmount::NotNumber, 0, ""},
    {"1,234.56", PriceAmount::None, 123456, ""},
    {"1.234,56 €", PriceAmount::None, 123456, "EUR"},
    {"1.234.567,5", PriceAmount::None, 123456750, ""},
    {"12,34.5", PriceAmount::NotNumber, 0, ""},
    {"1,234,56.7", PriceAmount::NotNumber, 0, ""},
    {"1.234.567", PriceAmount::NotNumber, 0, ""},
    {"12 34", PriceAmount::NotNumber, 0, ""},
    {"1234 567", PriceAmount::NotNumber, 0, ""},
    {"1 23", PriceAmount::NotNumber, 0, ""},
    {"1 23 456", PriceAmount::NotNumber, 0, ""},
    {"12a", PriceAmount::NotNumber, 0, ""},
    {".", PriceAmount::NotNumber, 0, ""},
    {"$12 €", PriceAmount::NotNumber, 0, "USD"},
    {"1e3", PriceAmount::NotNumber, 0, ""},
    {"12345678901234", PriceAmount::NotNumber, 0, ""},
};

} // namespace

TEST(PriceNumber, EveryNotationGivesExactHundredths)
{
    for (const NumberCase &c : NumberCases) {
        SCOPED_TRACE(c.text);
        const PriceAmount amount = parsePriceAmount(QString::fromUtf8(c.text));
        EXPECT_EQ(amount.problem, c.problem);
        if (c.problem == PriceAmount::None) {
            EXPECT_EQ(amount.minor, c.minor);
        }
        if (c.problem != PriceAmount::NotNumber) {
            EXPECT_EQ(amount.currency, QString::fromLatin1(c.currency));
        }
    }
}

TEST(PriceNumber, CurrencyWords)
{
    const std::pair<const char *, const char *> cases[] = {
        {"руб.", "RUB"}, {"RUB", "RUB"},  {" Руб ", "RUB"}, {"₽", "RUB"},  {"usd", "USD"}, {"$", "USD"},
        {"EUR", "EUR"},  {"евро", "EUR"}, {"CNY", "CNY"},   {"юань", "CNY"}, {"GBP", ""},    {"", ""},
    };
    for (const auto &[word, code] : cases)
        EXPECT_EQ(currencyCode(QString::fromUtf8(word)), QString::fromLatin1(code)) << word;
}
