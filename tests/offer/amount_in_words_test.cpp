#include "offer/amount_in_words.h"

#include <gtest/gtest.h>

// The total in words: the roubles spelled with a capital, the kopecks as two digits, each noun agreeing,
// "тысяча" feminine.
namespace orvika {
namespace {

TEST(AmountInWords, SpellsTheRoublesAndAgreesTheNouns)
{
    const struct
    {
        qint64 kopecks;
        const char *words;
    } cases[] = {
        {0, "Ноль рублей 00 копеек"},
        {100, "Один рубль 00 копеек"},
        {201, "Два рубля 01 копейка"},
        {502, "Пять рублей 02 копейки"},
        {1111, "Одиннадцать рублей 11 копеек"},
        {2121, "Двадцать один рубль 21 копейка"},
        {2222, "Двадцать два рубля 22 копейки"},
        {11205, "Сто двенадцать рублей 05 копеек"},
        {100000, "Одна тысяча рублей 00 копеек"},
        {200000, "Две тысячи рублей 00 копеек"},
        {500000, "Пять тысяч рублей 00 копеек"},
        {2100000, "Двадцать одна тысяча рублей 00 копеек"},
        {2200099, "Двадцать две тысячи рублей 99 копеек"},
        {100000000, "Один миллион рублей 00 копеек"},
        {100100001, "Один миллион одна тысяча рублей 01 копейка"},
        {12345678, "Сто двадцать три тысячи четыреста пятьдесят шесть рублей 78 копеек"},
        // Beyond 2^53 roubles a number read through a double would lose its last digits: …751 is "рубль".
        {Q_INT64_C(9223372036854775100),
         "Девяносто два квадриллиона двести тридцать три триллиона семьсот двадцать "
         "миллиардов триста шестьдесят восемь миллионов пятьсот сорок семь тысяч "
         "семьсот пятьдесят один рубль 00 копеек"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(amountInWords(Money{c.kopecks}), QString::fromUtf8(c.words)) << c.kopecks;
}

TEST(AmountInWords, GivesNothingForANegativeSum)
{
    EXPECT_TRUE(amountInWords(Money{-100}).isEmpty());
}

} // namespace
} // namespace orvika
