#include "catalogue/catalogue_line.h"

#include <QString>
#include <gtest/gtest.h>
#include <utility>

using namespace orvika;
using namespace orvika::catalogue_line;

// The one-pass code scan must find exactly what a search for each code finds.
class CodesInTest : public ::testing::TestWithParam<const char16_t *>
{
};

TEST_P(CodesInTest, FindsEveryCodeASubstringSearchFinds)
{
    const QString line = QString::fromUtf16(GetParam());
    const std::pair<const char16_t *, Code> codes[] = {
        {u"MC", MC},   {u"AL", AL},   {u"MZ", MZ},     {u"RM", RM}, {u"AS", AS}, {u"BR", BR}, {u"SZ", SZ},
        {u"AMP", AMP}, {u"UMP", UMP}, {u"PRED", PRED}, {u"AR", AR}, {u"MO", MO}, {u"ML", ML}, {u"RP", RP},
        {u"PD", PD},   {u"BL", BL},   {u"AI", AI},     {u"RU", RU}, {u"UP", UP}};
    unsigned expected = 0;
    for (const auto &[text, code] : codes) {
        if (line.contains(QString::fromUtf16(text)))
            expected |= code;
    }
    EXPECT_EQ(codesIn(line), expected) << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Lines, CodesInTest,
                         ::testing::Values(u"", u"M", u"MC", u"K-1 Микрофон#5%1&MC", u"AMPRED", u"UMPRED",
                                           u"ARU", u"MOMLMZ", u"BLAIRPDUP", u"PRE", u"AM", u"UM", u"mc al",
                                           u"МС АЛ", u"K-4 Усилитель (240)#360%3&AMP*2|4+0/1//1",
                                           u"ZEP-20 Программа#0%0&AL MZ", u"SZ//500", u"ASBRSZRM",
                                           u"K-6 Шкаф*RU/60|42", u"PREDPREDAMP", u"XXMC"));

struct AfterCase
{
    const char16_t *line;
    const char16_t *separator;
    qsizetype count;
    const char16_t *expected;
};

class FieldAfterTest : public ::testing::TestWithParam<AfterCase>
{
};

TEST_P(FieldAfterTest, StartsAfterTheSeparatorOrAsIfItStoodBeforeTheLine)
{
    const AfterCase &c = GetParam();
    EXPECT_EQ(fieldAfter(c.line, c.separator, c.count).toString(), QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldAfterTest,
    ::testing::Values(AfterCase{u"a|12x", u"|", 2, u"12"}, AfterCase{u"a|1", u"|", 2, u"1"},
                      AfterCase{u"a|", u"|", 2, u""}, AfterCase{u"a1", u"|", 2, u"a1"},
                      AfterCase{u"", u"|", 2, u""}, AfterCase{u"a//500", u"//", -1, u"500"},
                      AfterCase{u"a/b//5//6", u"//", -1, u"5//6"}, AfterCase{u"K12", u"//", -1, u"12"},
                      AfterCase{u"K", u"//", -1, u""}, AfterCase{u"a*1000x", u"*", 4, u"1000"},
                      AfterCase{u"a*b*c", u"*", -1, u"b*c"}));

struct HeightCase
{
    const char16_t *text;
    std::optional<std::int32_t> expected;
};

class CabinetHeightTest : public ::testing::TestWithParam<HeightCase>
{
};

TEST_P(CabinetHeightTest, TakesOnlyAWholeNumber)
{
    EXPECT_EQ(cabinetHeight(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Heights, CabinetHeightTest,
                         ::testing::Values(HeightCase{u"42", 42}, HeightCase{u"09", 9}, HeightCase{u" 9", 9},
                                           HeightCase{u"9 ", 9}, HeightCase{u"9", 9},
                                           HeightCase{u"", std::nullopt}, HeightCase{u"  ", std::nullopt},
                                           HeightCase{u"4x", std::nullopt}, HeightCase{u"-4", std::nullopt},
                                           HeightCase{u"+4", std::nullopt}, HeightCase{u"4.", std::nullopt},
                                           HeightCase{u"\t4", std::nullopt},
                                           HeightCase{u"٤٢", std::nullopt}));

struct DescriptorCase
{
    const char16_t *text;
    bool wellFormed;
};

class DescriptorTest : public ::testing::TestWithParam<DescriptorCase>
{
};

TEST_P(DescriptorTest, NeedsItsSeparatorsInOrder)
{
    EXPECT_EQ(isWellFormedDescriptor(GetParam().text), GetParam().wellFormed)
        << QString::fromUtf16(GetParam().text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Descriptors, DescriptorTest,
    ::testing::Values(DescriptorCase{u"2|4+0/1//1", true}, DescriptorCase{u"|+///", true},
                      DescriptorCase{u"8|2+4/4//4 резерв", true}, DescriptorCase{u"2|4+0/1/1", false},
                      DescriptorCase{u"2|4+0//1", false}, DescriptorCase{u"2+4|0/1//1", false},
                      DescriptorCase{u"2|4/0+1//1", false}, DescriptorCase{u"2|4+0", false},
                      DescriptorCase{u"", false}, DescriptorCase{u"1|2+0/1//1e10", false},
                      DescriptorCase{u"1e10|2+0/1//1", false}));
